<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Analysis</name>
    <message>
        <source>Entries left out, not counted as choices:</source>
        <translation>Ausgelassene Einträge, nicht als Wahlen gezählt:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weiterer.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>The z-scores use the sample standard deviation (n − 1). A spreadsheet&apos;s population formula (STDEV.P) gives slightly larger z-scores, so a pupil near a limit, such as &quot;Popular&quot;, may be classed differently there.</source>
        <translation>Die z-Werte verwenden die Standardabweichung der Stichprobe (n − 1). Die Populationsformel einer Tabellenkalkulation (STABW.N) ergibt etwas größere z-Werte, sodass ein Schüler nahe einer Grenze, etwa „Beliebt“, dort anders eingestuft werden kann.</translation>
    </message>
    <message>
        <source>A count is high or low only when chance would give it less than 5 times in 100. A pupil is &quot;Neglected&quot; only when the choices and rejections received together are that low, so an isolate who is rejected a few times, or one in a small group with few choices, may come out &quot;Average&quot;.</source>
        <translation>Eine Anzahl gilt nur dann als hoch oder niedrig, wenn der Zufall sie seltener als 5-mal in 100 Fällen ergäbe. Ein Schüler ist nur dann „Vernachlässigt“, wenn die erhaltenen Wahlen und Ablehnungen zusammen so niedrig sind; ein Isolierter, der einige Male abgelehnt wird, oder einer in einer kleinen Gruppe mit wenigen Wahlen kann daher „Durchschnittlich“ sein.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Positive given</source>
        <translation>Positiv abgegeben</translation>
    </message>
    <message>
        <source>Negative given</source>
        <translation>Negativ abgegeben</translation>
    </message>
    <message>
        <source>Positive received</source>
        <translation>Positiv erhalten</translation>
    </message>
    <message>
        <source>Negative received</source>
        <translation>Negativ erhalten</translation>
    </message>
    <message>
        <source>Mutual positive</source>
        <translation>Gegenseitig positiv</translation>
    </message>
    <message>
        <source>Mutual negative</source>
        <translation>Gegenseitig negativ</translation>
    </message>
    <message>
        <source>Isolate</source>
        <translation>Isoliert</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Nur abgelehnt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>not a subject number</source>
        <translation>keine Schülernummer</translation>
    </message>
    <message>
        <source>a subject choosing themselves</source>
        <translation>ein Schüler wählt sich selbst</translation>
    </message>
    <message>
        <source>the same subject named twice</source>
        <translation>derselbe Schüler doppelt genannt</translation>
    </message>
    <message>
        <source>outside the grid</source>
        <translation>außerhalb der Tabelle</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Positive earlier</source>
        <translation>Positiv früher</translation>
    </message>
    <message>
        <source>Negative earlier</source>
        <translation>Negativ früher</translation>
    </message>
    <message>
        <source>Positive later</source>
        <translation>Positiv später</translation>
    </message>
    <message>
        <source>Negative later</source>
        <translation>Negativ später</translation>
    </message>
    <message>
        <source>Positive change</source>
        <translation>Änderung positiv</translation>
    </message>
    <message>
        <source>Negative change</source>
        <translation>Änderung negativ</translation>
    </message>
    <message>
        <source>Status earlier</source>
        <translation>Status früher</translation>
    </message>
    <message>
        <source>Status later</source>
        <translation>Status später</translation>
    </message>
    <message>
        <source>Status changed</source>
        <translation>Status geändert</translation>
    </message>
    <message>
        <source>Mutual positive kept</source>
        <translation>Gegenseitig positiv, geblieben</translation>
    </message>
    <message>
        <source>Mutual negative kept</source>
        <translation>Gegenseitig negativ, geblieben</translation>
    </message>
    <message>
        <source>Mutual positive gained</source>
        <translation>Gegenseitig positiv, hinzugekommen</translation>
    </message>
    <message>
        <source>Mutual negative gained</source>
        <translation>Gegenseitig negativ, hinzugekommen</translation>
    </message>
    <message>
        <source>Mutual positive lost</source>
        <translation>Gegenseitig positiv, weggefallen</translation>
    </message>
    <message>
        <source>Mutual negative lost</source>
        <translation>Gegenseitig negativ, weggefallen</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>%1 tie stability %2: %3 of the %4 ties of either survey are in both (%5 new, %6 gone).</source>
        <translation>Beziehungsstabilität (%1) %2: %3 der %4 Beziehungen beider Befragungen kommen in beiden vor (%5 neu, %6 weggefallen).</translation>
    </message>
    <message>
        <source>The surveys share no criterion: no ties are compared.</source>
        <translation>Die Befragungen haben kein gemeinsames Kriterium: Es werden keine Beziehungen verglichen.</translation>
    </message>
    <message>
        <source>%1, subject %2, choice %3: &quot;%4&quot; (%5)</source>
        <translation>%1, Schüler %2, Wahl %3: „%4“ (%5)</translation>
    </message>
    <message>
        <source>Popular</source>
        <translation>Beliebt</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Neglected</source>
        <translation>Vernachlässigt</translation>
    </message>
    <message>
        <source>Controversial</source>
        <translation>Kontrovers</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnittlich</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Nicht klassifiziert</translation>
    </message>
    <message>
        <source>Most chosen</source>
        <translation>Meistgewählt</translation>
    </message>
    <message>
        <source>Rejected, chosen by nobody</source>
        <translation>Abgelehnt, von niemandem gewählt</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Sociometric Analysis</source>
        <translation>Soziometrische Analyse</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Choices...</source>
        <translation>&amp;Wahlen exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;GraphML...</source>
        <translation>&amp;GraphML exportieren...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export GraphML</source>
        <translation>GraphML exportieren</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Tabelle exportieren</translation>
    </message>
    <message>
        <source>Export Choices</source>
        <translation>Wahlen exportieren</translation>
    </message>
    <message>
        <source>analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>choices</source>
        <translation>Wahlen</translation>
    </message>
    <message>
        <source>GraphML files (*.graphml);;All files (*)</source>
        <translation>GraphML-Dateien (*.graphml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>BallotsText</name>
    <message>
        <source>Negative Criterion: </source>
        <translation>Negatives Kriterium: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Positives Kriterium: </translation>
    </message>
    <message>
        <source>Write up to %1 numbers, or &quot;nobody&quot;.</source>
        <translation>Schreib bis zu %1 Nummern auf oder „niemand“.</translation>
    </message>
    <message>
        <source>Write up to %1 numbers.</source>
        <translation>Schreib bis zu %1 Nummern auf.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The class:</source>
        <translation>Die Klasse:</translation>
    </message>
    <message>
        <source>The class, by number:</source>
        <translation>Die Klasse nach Nummern:</translation>
    </message>
    <message>
        <source>My number:</source>
        <translation>Meine Nummer:</translation>
    </message>
</context>
<context>
    <name>ClassListWindow</name>
    <message>
        <source>Class lists (*.csv *.txt);;All files (*)</source>
        <translation>Klassenlisten (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>Klassenliste</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Names of the subjects:</source>
        <translation>&amp;Namen der Schüler:</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>The name of subject %1 is only blanks. Type a name, or empty the row with Delete.</source>
        <translation>Der Name von Schüler %1 besteht nur aus Leerzeichen. Geben Sie einen Namen ein oder leeren Sie die Zeile mit Entf.</translation>
    </message>
    <message>
        <source>The class list was not loaded:</source>
        <translation>Die Klassenliste wurde nicht geladen:</translation>
    </message>
    <message>
        <source>Load Class List</source>
        <translation>Klassenliste laden</translation>
    </message>
    <message>
        <source>Save Class List</source>
        <translation>Klassenliste speichern</translation>
    </message>
    <message>
        <source>class list</source>
        <translation>Klassenliste</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Group %1: %2</source>
        <translation>Gruppe %1: %2</translation>
    </message>
    <message>
        <source>Status changed: %1</source>
        <translation>Status geändert: %1</translation>
    </message>
    <message>
        <source>Status groups by the %1 method: %2</source>
        <translation>Statusgruppen nach der Methode %1: %2</translation>
    </message>
    <message>
        <source>The group</source>
        <translation>Die Gruppe</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Changes since the earlier survey</source>
        <translation>Änderungen seit der früheren Befragung</translation>
    </message>
</context>
<context>
    <name>ClassReportText</name>
    <message>
        <source>Class Report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>One page with the sociogram as it stands, the table of pupils, the group&apos;s figures, and the groups and the changes when their windows are open.</source>
        <translation>Eine Seite mit dem Soziogramm in seiner aktuellen Form, der Schülertabelle, den Kennzahlen der Gruppe sowie den Gruppen und Änderungen, wenn deren Fenster geöffnet sind.</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Mit &amp;Namen</translation>
    </message>
    <message>
        <source>Print Class Report</source>
        <translation>Klassenbericht drucken</translation>
    </message>
    <message>
        <source>Print Class Report to PDF File</source>
        <translation>Klassenbericht als PDF-Datei drucken</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>Klassenbericht</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the report was not printed.</source>
        <translation>Es ist kein Drucker installiert und keine PDF-Datei gewählt; der Bericht wurde daher nicht gedruckt.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the report was not printed.</source>
        <translation>Der Druck wurde abgebrochen; der Bericht wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>Positive and negative choices</source>
        <translation>Positive und negative Wahlen</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Negative Wahlen</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Positive Wahlen</translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation>
            <numerusform>%n Schüler</numerusform>
            <numerusform>%n Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n choices each</source>
        <translation>
            <numerusform>je %n Wahl</numerusform>
            <numerusform>je %n Wahlen</numerusform>
        </translation>
    </message>
    <message>
        <source>Compared with &quot;%1&quot;.</source>
        <translation>Verglichen mit „%1“.</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;. Check that it is available and that you may write to it.</source>
        <translation>Der Bericht konnte nicht nach „%1“ gedruckt werden. Prüfen Sie, ob das Ziel verfügbar ist und Sie darauf schreiben dürfen.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Compare Surveys</source>
        <translation>Befragungen vergleichen</translation>
    </message>
    <message>
        <source>Subject numbers are taken to name the same pupils in both surveys.</source>
        <translation>Gleiche Schülernummern gelten in beiden Befragungen als dieselben Schüler.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Früher</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>&amp;Tie Changes...</source>
        <translation>&amp;Beziehungsänderungen...</translation>
    </message>
    <message>
        <source>Show on &amp;Sociogram</source>
        <translation>Im S&amp;oziogramm zeigen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>the study in the data window</source>
        <translation>die Untersuchung im Datenfenster</translation>
    </message>
    <message>
        <source>%1, the study in the data window</source>
        <translation>%1, die Untersuchung im Datenfenster</translation>
    </message>
    <message>
        <source>Earlier survey: %1 (record %2). Later survey: %3.</source>
        <translation>Frühere Befragung: %1 (Datensatz %2). Spätere Befragung: %3.</translation>
    </message>
    <message>
        <source>No entries were left out.</source>
        <translation>Es wurden keine Einträge ausgelassen.</translation>
    </message>
    <message>
        <source>Entries left out, not choices: %1 in the earlier survey, %2 in the later.</source>
        <translation>Ausgelassene Einträge, keine Wahlen: %1 in der früheren Befragung, %2 in der späteren.</translation>
    </message>
    <message>
        <source>Earlier survey:</source>
        <translation>Frühere Befragung:</translation>
    </message>
    <message>
        <source>Later survey:</source>
        <translation>Spätere Befragung:</translation>
    </message>
    <message>
        <source>
Status groups by %1, the method of the analysis window.</source>
        <translation>
Statusgruppen nach %1, der Methode des Analysefensters.</translation>
    </message>
    <message>
        <source>Export Subjects</source>
        <translation>Schüler exportieren</translation>
    </message>
    <message>
        <source>Export Tie Changes</source>
        <translation>Beziehungsänderungen exportieren</translation>
    </message>
    <message>
        <source>The study %1 can no longer be read as a study.</source>
        <translation>Die Untersuchung %1 kann nicht mehr als Untersuchung gelesen werden.</translation>
    </message>
    <message>
        <source>No other study has %1 subjects, a criterion in common with this one and stored answers.</source>
        <translation>Keine andere Untersuchung hat %1 Schüler, ein gemeinsames Kriterium mit dieser und gespeicherte Antworten.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Subjects...</source>
        <translation>&amp;Schüler...</translation>
    </message>
    <message>
        <source>tie changes</source>
        <translation>Beziehungsänderungen</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>The study &quot;%1&quot; is no longer in the study file.</source>
        <translation>Die Untersuchung „%1“ ist nicht mehr in der Untersuchungsdatei.</translation>
    </message>
</context>
<context>
    <name>DataForm</name>
    <message>
        <source>Class &amp;Report...</source>
        <translation>Klassenbe&amp;richt...</translation>
    </message>
    <message>
        <source>Import &amp;Form Responses...</source>
        <translation>&amp;Formularantworten importieren...</translation>
    </message>
    <message>
        <source>Print &amp;Ballots...</source>
        <translation>Wahlzettel &amp;drucken...</translation>
    </message>
    <message>
        <source>Pupils &amp;Answer Here...</source>
        <translation>Schüler &amp;antworten hier...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>Daten &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Clear Data from Current Grid</source>
        <translation>Aktuelle Tabelle &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Import Choices...</source>
        <translation>Wahlen &amp;importieren...</translation>
    </message>
    <message>
        <source>Class &amp;List...</source>
        <translation>&amp;Klassenliste...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Criterion Type</source>
        <translation>Art des &amp;Kriteriums</translation>
    </message>
    <message>
        <source>&amp;Positive</source>
        <translation>&amp;Positiv</translation>
    </message>
    <message>
        <source>&amp;Negative</source>
        <translation>&amp;Negativ</translation>
    </message>
    <message>
        <source>&amp;Plot Sociogram</source>
        <translation>&amp;Soziogramm zeichnen</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Kreis</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>&amp;Square</source>
        <translation>&amp;Quadrat</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>Ziel&amp;scheibe</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Study Analysis...</source>
        <translation>Untersuchung &amp;analysieren...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Gruppen</translation>
    </message>
</context>
<context>
    <name>DataState</name>
    <message>
        <source>The study&apos;s %1 in the file (%2) is outside %3 to %4.</source>
        <translation>Die %1 der Untersuchung in der Datei (%2) liegt außerhalb von %3 bis %4.</translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Positives Kriterium: </translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Negatives Kriterium: </translation>
    </message>
    <message>
        <source>group size</source>
        <translation>Gruppengröße</translation>
    </message>
    <message>
        <source>number of choices</source>
        <translation>Anzahl der Wahlen</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Wahl</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>DrawForm</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Sociogram</source>
        <translation>Soziogramm</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save Current Sociogram</source>
        <translation>Aktuelles Soziogramm &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Print Sociogram</source>
        <translation>Soziogramm &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Bild &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Default Distribution</source>
        <translation>&amp;Standardverteilung</translation>
    </message>
    <message>
        <source>&amp;Saved Distribution</source>
        <translation>&amp;Gespeicherte Verteilung</translation>
    </message>
    <message>
        <source>&amp;Tidy Labels</source>
        <translation>Beschriftungen &amp;ordnen</translation>
    </message>
    <message>
        <source>&amp;Colour Choices</source>
        <translation>Wahlen &amp;farbig</translation>
    </message>
    <message>
        <source>Show &amp;Other Criterion</source>
        <translation>&amp;Anderes Kriterium zeigen</translation>
    </message>
    <message>
        <source>Show Stat&amp;us</source>
        <translation>S&amp;tatus zeigen</translation>
    </message>
    <message>
        <source>Lines &amp;Round Labels</source>
        <translation>Linien &amp;um Beschriftungen</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>&amp;Namen zeigen</translation>
    </message>
    <message>
        <source>Show C&amp;hanges</source>
        <translation>Än&amp;derungen zeigen</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Legende</translation>
    </message>
    <message>
        <source>Print Sociogram</source>
        <translation>Soziogramm drucken</translation>
    </message>
    <message>
        <source>Print Sociogram to PDF File</source>
        <translation>Soziogramm als PDF-Datei drucken</translation>
    </message>
    <message>
        <source>sociogram</source>
        <translation>Soziogramm</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the sociogram was not printed.</source>
        <translation>Es ist kein Drucker installiert und keine PDF-Datei gewählt; das Soziogramm wurde daher nicht gedruckt.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the sociogram was not printed.</source>
        <translation>Der Druck wurde abgebrochen; das Soziogramm wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>auf dem Drucker „%1“</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>in die Datei „%1“</translation>
    </message>
    <message>
        <source>The sociogram could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>Das Soziogramm konnte nicht %1 gedruckt werden. Prüfen Sie, ob das Ziel verfügbar ist und Sie darauf schreiben dürfen.</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Choice Must Be A Subject Number</source>
        <translation>Die Wahl muss eine Schülernummer sein</translation>
    </message>
    <message>
        <source>Choice Cannot Be Less Than 1</source>
        <translation>Die Wahl darf nicht kleiner als 1 sein</translation>
    </message>
    <message>
        <source>Choice Cannot Be Greater Than %1</source>
        <translation>Die Wahl darf nicht größer als %1 sein</translation>
    </message>
    <message>
        <source>Choice Must Be A Whole Number</source>
        <translation>Die Wahl muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>Choice Must Be Written In Digits Only</source>
        <translation>Die Wahl darf nur aus Ziffern bestehen</translation>
    </message>
    <message>
        <source>Subject %1 Is Already Chosen As Choice %2</source>
        <translation>Schüler %1 ist bereits als Wahl %2 gewählt</translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>Data Entry</source>
        <translation>Dateneingabe</translation>
    </message>
    <message>
        <source>Subject Number:</source>
        <translation>Schülernummer:</translation>
    </message>
    <message>
        <source>Choice Number:</source>
        <translation>Wahlnummer:</translation>
    </message>
    <message>
        <source>Choice Made:</source>
        <translation>Getroffene Wahl:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Unzulässige Verwendung von Null</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objekt bereits geladen</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>The Program Is Having Trouble Accessing The Database<byte value="xd"/>
If You Choose Cancel, The Results Will Be Unpredictable</source>
        <translation>Das Programm hat Probleme beim Zugriff auf die Datenbank<byte value="xd"/>
Wenn Sie „Abbrechen“ wählen, sind die Folgen nicht vorhersehbar</translation>
    </message>
    <message>
        <source>Unexpected Error In - %1, Error Number%2, %3</source>
        <translation>Unerwarteter Fehler in - %1, Fehlernummer%2, %3</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist.</source>
        <translation>Das Element „%1“ des Steuerelementfelds existiert nicht.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
</context>
<context>
    <name>ExampleClass</name>
    <message>
        <source>Sitting next to each other in class</source>
        <translation>Im Unterricht nebeneinander sitzen</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;PNG image</source>
        <translation>&amp;PNG-Bild</translation>
    </message>
    <message>
        <source>S&amp;VG drawing</source>
        <translation>S&amp;VG-Zeichnung</translation>
    </message>
    <message>
        <source>P&amp;DF document</source>
        <translation>P&amp;DF-Dokument</translation>
    </message>
    <message>
        <source>&amp;Resolution (dots per inch):</source>
        <translation>&amp;Auflösung (Punkte pro Zoll):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Positive Wahlen</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Negative Wahlen</translation>
    </message>
    <message>
        <source>Positive density</source>
        <translation>Positive Dichte</translation>
    </message>
    <message>
        <source>Negative density</source>
        <translation>Negative Dichte</translation>
    </message>
    <message>
        <source>Mutual positive pairs</source>
        <translation>Gegenseitig positive Paare</translation>
    </message>
    <message>
        <source>Mutual negative pairs</source>
        <translation>Gegenseitig negative Paare</translation>
    </message>
    <message>
        <source>Positive reciprocity</source>
        <translation>Positive Reziprozität</translation>
    </message>
    <message>
        <source>Negative reciprocity</source>
        <translation>Negative Reziprozität</translation>
    </message>
    <message>
        <source>Positive choices received, mean</source>
        <translation>Erhaltene positive Wahlen, Mittelwert</translation>
    </message>
    <message>
        <source>Negative choices received, mean</source>
        <translation>Erhaltene negative Wahlen, Mittelwert</translation>
    </message>
    <message>
        <source>Positive choices received, standard deviation</source>
        <translation>Erhaltene positive Wahlen, Standardabweichung</translation>
    </message>
    <message>
        <source>Negative choices received, standard deviation</source>
        <translation>Erhaltene negative Wahlen, Standardabweichung</translation>
    </message>
    <message>
        <source>Positive received chance per chooser</source>
        <translation>Positiv erhalten, Zufallswahrscheinlichkeit je Wähler</translation>
    </message>
    <message>
        <source>Negative received chance per chooser</source>
        <translation>Negativ erhalten, Zufallswahrscheinlichkeit je Wähler</translation>
    </message>
    <message>
        <source>Impact chance per chooser</source>
        <translation>Einfluss, Zufallswahrscheinlichkeit je Wähler</translation>
    </message>
    <message>
        <source>Positive received high from</source>
        <translation>Positiv erhalten hoch ab</translation>
    </message>
    <message>
        <source>Negative received high from</source>
        <translation>Negativ erhalten hoch ab</translation>
    </message>
    <message>
        <source>Impact high from</source>
        <translation>Einfluss hoch ab</translation>
    </message>
    <message>
        <source>Positive received low up to</source>
        <translation>Positiv erhalten niedrig bis</translation>
    </message>
    <message>
        <source>Negative received low up to</source>
        <translation>Negativ erhalten niedrig bis</translation>
    </message>
    <message>
        <source>Impact low up to</source>
        <translation>Einfluss niedrig bis</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Gruppengröße</translation>
    </message>
    <message>
        <source>Isolates</source>
        <translation>Isolierte</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Nur abgelehnt</translation>
    </message>
    <message>
        <source>Entries left out</source>
        <translation>Ausgelassene Einträge</translation>
    </message>
    <message>
        <source>No cliques</source>
        <translation>Keine Cliquen</translation>
    </message>
    <message>
        <source>Cliques (every pair chose each other): %1</source>
        <translation>Cliquen (jedes Paar hat sich gegenseitig gewählt): %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Mit &amp;Namen</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv);;All files (*)</source>
        <translation>Kommagetrennte Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>FormImportText</name>
    <message>
        <source>Not read</source>
        <translation>Nicht einlesen</translation>
    </message>
    <message>
        <source>Who answers</source>
        <translation>Wer antwortet</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Positive Wahlen</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Negative Wahlen</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Wahlen</translation>
    </message>
    <message>
        <source>Names are matched only with the class list: give it first with File &gt; Class List..., Load..., then import again.</source>
        <translation>Namen werden nur mit der Klassenliste abgeglichen: Laden Sie diese zuerst über Datei &gt; Klassenliste..., Laden... und importieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>Some rows of the file have problems:</source>
        <translation>Einige Zeilen der Datei sind fehlerhaft:</translation>
    </message>
    <message>
        <source>No row can be taken; nothing was imported.</source>
        <translation>Keine Zeile kann übernommen werden; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Take the one row without a problem</source>
        <translation>Die eine fehlerfreie Zeile übernehmen</translation>
    </message>
    <message>
        <source>Take the %1 rows without a problem</source>
        <translation>Die %1 fehlerfreien Zeilen übernehmen</translation>
    </message>
    <message>
        <source>and leave the other out?</source>
        <translation>und die andere auslassen?</translation>
    </message>
    <message>
        <source>and leave the %1 others out?</source>
        <translation>und die %1 anderen auslassen?</translation>
    </message>
    <message>
        <source>No imports nothing.</source>
        <translation>Nein importiert nichts.</translation>
    </message>
    <message>
        <source>Import Form Responses</source>
        <translation>Formularantworten importieren</translation>
    </message>
    <message>
        <source>Say what each column holds. The first rows of the file:</source>
        <translation>Geben Sie an, was jede Spalte enthält. Die ersten Zeilen der Datei:</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Spalte %1: %2</translation>
    </message>
    <message>
        <source>Form responses (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Formularantworten (*.csv *.tsv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The responses were not imported:</source>
        <translation>Die Antworten wurden nicht importiert:</translation>
    </message>
</context>
<context>
    <name>FormResponsesText</name>
    <message>
        <source>No column is marked as the respondent.</source>
        <translation>Keine Spalte ist als „Wer antwortet“ markiert.</translation>
    </message>
    <message>
        <source>No column is marked as holding choices.</source>
        <translation>Keine Spalte ist als Spalte mit Wahlen markiert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number, and without a class list only numbers are matched.</source>
        <translation>„%1“ ist keine Nummer, und ohne Klassenliste werden nur Nummern abgeglichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name of the class list.</source>
        <translation>„%1“ ist kein Name aus der Klassenliste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one pupil: %2.</source>
        <translation>„%1“ passt zu mehr als einem Schüler: %2.</translation>
    </message>
    <message>
        <source>%1 cannot choose themselves.</source>
        <translation>%1 kann sich nicht selbst wählen.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 wird doppelt gewählt.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Es sind mehr Wahlen angegeben, als die Untersuchung erlaubt (%1).</translation>
    </message>
    <message>
        <source>The row does not say who answers.</source>
        <translation>Die Zeile gibt nicht an, wer antwortet.</translation>
    </message>
    <message>
        <source>%1 answers a second time; the first row is line %2, and this later row is the one offered.</source>
        <translation>%1 antwortet ein zweites Mal; die erste Zeile ist Zeile %2, angeboten wird diese spätere Zeile.</translation>
    </message>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>Die Datei ist keine Textdatei; sie enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The file holds no responses.</source>
        <translation>Die Datei enthält keine Antworten.</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>A class of %1 subjects is too small to split: it takes at least 4 subjects to form groups.</source>
        <translation>Eine Klasse mit %1 Schülern ist zu klein zum Aufteilen: Für Gruppen sind mindestens 4 Schüler nötig.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 groups for %3 subjects.</source>
        <translation>Wählen Sie %1 bis %2 Gruppen für %3 Schüler.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 seats per table for %3 subjects.</source>
        <translation>Wählen Sie %1 bis %2 Plätze pro Tisch für %3 Schüler.</translation>
    </message>
    <message>
        <source>Subject %1 sits with subject %2</source>
        <translation>Schüler %1 sitzt bei Schüler %2</translation>
    </message>
    <message>
        <source>, and they rejected each other</source>
        <translation>, und sie haben sich gegenseitig abgelehnt</translation>
    </message>
    <message>
        <source>, who rejected them</source>
        <translation>, der ihn abgelehnt hat</translation>
    </message>
    <message>
        <source>, whom they rejected</source>
        <translation>, den er abgelehnt hat</translation>
    </message>
    <message>
        <source>Subject %1 chose nobody</source>
        <translation>Schüler %1 hat niemanden gewählt</translation>
    </message>
    <message>
        <source>rejected by the only subject they chose</source>
        <translation>vom einzigen Schüler abgelehnt, den er gewählt hat</translation>
    </message>
    <message>
        <source>rejected by every subject they chose</source>
        <translation>von jedem Schüler abgelehnt, den er gewählt hat</translation>
    </message>
    <message>
        <source>chose %1 subjects: %2 rejected them and %3 %4</source>
        <translation>hat %1 Schüler gewählt: %2 haben ihn abgelehnt und %3 %4</translation>
    </message>
    <message>
        <source>is in another group</source>
        <translation>ist in einer anderen Gruppe</translation>
    </message>
    <message>
        <source>are in other groups</source>
        <translation>sind in anderen Gruppen</translation>
    </message>
    <message>
        <source>chose 1 subject who is in another group</source>
        <translation>hat einen Schüler gewählt, der in einer anderen Gruppe ist</translation>
    </message>
    <message>
        <source>chose %1 subjects who are in other groups</source>
        <translation>hat %1 Schüler gewählt, die in anderen Gruppen sind</translation>
    </message>
    <message>
        <source>Subject %1 was chosen by nobody and %2</source>
        <translation>Schüler %1 wurde von niemandem gewählt und %2</translation>
    </message>
    <message>
        <source>Subject %1 was %2</source>
        <translation>Schüler %1 wurde %2</translation>
    </message>
    <message>
        <source>Subject %1 %2</source>
        <translation>Schüler %1 %2</translation>
    </message>
    <message>
        <source>they rejected each other</source>
        <translation>sie haben sich gegenseitig abgelehnt</translation>
    </message>
    <message>
        <source>%1 rejected %2</source>
        <translation>%1 hat %2 abgelehnt</translation>
    </message>
    <message>
        <source>Group %1: subjects %2 and %3 (%4)</source>
        <translation>Gruppe %1: Schüler %2 und %3 (%4)</translation>
    </message>
    <message>
        <source>G%1</source>
        <translation>G%1</translation>
    </message>
</context>
<context>
    <name>GroupsWindow</name>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Number of &amp;groups:</source>
        <translation>Anzahl der &amp;Gruppen:</translation>
    </message>
    <message>
        <source>&amp;Seats per table:</source>
        <translation>&amp;Plätze pro Tisch:</translation>
    </message>
    <message>
        <source>&amp;Make Groups</source>
        <translation>Gruppen &amp;bilden</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Chosen mates in the group</source>
        <translation>Gewählte Mitschüler in der Gruppe</translation>
    </message>
    <message>
        <source>Why marked</source>
        <translation>Grund der Markierung</translation>
    </message>
    <message>
        <source>Show on S&amp;ociogram</source>
        <translation>Im S&amp;oziogramm zeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Choose the number of groups, or the seats per table, and press Make Groups.</source>
        <translation>Wählen Sie die Anzahl der Gruppen oder die Plätze pro Tisch und klicken Sie auf „Gruppen bilden“.</translation>
    </message>
    <message>
        <source>Subject %1</source>
        <translation>Schüler %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>subjects</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>%1 could not be kept apart: %2.</source>
        <translation>Nicht zu trennen: %1 (%2).</translation>
    </message>
    <message>
        <source>rejection pair</source>
        <translation>Ablehnungspaar</translation>
    </message>
    <message>
        <source>rejection pairs</source>
        <translation>Ablehnungspaare</translation>
    </message>
    <message>
        <source>Nobody sits with someone they rejected or who rejected them.</source>
        <translation>Niemand sitzt bei jemandem, den er abgelehnt hat oder von dem er abgelehnt wurde.</translation>
    </message>
    <message>
        <source>%1 of %2 subjects sit with someone they chose; %3 of %4 positive choices are kept within a group.</source>
        <translation>%1 von %2 Schülern sitzen bei jemandem, den sie gewählt haben; %3 von %4 positiven Wahlen bleiben innerhalb einer Gruppe.</translation>
    </message>
    <message>
        <source>Every grouping was tried: none is better.</source>
        <translation>Alle Gruppierungen wurden geprüft: Keine ist besser.</translation>
    </message>
    <message>
        <source>No sociogram is open. Draw one from the data window&apos;s Plot Sociogram menu, then show the groups on it.</source>
        <translation>Es ist kein Soziogramm geöffnet. Zeichnen Sie eines über das Menü „Soziogramm zeichnen“ im Datenfenster und zeigen Sie dann die Gruppen darin an.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export Groups</source>
        <translation>Gruppen exportieren</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>There were no choices to go by: the groups are only even in size.</source>
        <translation>Es gab keine Wahlen, nach denen sich die Gruppen richten konnten: Sie sind nur gleich groß.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide is not part of this build.</source>
        <translation>Das Handbuch ist in dieser Version nicht enthalten.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Sociogram %1

Built with Qt %2, running on Qt %3. Qt is used under the GNU Lesser General Public License, version 3.

The study file:
%4</source>
        <translation>Sociogram %1

Erstellt mit Qt %2, läuft unter Qt %3. Qt wird unter der GNU Lesser General Public License, Version 3, verwendet.

Die Untersuchungsdatei:
%4</translation>
    </message>
    <message>
        <source>About Sociogram</source>
        <translation>Über Sociogram</translation>
    </message>
    <message>
        <source>This guide is written in English.</source>
        <translation>Diese Anleitung ist auf Englisch geschrieben.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>Die Datei ist keine Textdatei; sie enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>The file holds no names.</source>
        <translation>Die Datei enthält keine Namen.</translation>
    </message>
    <message>
        <source>The row does not begin with the subject&apos;s number.</source>
        <translation>Die Zeile beginnt nicht mit der Nummer des Schülers.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Der Name ist leer.</translation>
    </message>
    <message>
        <source>The list holds %1 names for the %2 subjects of the study.</source>
        <translation>Die Liste enthält %1 Namen für die %2 Schüler der Untersuchung.</translation>
    </message>
    <message>
        <source>The text holds no rows of choices.</source>
        <translation>Der Text enthält keine Zeilen mit Wahlen.</translation>
    </message>
    <message>
        <source>The row does not begin with the chooser&apos;s number.</source>
        <translation>Die Zeile beginnt nicht mit der Nummer des Wählers.</translation>
    </message>
    <message>
        <source>Subject %1 is given a second time; the first row is line %2.</source>
        <translation>Schüler %1 ist ein zweites Mal angegeben; die erste Zeile ist Zeile %2.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Es sind mehr Wahlen angegeben, als die Untersuchung erlaubt (%1).</translation>
    </message>
    <message>
        <source>Subject %1 cannot choose themselves.</source>
        <translation>Schüler %1 kann sich nicht selbst wählen.</translation>
    </message>
    <message>
        <source>Subject %1 is chosen twice in this row.</source>
        <translation>Schüler %1 wird in dieser Zeile doppelt gewählt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 ist keine Schülernummer von 1 bis %2.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... und %1 weitere.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Import Choices</source>
        <translation>Wahlen importieren</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv *.txt);;All files (*)</source>
        <translation>Kommagetrennte Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The choices were not imported:</source>
        <translation>Die Wahlen wurden nicht importiert:</translation>
    </message>
    <message>
        <source>The line holds no name: without numbers, each line is the name of the next subject.</source>
        <translation>Die Zeile enthält keinen Namen: Ohne Nummern ist jede Zeile der Name des nächsten Schülers.</translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Replace the choices in the grid with those of the file?</source>
        <translation>Die Wahlen in der Tabelle durch die der Datei ersetzen?</translation>
    </message>
    <message>
        <source>subject %1</source>
        <translation>Schüler %1</translation>
    </message>
    <message>
        <source>subjects %1</source>
        <translation>den Schülern %1</translation>
    </message>
    <message>
        <source>The file does not name %1, whose choices are in the grid.

Keep their choices? Yes keeps them and takes the rows of the file, No empties them, Cancel imports nothing.</source>
        <translation>Die Tabelle enthält Wahlen von %1, die Datei enthält dazu keine Zeile.

Diese Wahlen behalten? Ja behält sie und übernimmt die Zeilen der Datei, Nein leert sie, Abbrechen importiert nichts.</translation>
    </message>
</context>
<context>
    <name>InfoForm</name>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Study Information</source>
        <translation>Angaben zur Untersuchung</translation>
    </message>
    <message>
        <source>Criterion:</source>
        <translation>Kriterium:</translation>
    </message>
    <message>
        <source>Criterion Type:</source>
        <translation>Art des Kriteriums:</translation>
    </message>
    <message>
        <source>Reference Name:</source>
        <translation>Referenzname:</translation>
    </message>
    <message>
        <source>Group Size (6-40):</source>
        <translation>Gruppengröße (6-40):</translation>
    </message>
    <message>
        <source>Maximum Number of Choices Allowed (1-10):</source>
        <translation>Maximale Anzahl an Wahlen (1-10):</translation>
    </message>
    <message>
        <source>This is used to store a description of the data set.</source>
        <translation>Hier wird eine Beschreibung des Datensatzes gespeichert.</translation>
    </message>
    <message>
        <source>This is used to identify the data set in the database</source>
        <translation>Hiermit wird der Datensatz in der Datenbank identifiziert</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Positive Choice</source>
        <translation>Positive Wahl</translation>
    </message>
    <message>
        <source>Negative Choice</source>
        <translation>Negative Wahl</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Kept in both surveys</source>
        <translation>In beiden Befragungen vorhanden</translation>
    </message>
    <message>
        <source>New since &quot;%1&quot;</source>
        <translation>Neu seit „%1“</translation>
    </message>
    <message>
        <source>Gone since &quot;%1&quot;</source>
        <translation>Weggefallen seit „%1“</translation>
    </message>
    <message>
        <source>Chooser</source>
        <translation>Wähler</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Gewählter</translation>
    </message>
    <message>
        <source>Mutual</source>
        <translation>Gegenseitig</translation>
    </message>
</context>
<context>
    <name>KeyForm</name>
    <message>
        <source>Sociogram Key</source>
        <translation>Soziogrammlegende</translation>
    </message>
</context>
<context>
    <name>KioskAnswerText</name>
    <message>
        <source>More classmates are chosen than the study allows (%1).</source>
        <translation>Du hast mehr Mitschüler gewählt als erlaubt (%1).</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 ist keine Nummer von 1 bis %2.</translation>
    </message>
    <message>
        <source>A pupil cannot choose themselves.</source>
        <translation>Du kannst dich nicht selbst wählen.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 ist doppelt gewählt.</translation>
    </message>
</context>
<context>
    <name>KioskWindow</name>
    <message>
        <source>Pupils Answer Here</source>
        <translation>Schüler antworten hier</translation>
    </message>
    <message>
        <source>Not me: start again</source>
        <translation>Das bin nicht ich: neu anfangen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Yes, save my answer</source>
        <translation>Ja, meine Antwort speichern</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>Wer bist du?</translation>
    </message>
    <message>
        <source>Touch your own name.</source>
        <translation>Tippe auf deinen Namen.</translation>
    </message>
    <message>
        <source>Touch your own number.</source>
        <translation>Tippe auf deine Nummer.</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Negatives Kriterium: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Positives Kriterium: </translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates, or Nobody.</source>
        <translation>%1, tippe auf bis zu %2 Mitschüler oder auf „Niemand“.</translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates.</source>
        <translation>%1, tippe auf bis zu %2 Mitschüler.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Is this right, %1?</source>
        <translation>Stimmt das, %1?</translation>
    </message>
    <message>
        <source>These are your answers. Nobody else will see them.</source>
        <translation>Das sind deine Antworten. Niemand sonst sieht sie.</translation>
    </message>
    <message>
        <source>Thank you! Pass the computer on to the next pupil.</source>
        <translation>Danke! Gib den Computer an den nächsten Schüler weiter.</translation>
    </message>
    <message>
        <source>Teacher: let every pupil marked as done answer again?</source>
        <translation>Lehrkraft: Alle als fertig markierten Schüler noch einmal antworten lassen?</translation>
    </message>
    <message>
        <source>Teacher only: do the pupils go on answering?

Yes goes on. No ends the round and shows the program&apos;s windows again; every answer confirmed is stored.</source>
        <translation>Nur für die Lehrkraft: Sollen die Schüler weiter antworten?

Ja setzt fort. Nein beendet die Runde und zeigt wieder die Fenster des Programms; jede bestätigte Antwort ist gespeichert.</translation>
    </message>
    <message>
        <source>The grid is saved before the pupils answer. Save it now?</source>
        <translation>Die Tabelle wird gespeichert, bevor die Schüler antworten. Jetzt speichern?</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Nummer %1</translation>
    </message>
</context>
<context>
    <name>LoadForm</name>
    <message>
        <source>Load File</source>
        <translation>Datei laden</translation>
    </message>
    <message>
        <source>Select Project</source>
        <translation>Projekt auswählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Sociogram</source>
        <translation>Sociogram</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Delete the Current Record?</source>
        <translation>Aktuellen Datensatz löschen?</translation>
    </message>
    <message>
        <source>The Project Could Not Be Deleted - It Has Been Left As It Was</source>
        <translation>Das Projekt konnte nicht gelöscht werden – es bleibt unverändert</translation>
    </message>
    <message>
        <source>You Must Enter the Relevant Criterion</source>
        <translation>Sie müssen das zugehörige Kriterium eingeben</translation>
    </message>
    <message>
        <source>Duplicate Reference Names Are Not Advisable</source>
        <translation>Doppelte Referenznamen sind nicht empfehlenswert</translation>
    </message>
    <message>
        <source>You Must Enter a Reference Name</source>
        <translation>Sie müssen einen Referenznamen eingeben</translation>
    </message>
    <message>
        <source>Invalid Group Size - Please Try Again</source>
        <translation>Ungültige Gruppengröße – bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Invalid Number of Choices - Please Try Again</source>
        <translation>Ungültige Anzahl an Wahlen – bitte versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>Changes Saved As Requested</source>
        <translation>Änderungen wie gewünscht gespeichert</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>You Must First Save Changes: Save Now?</source>
        <translation>Sie müssen zuerst die Änderungen speichern: Jetzt speichern?</translation>
    </message>
    <message>
        <source>The changes could not be saved, so the file keeps the answers it had before. The grid still holds every answer you typed.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden; die Datei enthält weiterhin die bisherigen Antworten. Die Tabelle enthält noch alle Antworten, die Sie eingegeben haben.</translation>
    </message>
    <message>
        <source>Subjects Cannot Choose Themselves </source>
        <translation>Schüler können sich nicht selbst wählen </translation>
    </message>
    <message>
        <source>The Sociogram Window Is Too Small To Place All The Labels</source>
        <translation>Das Soziogrammfenster ist zu klein, um alle Beschriftungen zu platzieren</translation>
    </message>
    <message>
        <source>Save Current Sociogram Settings?</source>
        <translation>Aktuelle Soziogrammeinstellungen speichern?</translation>
    </message>
    <message>
        <source>This study&apos;s details could not be read from the file, so the grid is not saved over it. The file keeps the answers it had.</source>
        <translation>Die Angaben dieser Untersuchung konnten nicht aus der Datei gelesen werden, daher wird die Tabelle nicht darüber gespeichert. Die Datei behält die Antworten, die sie hatte.</translation>
    </message>
</context>
<context>
    <name>PictureChoices</name>
    <message>
        <source>Include the key</source>
        <translation>Legende einfügen</translation>
    </message>
    <message>
        <source>Include a title</source>
        <translation>Titel einfügen</translation>
    </message>
    <message>
        <source>Colour the groups</source>
        <translation>Gruppen färben</translation>
    </message>
    <message>
        <source>Mark the status</source>
        <translation>Status markieren</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Mit &amp;Namen</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>that name belongs to a folder</source>
        <translation>dieser Name gehört zu einem Ordner</translation>
    </message>
    <message>
        <source>the file could not be opened for writing (%1)</source>
        <translation>die Datei konnte nicht zum Schreiben geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>die Zeichnung konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>an image of %1 by %2 pixels is too large to make</source>
        <translation>ein Bild von %1 × %2 Pixeln ist zu groß</translation>
    </message>
    <message>
        <source>the image could not be written (%1)</source>
        <translation>das Bild konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the page could not be set up</source>
        <translation>die Seite konnte nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>the picture format is not known</source>
        <translation>das Bildformat ist unbekannt</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>es wurde kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>the sociogram has no area to draw</source>
        <translation>das Soziogramm hat keine Zeichenfläche</translation>
    </message>
    <message>
        <source>the resolution must be from %1 to %2 dots per inch</source>
        <translation>die Auflösung muss %1 bis %2 Punkte pro Zoll betragen</translation>
    </message>
    <message>
        <source>The sociogram picture could not be saved as &quot;%1&quot; because %2.</source>
        <translation>Das Soziogrammbild konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>writing the file failed (%1)</source>
        <translation>das Schreiben der Datei ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
</context>
<context>
    <name>PictureTitle</name>
    <message>
        <source>positive</source>
        <translation>positiv</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negativ</translation>
    </message>
    <message>
        <source>positive and negative</source>
        <translation>positiv und negativ</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zielscheibe</translation>
    </message>
    <message>
        <source>%1 layout</source>
        <translation>Anordnung „%1“</translation>
    </message>
    <message>
        <source>, status by %1</source>
        <translation>, Status nach %1</translation>
    </message>
    <message>
        <source>, most chosen and isolates marked</source>
        <translation>, Meistgewählte und Isolierte markiert</translation>
    </message>
    <message>
        <source>, most chosen marked</source>
        <translation>, Meistgewählte markiert</translation>
    </message>
    <message>
        <source>Ties kept, new and gone since &quot;%1&quot;</source>
        <translation>Beziehungen: geblieben, neu und weggefallen seit „%1“</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintBallotsText</name>
    <message>
        <source>Print Ballots to PDF File</source>
        <translation>Wahlzettel als PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so no ballot was printed.</source>
        <translation>Es ist kein Drucker installiert und keine PDF-Datei gewählt; es wurde daher kein Wahlzettel gedruckt.</translation>
    </message>
    <message>
        <source>Print Ballots</source>
        <translation>Wahlzettel drucken</translation>
    </message>
    <message>
        <source>Printing was cancelled; no ballot was printed.</source>
        <translation>Der Druck wurde abgebrochen; es wurde kein Wahlzettel gedruckt.</translation>
    </message>
    <message>
        <source>One slip for each pupil, several to a page. Pupils write the numbers of the classmates they choose.</source>
        <translation>Ein Zettel pro Schüler, mehrere auf einer Seite. Die Schüler schreiben die Nummern der Mitschüler auf, die sie wählen.</translation>
    </message>
    <message>
        <source>With names</source>
        <translation>Mit Namen</translation>
    </message>
    <message>
        <source>The class list by number, with the pupils&apos; names</source>
        <translation>Die Klassenliste nach Nummern, mit den Namen der Schüler</translation>
    </message>
    <message>
        <source>Give the class list first: File &gt; Class List...</source>
        <translation>Geben Sie zuerst die Klassenliste an: Datei &gt; Klassenliste...</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>auf dem Drucker „%1“</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>in die Datei „%1“</translation>
    </message>
    <message>
        <source>The ballots could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>Die Wahlzettel konnten nicht %1 gedruckt werden. Prüfen Sie, ob das Ziel verfügbar ist und Sie darauf schreiben dürfen.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print Sociogram</source>
        <translation>Soziogramm drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SociogramState</name>
    <message>
        <source>Move of Label %1</source>
        <translation>Verschieben von Beschriftung %1</translation>
    </message>
    <message>
        <source>Tidy Labels</source>
        <translation>Beschriftungen ordnen</translation>
    </message>
</context>
<context>
    <name>StartForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <source>&amp;Load Existing Project</source>
        <translation>Bestehendes Projekt &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open &amp;Example Class</source>
        <translation>&amp;Beispielklasse öffnen</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>Benutzer&amp;handbuch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>No study yet? &lt;a href=&quot;example&quot;&gt;Open the example class&lt;/a&gt; to see a class of 24 at work, or start with File &amp;gt; New Project.</source>
        <translation>Noch keine Untersuchung? &lt;a href=&quot;example&quot;&gt;Öffnen Sie die Beispielklasse&lt;/a&gt;, um eine Klasse mit 24 Schülern bei der Arbeit zu sehen, oder beginnen Sie mit Datei &amp;gt; Neues Projekt.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database %1 has no table %2; it is not a complete study database.</source>
        <translation>Der Datenbank %1 fehlt die Tabelle %2; sie ist keine vollständige Untersuchungsdatenbank.</translation>
    </message>
    <message>
        <source>The database %1 lacks the index %2; it is not a complete study database.</source>
        <translation>Der Datenbank %1 fehlt der Index %2; sie ist keine vollständige Untersuchungsdatenbank.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>Die Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t update %1; it is currently locked by another program.</source>
        <translation>%1 konnte nicht aktualisiert werden; die Datei ist derzeit von einem anderen Programm gesperrt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock a table of %1; it is currently in use.</source>
        <translation>Eine Tabelle von %1 konnte nicht gesperrt werden; sie wird gerade verwendet.</translation>
    </message>
    <message>
        <source>The database %1 is read-only; changes cannot be written to it.</source>
        <translation>Die Datenbank %1 ist schreibgeschützt; Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Could not lock the file %1.</source>
        <translation>Die Datei %1 konnte nicht gesperrt werden.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened.</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unrecognized database format %1: the file is not a study database.</source>
        <translation>Unbekanntes Datenbankformat %1: Die Datei ist keine Untersuchungsdatenbank.</translation>
    </message>
    <message>
        <source>Cannot open database %1. The file may be damaged.</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden. Die Datei ist möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>Not enough space on disk for %1; nothing was written.</source>
        <translation>Nicht genügend Speicherplatz für %1; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Disk error while reading or writing %1.</source>
        <translation>Datenträgerfehler beim Lesen oder Schreiben von %1.</translation>
    </message>
    <message>
        <source>The change to %1 was refused: %2</source>
        <translation>Die Änderung an %1 wurde abgelehnt: %2</translation>
    </message>
    <message>
        <source>A value does not fit its field in %1.</source>
        <translation>Ein Wert passt nicht in sein Feld in %1.</translation>
    </message>
    <message>
        <source>The database %1 reported: %2</source>
        <translation>Die Datenbank %1 meldete: %2</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The database %1 lacks the field %2; it is not a complete study database.</source>
        <translation>Der Datenbank %1 fehlt das Feld %2; sie ist keine vollständige Untersuchungsdatenbank.</translation>
    </message>
</context>
<context>
    <name>StudyPicker</name>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>&amp;Earlier survey of this class:</source>
        <translation>&amp;Frühere Befragung dieser Klasse:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation>%1 (Datensatz %2)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file is too large to be a class list, a sheet of choices or a form&apos;s responses.</source>
        <translation>Die Datei ist zu groß für eine Klassenliste, eine Wahlentabelle oder Formularantworten.</translation>
    </message>
    <message>
        <source>line %1 is not text, neither in UTF-8 nor in the Windows code page (Windows-1252).</source>
        <translation>Zeile %1 ist kein Text, weder in UTF-8 noch in der Windows-Codepage (Windows-1252).</translation>
    </message>
</context>
</TS>
