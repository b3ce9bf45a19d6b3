<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Analysis</name>
    <message>
        <source>Entries left out, not counted as choices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The z-scores use the sample standard deviation (n − 1). A spreadsheet&apos;s population formula (STDEV.P) gives slightly larger z-scores, so a pupil near a limit, such as &quot;Popular&quot;, may be classed differently there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A count is high or low only when chance would give it less than 5 times in 100. A pupil is &quot;Neglected&quot; only when the choices and rejections received together are that low, so an isolate who is rejected a few times, or one in a small group with few choices, may come out &quot;Average&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a subject number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a subject choosing themselves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same subject named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside the grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual positive kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual negative kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual positive gained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual negative gained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual positive lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual negative lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tie stability %2: %3 of the %4 ties of either survey are in both (%5 new, %6 gone).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The surveys share no criterion: no ties are compared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, subject %2, choice %3: &quot;%4&quot; (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neglected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controversial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Sociometric Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Choices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;GraphML...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export GraphML</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Group %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status groups by the %1 method: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes since the earlier survey</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClassReportText</name>
    <message>
        <source>Class Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One page with the sociogram as it stands, the table of pupils, the group&apos;s figures, and the groups and the changes when their windows are open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Class Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Class Report to PDF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>class report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the report was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing was cancelled; the report was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive and negative choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n choices each</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Compared with &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;. Check that it is available and that you may write to it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Surveys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject numbers are taken to name the same pupils in both surveys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tie Changes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on &amp;Sociogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the study in the data window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, the study in the data window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier survey: %1 (record %2). Later survey: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entries were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries left out, not choices: %1 in the earlier survey, %2 in the later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earlier survey:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later survey:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Status groups by %1, the method of the analysis window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Tie Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study %1 can no longer be read as a study.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No other study has %1 subjects, a criterion in common with this one and stored answers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataForm</name>
    <message>
        <source>Class &amp;Report...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataState</name>
    <message>
        <source>The study&apos;s %1 in the file (%2) is outside %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of choices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Choice Must Be A Subject Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Cannot Be Less Than 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Cannot Be Greater Than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Must Be A Whole Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Must Be Written In Digits Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 Is Already Chosen As Choice %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>Data Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choice Made:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Program Is Having Trouble Accessing The Database<byte value="xd"/>
If You Choose Cancel, The Results Will Be Unpredictable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected Error In - %1, Error Number%2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExampleClass</name>
    <message>
        <source>Sitting next to each other in class</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual positive pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual negative pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive reciprocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative reciprocity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive choices received, mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative choices received, mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive choices received, standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative choices received, standard deviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive received chance per chooser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative received chance per chooser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impact chance per chooser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive received high from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative received high from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impact high from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive received low up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative received low up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impact low up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isolates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cliques</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cliques (every pair chose each other): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>A class of %1 subjects is too small to split: it takes at least 4 subjects to form groups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose from %1 to %2 groups for %3 subjects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose from %1 to %2 seats per table for %3 subjects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 sits with subject %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and they rejected each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, who rejected them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, whom they rejected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 chose nobody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rejected by the only subject they chose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rejected by every subject they chose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chose %1 subjects: %2 rejected them and %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is in another group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are in other groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chose 1 subject who is in another group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chose %1 subjects who are in other groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 was chosen by nobody and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 was %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>they rejected each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rejected %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1: subjects %2 and %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupsWindow</name>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of &amp;groups:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seats per table:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen mates in the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on S&amp;ociogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the number of groups, or the seats per table, and press Make Groups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subjects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be kept apart: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rejection pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rejection pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nobody sits with someone they rejected or who rejected them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 subjects sit with someone they chose; %3 of %4 positive choices are kept within a group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every grouping was tried: none is better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sociogram is open. Draw one from the data window&apos;s Plot Sociogram menu, then show the groups on it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide is not part of this build.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sociogram %1

Built with Qt %2, running on Qt %3. Qt is used under the GNU Lesser General Public License, version 3.

The study file:
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Sociogram</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoForm</name>
    <message>
        <source>Positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criterion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criterion Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Size (6-40):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Number of Choices Allowed (1-10):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is used to store a description of the data set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is used to identify the data set in the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadForm</name>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Sociogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the Current Record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Project Could Not Be Deleted - It Has Been Left As It Was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Must Enter the Relevant Criterion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Reference Names Are Not Advisable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Must Enter a Reference Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Group Size - Please Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Number of Choices - Please Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes Saved As Requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Must First Save Changes: Save Now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes could not be saved, so the file keeps the answers it had before. The grid still holds every answer you typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subjects Cannot Choose Themselves </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartForm</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Existing Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Example Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No study yet? &lt;a href=&quot;example&quot;&gt;Open the example class&lt;/a&gt; to see a class of 24 at work, or start with File &amp;gt; New Project.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database %1 has no table %2; it is not a complete study database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 lacks the index %2; it is not a complete study database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t update %1; it is currently locked by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t lock a table of %1; it is currently in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 is read-only; changes cannot be written to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not lock the file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrecognized database format %1: the file is not a study database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open database %1. The file may be damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space on disk for %1; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk error while reading or writing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change to %1 was refused: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A value does not fit its field in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 reported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyPicker</name>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Earlier survey of this class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
