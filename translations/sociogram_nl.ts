<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Analysis</name>
    <message>
        <source>Entries left out, not counted as choices:</source>
        <translation>Weggelaten invoer, niet als keuze geteld:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>en nog %n.</numerusform>
            <numerusform>en nog %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The z-scores use the sample standard deviation (n − 1). A spreadsheet&apos;s population formula (STDEV.P) gives slightly larger z-scores, so a pupil near a limit, such as &quot;Popular&quot;, may be classed differently there.</source>
        <translation>De z-scores gebruiken de standaardafwijking van de steekproef (n − 1). De populatieformule van een spreadsheet (STDEV.P) geeft iets grotere z-scores, zodat een leerling dicht bij een grens, zoals &quot;Populair&quot;, daar anders ingedeeld kan worden.</translation>
    </message>
    <message>
        <source>A count is high or low only when chance would give it less than 5 times in 100. A pupil is &quot;Neglected&quot; only when the choices and rejections received together are that low, so an isolate who is rejected a few times, or one in a small group with few choices, may come out &quot;Average&quot;.</source>
        <translation>Een aantal is alleen hoog of laag als het toeval het minder dan 5 op de 100 keer zou opleveren. Een leerling is alleen &quot;Genegeerd&quot; als de ontvangen keuzes en afwijzingen samen zo laag zijn. Een geïsoleerde leerling die een paar keer is afgewezen, of een leerling in een kleine groep met weinig keuzes, kan dus als &quot;Gemiddeld&quot; uitkomen.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nee</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>onbepaald</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Positive given</source>
        <translation>Positief gegeven</translation>
    </message>
    <message>
        <source>Negative given</source>
        <translation>Negatief gegeven</translation>
    </message>
    <message>
        <source>Positive received</source>
        <translation>Positief ontvangen</translation>
    </message>
    <message>
        <source>Negative received</source>
        <translation>Negatief ontvangen</translation>
    </message>
    <message>
        <source>Mutual positive</source>
        <translation>Wederzijds positief</translation>
    </message>
    <message>
        <source>Mutual negative</source>
        <translation>Wederzijds negatief</translation>
    </message>
    <message>
        <source>Isolate</source>
        <translation>Geïsoleerd</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Alleen afgewezen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>not a subject number</source>
        <translation>geen leerlingnummer</translation>
    </message>
    <message>
        <source>a subject choosing themselves</source>
        <translation>een leerling die zichzelf kiest</translation>
    </message>
    <message>
        <source>the same subject named twice</source>
        <translation>dezelfde leerling twee keer genoemd</translation>
    </message>
    <message>
        <source>outside the grid</source>
        <translation>buiten het raster</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positief</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatief</translation>
    </message>
    <message>
        <source>Positive earlier</source>
        <translation>Positief eerder</translation>
    </message>
    <message>
        <source>Negative earlier</source>
        <translation>Negatief eerder</translation>
    </message>
    <message>
        <source>Positive later</source>
        <translation>Positief later</translation>
    </message>
    <message>
        <source>Negative later</source>
        <translation>Negatief later</translation>
    </message>
    <message>
        <source>Positive change</source>
        <translation>Positief verschil</translation>
    </message>
    <message>
        <source>Negative change</source>
        <translation>Negatief verschil</translation>
    </message>
    <message>
        <source>Status earlier</source>
        <translation>Status eerder</translation>
    </message>
    <message>
        <source>Status later</source>
        <translation>Status later</translation>
    </message>
    <message>
        <source>Status changed</source>
        <translation>Status veranderd</translation>
    </message>
    <message>
        <source>Mutual positive kept</source>
        <translation>Wederzijds positief behouden</translation>
    </message>
    <message>
        <source>Mutual negative kept</source>
        <translation>Wederzijds negatief behouden</translation>
    </message>
    <message>
        <source>Mutual positive gained</source>
        <translation>Wederzijds positief nieuw</translation>
    </message>
    <message>
        <source>Mutual negative gained</source>
        <translation>Wederzijds negatief nieuw</translation>
    </message>
    <message>
        <source>Mutual positive lost</source>
        <translation>Wederzijds positief verdwenen</translation>
    </message>
    <message>
        <source>Mutual negative lost</source>
        <translation>Wederzijds negatief verdwenen</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>veranderd</translation>
    </message>
    <message>
        <source>%1 tie stability %2: %3 of the %4 ties of either survey are in both (%5 new, %6 gone).</source>
        <translation>Stabiliteit van relaties (%1) %2: %3 van de %4 relaties uit een van beide metingen komen in beide voor (%5 nieuw, %6 verdwenen).</translation>
    </message>
    <message>
        <source>The surveys share no criterion: no ties are compared.</source>
        <translation>De metingen hebben geen criterium gemeen: er worden geen relaties vergeleken.</translation>
    </message>
    <message>
        <source>%1, subject %2, choice %3: &quot;%4&quot; (%5)</source>
        <translation>%1, leerling %2, keuze %3: &quot;%4&quot; (%5)</translation>
    </message>
    <message>
        <source>Popular</source>
        <translation>Populair</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Afgewezen</translation>
    </message>
    <message>
        <source>Neglected</source>
        <translation>Genegeerd</translation>
    </message>
    <message>
        <source>Controversial</source>
        <translation>Controversieel</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Niet ingedeeld</translation>
    </message>
    <message>
        <source>Most chosen</source>
        <translation>Meest gekozen</translation>
    </message>
    <message>
        <source>Rejected, chosen by nobody</source>
        <translation>Afgewezen, door niemand gekozen</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Sociometric Analysis</source>
        <translation>Sociometrische analyse</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kengetal</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>&amp;Tabel exporteren...</translation>
    </message>
    <message>
        <source>Export &amp;Choices...</source>
        <translation>&amp;Keuzes exporteren...</translation>
    </message>
    <message>
        <source>Export &amp;GraphML...</source>
        <translation>&amp;GraphML exporteren...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Export GraphML</source>
        <translation>GraphML exporteren</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Tabel exporteren</translation>
    </message>
    <message>
        <source>Export Choices</source>
        <translation>Keuzes exporteren</translation>
    </message>
    <message>
        <source>analysis</source>
        <translation>analyse</translation>
    </message>
    <message>
        <source>choices</source>
        <translation>keuzes</translation>
    </message>
    <message>
        <source>GraphML files (*.graphml);;All files (*)</source>
        <translation>GraphML-bestanden (*.graphml);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>BallotsText</name>
    <message>
        <source>Negative Criterion: </source>
        <translation>Negatief criterium: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Positief criterium: </translation>
    </message>
    <message>
        <source>Write up to %1 numbers, or &quot;nobody&quot;.</source>
        <translation>Schrijf maximaal %1 nummers op, of &quot;niemand&quot;.</translation>
    </message>
    <message>
        <source>Write up to %1 numbers.</source>
        <translation>Schrijf maximaal %1 nummers op.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The class:</source>
        <translation>De klas:</translation>
    </message>
    <message>
        <source>The class, by number:</source>
        <translation>De klas, op nummer:</translation>
    </message>
    <message>
        <source>My number:</source>
        <translation>Mijn nummer:</translation>
    </message>
</context>
<context>
    <name>ClassListWindow</name>
    <message>
        <source>Class lists (*.csv *.txt);;All files (*)</source>
        <translation>Klaslijsten (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>Klaslijst</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>&amp;Names of the subjects:</source>
        <translation>&amp;Namen van de leerlingen:</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <source>The name of subject %1 is only blanks. Type a name, or empty the row with Delete.</source>
        <translation>De naam van leerling %1 bestaat alleen uit spaties. Typ een naam, of maak de rij leeg met Delete.</translation>
    </message>
    <message>
        <source>The class list was not loaded:</source>
        <translation>De klaslijst is niet geladen:</translation>
    </message>
    <message>
        <source>Load Class List</source>
        <translation>Klaslijst laden</translation>
    </message>
    <message>
        <source>Save Class List</source>
        <translation>Klaslijst opslaan</translation>
    </message>
    <message>
        <source>class list</source>
        <translation>klaslijst</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Group %1: %2</source>
        <translation>Groep %1: %2</translation>
    </message>
    <message>
        <source>Status changed: %1</source>
        <translation>Status veranderd: %1</translation>
    </message>
    <message>
        <source>Status groups by the %1 method: %2</source>
        <translation>Statusgroepen volgens de methode %1: %2</translation>
    </message>
    <message>
        <source>The group</source>
        <translation>De groep</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Changes since the earlier survey</source>
        <translation>Veranderingen sinds de eerdere meting</translation>
    </message>
</context>
<context>
    <name>ClassReportText</name>
    <message>
        <source>Class Report</source>
        <translation>Klasrapport</translation>
    </message>
    <message>
        <source>One page with the sociogram as it stands, the table of pupils, the group&apos;s figures, and the groups and the changes when their windows are open.</source>
        <translation>Eén pagina met het sociogram zoals het nu is, de tabel met leerlingen, de kengetallen van de groep, en de groepen en de veranderingen als die vensters open zijn.</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Met &amp;namen</translation>
    </message>
    <message>
        <source>Print Class Report</source>
        <translation>Klasrapport afdrukken</translation>
    </message>
    <message>
        <source>Print Class Report to PDF File</source>
        <translation>Klasrapport afdrukken naar pdf-bestand</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>klasrapport</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the report was not printed.</source>
        <translation>Er is geen printer geïnstalleerd en er is geen pdf-bestand gekozen, dus het rapport is niet afgedrukt.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the report was not printed.</source>
        <translation>Het afdrukken is geannuleerd; het rapport is niet afgedrukt.</translation>
    </message>
    <message>
        <source>Positive and negative choices</source>
        <translation>Positieve en negatieve keuzes</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Negatieve keuzes</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Positieve keuzes</translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation>
            <numerusform>%n leerling</numerusform>
            <numerusform>%n leerlingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n choices each</source>
        <translation>
            <numerusform>elk %n keuze</numerusform>
            <numerusform>elk %n keuzes</numerusform>
        </translation>
    </message>
    <message>
        <source>Compared with &quot;%1&quot;.</source>
        <translation>Vergeleken met &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;. Check that it is available and that you may write to it.</source>
        <translation>Het rapport kon niet worden afgedrukt naar &quot;%1&quot;. Controleer of dit beschikbaar is en of u ernaar mag schrijven.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Compare Surveys</source>
        <translation>Metingen vergelijken</translation>
    </message>
    <message>
        <source>Subject numbers are taken to name the same pupils in both surveys.</source>
        <translation>Leerlingnummers worden geacht in beide metingen dezelfde leerlingen aan te duiden.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kengetal</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Eerder</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>&amp;Tie Changes...</source>
        <translation>&amp;Relatiewijzigingen...</translation>
    </message>
    <message>
        <source>Show on &amp;Sociogram</source>
        <translation>In &amp;sociogram tonen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <source>the study in the data window</source>
        <translation>het onderzoek in het gegevensvenster</translation>
    </message>
    <message>
        <source>%1, the study in the data window</source>
        <translation>%1, het onderzoek in het gegevensvenster</translation>
    </message>
    <message>
        <source>Earlier survey: %1 (record %2). Later survey: %3.</source>
        <translation>Eerdere meting: %1 (record %2). Latere meting: %3.</translation>
    </message>
    <message>
        <source>No entries were left out.</source>
        <translation>Er is geen invoer weggelaten.</translation>
    </message>
    <message>
        <source>Entries left out, not choices: %1 in the earlier survey, %2 in the later.</source>
        <translation>Weggelaten invoer, geen keuzes: %1 in de eerdere meting, %2 in de latere.</translation>
    </message>
    <message>
        <source>Earlier survey:</source>
        <translation>Eerdere meting:</translation>
    </message>
    <message>
        <source>Later survey:</source>
        <translation>Latere meting:</translation>
    </message>
    <message>
        <source>
Status groups by %1, the method of the analysis window.</source>
        <translation>
Statusgroepen volgens %1, de methode van het analysevenster.</translation>
    </message>
    <message>
        <source>Export Subjects</source>
        <translation>Leerlingen exporteren</translation>
    </message>
    <message>
        <source>Export Tie Changes</source>
        <translation>Relatiewijzigingen exporteren</translation>
    </message>
    <message>
        <source>The study %1 can no longer be read as a study.</source>
        <translation>Het onderzoek %1 kan niet meer als onderzoek worden gelezen.</translation>
    </message>
    <message>
        <source>No other study has %1 subjects, a criterion in common with this one and stored answers.</source>
        <translation>Geen ander onderzoek heeft %1 leerlingen, een criterium gemeen met dit onderzoek en opgeslagen antwoorden.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;CSV exporteren...</translation>
    </message>
    <message>
        <source>&amp;Subjects...</source>
        <translation>L&amp;eerlingen...</translation>
    </message>
    <message>
        <source>tie changes</source>
        <translation>relatiewijzigingen</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>vergelijking</translation>
    </message>
    <message>
        <source>The study &quot;%1&quot; is no longer in the study file.</source>
        <translation>Het onderzoek &quot;%1&quot; staat niet meer in het onderzoeksbestand.</translation>
    </message>
</context>
<context>
    <name>DataForm</name>
    <message>
        <source>Class &amp;Report...</source>
        <translation>Klas&amp;rapport...</translation>
    </message>
    <message>
        <source>Import &amp;Form Responses...</source>
        <translation>&amp;Formulierantwoorden importeren...</translation>
    </message>
    <message>
        <source>Print &amp;Ballots...</source>
        <translation>Keuze&amp;briefjes afdrukken...</translation>
    </message>
    <message>
        <source>Pupils &amp;Answer Here...</source>
        <translation>Leerlingen antwoorden &amp;hier...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>Gegevens &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Clear Data from Current Grid</source>
        <translation>Gegevens in huidig raster &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Import Choices...</source>
        <translation>Keuzes &amp;importeren...</translation>
    </message>
    <message>
        <source>Class &amp;List...</source>
        <translation>Klas&amp;lijst...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Criterion Type</source>
        <translation>&amp;Soort criterium</translation>
    </message>
    <message>
        <source>&amp;Positive</source>
        <translation>&amp;Positief</translation>
    </message>
    <message>
        <source>&amp;Negative</source>
        <translation>&amp;Negatief</translation>
    </message>
    <message>
        <source>&amp;Plot Sociogram</source>
        <translation>Sociogram &amp;tekenen</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Soort</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Cirkel</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Willekeurig</translation>
    </message>
    <message>
        <source>&amp;Square</source>
        <translation>&amp;Vierkant</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Doelschijf</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Study Analysis...</source>
        <translation>&amp;Analyse van het onderzoek...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Vergelijken met...</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Groepen</translation>
    </message>
</context>
<context>
    <name>DataState</name>
    <message>
        <source>The study&apos;s %1 in the file (%2) is outside %3 to %4.</source>
        <translation>Bij het onderzoek in het bestand ligt de waarde voor %1 (%2) buiten het bereik %3 tot %4.</translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Positief criterium: </translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Negatief criterium: </translation>
    </message>
    <message>
        <source>group size</source>
        <translation>groepsgrootte</translation>
    </message>
    <message>
        <source>number of choices</source>
        <translation>aantal keuzes</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Keuze</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Leerling</translation>
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
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>Sociogram</source>
        <translation>Sociogram</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save Current Sociogram</source>
        <translation>Huidig sociogram &amp;opslaan</translation>
    </message>
    <message>
        <source>&amp;Print Sociogram</source>
        <translation>Sociogram af&amp;drukken</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>Afbeelding &amp;exporteren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Default Distribution</source>
        <translation>&amp;Standaardverdeling</translation>
    </message>
    <message>
        <source>&amp;Saved Distribution</source>
        <translation>&amp;Opgeslagen verdeling</translation>
    </message>
    <message>
        <source>&amp;Tidy Labels</source>
        <translation>&amp;Labels ordenen</translation>
    </message>
    <message>
        <source>&amp;Colour Choices</source>
        <translation>Keuzes &amp;kleuren</translation>
    </message>
    <message>
        <source>Show &amp;Other Criterion</source>
        <translation>&amp;Ander criterium tonen</translation>
    </message>
    <message>
        <source>Show Stat&amp;us</source>
        <translation>Status &amp;tonen</translation>
    </message>
    <message>
        <source>Lines &amp;Round Labels</source>
        <translation>Lijnen &amp;rond labels</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>&amp;Namen tonen</translation>
    </message>
    <message>
        <source>Show C&amp;hanges</source>
        <translation>&amp;Veranderingen tonen</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Legenda</translation>
    </message>
    <message>
        <source>Print Sociogram</source>
        <translation>Sociogram afdrukken</translation>
    </message>
    <message>
        <source>Print Sociogram to PDF File</source>
        <translation>Sociogram afdrukken naar pdf-bestand</translation>
    </message>
    <message>
        <source>sociogram</source>
        <translation>sociogram</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the sociogram was not printed.</source>
        <translation>Er is geen printer geïnstalleerd en er is geen pdf-bestand gekozen, dus het sociogram is niet afgedrukt.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the sociogram was not printed.</source>
        <translation>Het afdrukken is geannuleerd; het sociogram is niet afgedrukt.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>de printer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>het bestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The sociogram could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>Het sociogram kon niet worden afgedrukt naar %1. Controleer of dit beschikbaar is en of u ernaar mag schrijven.</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Choice Must Be A Subject Number</source>
        <translation>Keuze moet een leerlingnummer zijn</translation>
    </message>
    <message>
        <source>Choice Cannot Be Less Than 1</source>
        <translation>Keuze kan niet kleiner zijn dan 1</translation>
    </message>
    <message>
        <source>Choice Cannot Be Greater Than %1</source>
        <translation>Keuze kan niet groter zijn dan %1</translation>
    </message>
    <message>
        <source>Choice Must Be A Whole Number</source>
        <translation>Keuze moet een geheel getal zijn</translation>
    </message>
    <message>
        <source>Choice Must Be Written In Digits Only</source>
        <translation>Keuze mag alleen uit cijfers bestaan</translation>
    </message>
    <message>
        <source>Subject %1 Is Already Chosen As Choice %2</source>
        <translation>Leerling %1 is al gekozen als keuze %2</translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>Data Entry</source>
        <translation>Gegevensinvoer</translation>
    </message>
    <message>
        <source>Subject Number:</source>
        <translation>Leerlingnummer:</translation>
    </message>
    <message>
        <source>Choice Number:</source>
        <translation>Keuzenummer:</translation>
    </message>
    <message>
        <source>Choice Made:</source>
        <translation>Gemaakte keuze:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index buiten bereik</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Deling door nul</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type komt niet overeen</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Ongeldig gebruik van Null</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Object is al geladen</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Door toepassing of object gedefinieerde fout</translation>
    </message>
    <message>
        <source>The Program Is Having Trouble Accessing The Database<byte value="xd"/>
If You Choose Cancel, The Results Will Be Unpredictable</source>
        <translation>Het programma heeft problemen met de toegang tot de database<byte value="xd"/>
Als u Annuleren kiest, zijn de resultaten onvoorspelbaar</translation>
    </message>
    <message>
        <source>Unexpected Error In - %1, Error Number%2, %3</source>
        <translation>Onverwachte fout in - %1, foutnummer%2, %3</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Fout %1: %2</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist.</source>
        <translation>Element &apos;%1&apos; van de besturingselementmatrix bestaat niet.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Geen huidige record.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Printerfout</translation>
    </message>
</context>
<context>
    <name>ExampleClass</name>
    <message>
        <source>Sitting next to each other in class</source>
        <translation>Naast elkaar zitten in de klas</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Afbeelding exporteren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Png-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Svg-tekeningen (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Pdf-documenten (*.pdf)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>&amp;PNG image</source>
        <translation>&amp;Png-afbeelding</translation>
    </message>
    <message>
        <source>S&amp;VG drawing</source>
        <translation>&amp;Svg-tekening</translation>
    </message>
    <message>
        <source>P&amp;DF document</source>
        <translation>P&amp;df-document</translation>
    </message>
    <message>
        <source>&amp;Resolution (dots per inch):</source>
        <translation>&amp;Resolutie (punten per inch):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Positieve keuzes</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Negatieve keuzes</translation>
    </message>
    <message>
        <source>Positive density</source>
        <translation>Positieve dichtheid</translation>
    </message>
    <message>
        <source>Negative density</source>
        <translation>Negatieve dichtheid</translation>
    </message>
    <message>
        <source>Mutual positive pairs</source>
        <translation>Wederzijds positieve paren</translation>
    </message>
    <message>
        <source>Mutual negative pairs</source>
        <translation>Wederzijds negatieve paren</translation>
    </message>
    <message>
        <source>Positive reciprocity</source>
        <translation>Positieve wederkerigheid</translation>
    </message>
    <message>
        <source>Negative reciprocity</source>
        <translation>Negatieve wederkerigheid</translation>
    </message>
    <message>
        <source>Positive choices received, mean</source>
        <translation>Ontvangen positieve keuzes, gemiddelde</translation>
    </message>
    <message>
        <source>Negative choices received, mean</source>
        <translation>Ontvangen negatieve keuzes, gemiddelde</translation>
    </message>
    <message>
        <source>Positive choices received, standard deviation</source>
        <translation>Ontvangen positieve keuzes, standaardafwijking</translation>
    </message>
    <message>
        <source>Negative choices received, standard deviation</source>
        <translation>Ontvangen negatieve keuzes, standaardafwijking</translation>
    </message>
    <message>
        <source>Positive received chance per chooser</source>
        <translation>Positief ontvangen, kans per kiezer</translation>
    </message>
    <message>
        <source>Negative received chance per chooser</source>
        <translation>Negatief ontvangen, kans per kiezer</translation>
    </message>
    <message>
        <source>Impact chance per chooser</source>
        <translation>Impact, kans per kiezer</translation>
    </message>
    <message>
        <source>Positive received high from</source>
        <translation>Positief ontvangen hoog vanaf</translation>
    </message>
    <message>
        <source>Negative received high from</source>
        <translation>Negatief ontvangen hoog vanaf</translation>
    </message>
    <message>
        <source>Impact high from</source>
        <translation>Impact hoog vanaf</translation>
    </message>
    <message>
        <source>Positive received low up to</source>
        <translation>Positief ontvangen laag tot en met</translation>
    </message>
    <message>
        <source>Negative received low up to</source>
        <translation>Negatief ontvangen laag tot en met</translation>
    </message>
    <message>
        <source>Impact low up to</source>
        <translation>Impact laag tot en met</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Groepsgrootte</translation>
    </message>
    <message>
        <source>Isolates</source>
        <translation>Geïsoleerden</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Alleen afgewezen</translation>
    </message>
    <message>
        <source>Entries left out</source>
        <translation>Weggelaten invoer</translation>
    </message>
    <message>
        <source>No cliques</source>
        <translation>Geen klieken</translation>
    </message>
    <message>
        <source>Cliques (every pair chose each other): %1</source>
        <translation>Klieken (elk paar koos elkaar): %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Het bestand %1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Met &amp;namen</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv);;All files (*)</source>
        <translation>Kommagescheiden bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>FormImportText</name>
    <message>
        <source>Not read</source>
        <translation>Niet gelezen</translation>
    </message>
    <message>
        <source>Who answers</source>
        <translation>Wie antwoordt</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Positieve keuzes</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Negatieve keuzes</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Keuzes</translation>
    </message>
    <message>
        <source>Names are matched only with the class list: give it first with File &gt; Class List..., Load..., then import again.</source>
        <translation>Namen worden alleen met de klaslijst vergeleken: geef die eerst op via Bestand &gt; Klaslijst..., Laden..., en importeer dan opnieuw.</translation>
    </message>
    <message>
        <source>Some rows of the file have problems:</source>
        <translation>Sommige rijen van het bestand hebben problemen:</translation>
    </message>
    <message>
        <source>No row can be taken; nothing was imported.</source>
        <translation>Geen enkele rij kan worden overgenomen; er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Take the one row without a problem</source>
        <translation>De ene rij zonder problemen overnemen</translation>
    </message>
    <message>
        <source>Take the %1 rows without a problem</source>
        <translation>De %1 rijen zonder problemen overnemen</translation>
    </message>
    <message>
        <source>and leave the other out?</source>
        <translation>en de andere weglaten?</translation>
    </message>
    <message>
        <source>and leave the %1 others out?</source>
        <translation>en de %1 andere weglaten?</translation>
    </message>
    <message>
        <source>No imports nothing.</source>
        <translation>Nee importeert niets.</translation>
    </message>
    <message>
        <source>Import Form Responses</source>
        <translation>Formulierantwoorden importeren</translation>
    </message>
    <message>
        <source>Say what each column holds. The first rows of the file:</source>
        <translation>Geef aan wat elke kolom bevat. De eerste rijen van het bestand:</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Kolom %1: %2</translation>
    </message>
    <message>
        <source>Form responses (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Formulierantwoorden (*.csv *.tsv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The responses were not imported:</source>
        <translation>De antwoorden zijn niet geïmporteerd:</translation>
    </message>
</context>
<context>
    <name>FormResponsesText</name>
    <message>
        <source>No column is marked as the respondent.</source>
        <translation>Er is geen kolom aangewezen als respondent.</translation>
    </message>
    <message>
        <source>No column is marked as holding choices.</source>
        <translation>Er is geen kolom aangewezen als kolom met keuzes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number, and without a class list only numbers are matched.</source>
        <translation>&quot;%1&quot; is geen nummer, en zonder klaslijst worden alleen nummers herkend.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name of the class list.</source>
        <translation>&quot;%1&quot; is geen naam uit de klaslijst.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one pupil: %2.</source>
        <translation>&quot;%1&quot; past bij meer dan één leerling: %2.</translation>
    </message>
    <message>
        <source>%1 cannot choose themselves.</source>
        <translation>%1 kan zichzelf niet kiezen.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 is twee keer gekozen.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Er zijn meer keuzes opgegeven dan het onderzoek toestaat (%1).</translation>
    </message>
    <message>
        <source>The row does not say who answers.</source>
        <translation>De rij vermeldt niet wie antwoordt.</translation>
    </message>
    <message>
        <source>%1 answers a second time; the first row is line %2, and this later row is the one offered.</source>
        <translation>%1 antwoordt een tweede keer; de eerste rij is regel %2, en deze latere rij is degene die wordt aangeboden.</translation>
    </message>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>Het bestand is geen tekst: het bevat stuurtekens.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Een veld tussen aanhalingstekens is niet afgesloten.</translation>
    </message>
    <message>
        <source>The file holds no responses.</source>
        <translation>Het bestand bevat geen antwoorden.</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>A class of %1 subjects is too small to split: it takes at least 4 subjects to form groups.</source>
        <translation>Een klas van %1 leerlingen is te klein om te verdelen: voor groepen zijn minstens 4 leerlingen nodig.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 groups for %3 subjects.</source>
        <translation>Kies %1 tot %2 groepen voor %3 leerlingen.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 seats per table for %3 subjects.</source>
        <translation>Kies %1 tot %2 plaatsen per tafel voor %3 leerlingen.</translation>
    </message>
    <message>
        <source>Subject %1 sits with subject %2</source>
        <translation>Leerling %1 zit bij leerling %2</translation>
    </message>
    <message>
        <source>, and they rejected each other</source>
        <translation>, en ze wezen elkaar af</translation>
    </message>
    <message>
        <source>, who rejected them</source>
        <translation>, die hem of haar afwees</translation>
    </message>
    <message>
        <source>, whom they rejected</source>
        <translation>, die hij of zij afwees</translation>
    </message>
    <message>
        <source>Subject %1 chose nobody</source>
        <translation>Leerling %1 koos niemand</translation>
    </message>
    <message>
        <source>rejected by the only subject they chose</source>
        <translation>afgewezen door de enige leerling die hij of zij koos</translation>
    </message>
    <message>
        <source>rejected by every subject they chose</source>
        <translation>afgewezen door elke leerling die hij of zij koos</translation>
    </message>
    <message>
        <source>chose %1 subjects: %2 rejected them and %3 %4</source>
        <translation>koos %1 leerlingen: door %2 afgewezen, en %3 %4</translation>
    </message>
    <message>
        <source>is in another group</source>
        <translation>zit in een andere groep</translation>
    </message>
    <message>
        <source>are in other groups</source>
        <translation>zitten in andere groepen</translation>
    </message>
    <message>
        <source>chose 1 subject who is in another group</source>
        <translation>koos 1 leerling die in een andere groep zit</translation>
    </message>
    <message>
        <source>chose %1 subjects who are in other groups</source>
        <translation>koos %1 leerlingen die in andere groepen zitten</translation>
    </message>
    <message>
        <source>Subject %1 was chosen by nobody and %2</source>
        <translation>Leerling %1 werd door niemand gekozen en %2</translation>
    </message>
    <message>
        <source>Subject %1 was %2</source>
        <translation>Leerling %1 werd %2</translation>
    </message>
    <message>
        <source>Subject %1 %2</source>
        <translation>Leerling %1 %2</translation>
    </message>
    <message>
        <source>they rejected each other</source>
        <translation>ze wezen elkaar af</translation>
    </message>
    <message>
        <source>%1 rejected %2</source>
        <translation>%1 wees %2 af</translation>
    </message>
    <message>
        <source>Group %1: subjects %2 and %3 (%4)</source>
        <translation>Groep %1: leerlingen %2 en %3 (%4)</translation>
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
        <translation>Groepen</translation>
    </message>
    <message>
        <source>Number of &amp;groups:</source>
        <translation>Aantal &amp;groepen:</translation>
    </message>
    <message>
        <source>&amp;Seats per table:</source>
        <translation>&amp;Plaatsen per tafel:</translation>
    </message>
    <message>
        <source>&amp;Make Groups</source>
        <translation>Groepen &amp;maken</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Leerling</translation>
    </message>
    <message>
        <source>Chosen mates in the group</source>
        <translation>Gekozen groepsgenoten</translation>
    </message>
    <message>
        <source>Why marked</source>
        <translation>Reden van markering</translation>
    </message>
    <message>
        <source>Show on S&amp;ociogram</source>
        <translation>In s&amp;ociogram tonen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Choose the number of groups, or the seats per table, and press Make Groups.</source>
        <translation>Kies het aantal groepen of het aantal plaatsen per tafel en klik op Groepen maken.</translation>
    </message>
    <message>
        <source>Subject %1</source>
        <translation>Leerling %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groep %1</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>leerling</translation>
    </message>
    <message>
        <source>subjects</source>
        <translation>leerlingen</translation>
    </message>
    <message>
        <source>%1 could not be kept apart: %2.</source>
        <translation>Kon %1 niet gescheiden houden: %2.</translation>
    </message>
    <message>
        <source>rejection pair</source>
        <translation>afwijzingspaar</translation>
    </message>
    <message>
        <source>rejection pairs</source>
        <translation>afwijzingsparen</translation>
    </message>
    <message>
        <source>Nobody sits with someone they rejected or who rejected them.</source>
        <translation>Niemand zit bij iemand die hij of zij afwees of door wie hij of zij werd afgewezen.</translation>
    </message>
    <message>
        <source>%1 of %2 subjects sit with someone they chose; %3 of %4 positive choices are kept within a group.</source>
        <translation>%1 van de %2 leerlingen zitten bij iemand die ze kozen; %3 van de %4 positieve keuzes blijven binnen een groep.</translation>
    </message>
    <message>
        <source>Every grouping was tried: none is better.</source>
        <translation>Alle indelingen zijn geprobeerd: geen enkele is beter.</translation>
    </message>
    <message>
        <source>No sociogram is open. Draw one from the data window&apos;s Plot Sociogram menu, then show the groups on it.</source>
        <translation>Er is geen sociogram geopend. Teken er een via het menu Sociogram tekenen van het gegevensvenster en toon de groepen er daarna op.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;CSV exporteren...</translation>
    </message>
    <message>
        <source>Export Groups</source>
        <translation>Groepen exporteren</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>groepen</translation>
    </message>
    <message>
        <source>There were no choices to go by: the groups are only even in size.</source>
        <translation>Er waren geen keuzes om op af te gaan: de groepen zijn alleen even groot.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide is not part of this build.</source>
        <translation>De handleiding zit niet in deze versie.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Sociogram %1

Built with Qt %2, running on Qt %3. Qt is used under the GNU Lesser General Public License, version 3.

The study file:
%4</source>
        <translation>Sociogram %1

Gebouwd met Qt %2, draait op Qt %3. Qt wordt gebruikt onder de GNU Lesser General Public License, versie 3.

Het onderzoeksbestand:
%4</translation>
    </message>
    <message>
        <source>About Sociogram</source>
        <translation>Over Sociogram</translation>
    </message>
    <message>
        <source>This guide is written in English.</source>
        <translation>Deze handleiding is in het Engels geschreven.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>Het bestand is geen tekst: het bevat stuurtekens.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Een veld tussen aanhalingstekens is niet afgesloten.</translation>
    </message>
    <message>
        <source>The file holds no names.</source>
        <translation>Het bestand bevat geen namen.</translation>
    </message>
    <message>
        <source>The row does not begin with the subject&apos;s number.</source>
        <translation>De rij begint niet met het nummer van de leerling.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>De naam is leeg.</translation>
    </message>
    <message>
        <source>The list holds %1 names for the %2 subjects of the study.</source>
        <translation>De lijst bevat %1 namen voor de %2 leerlingen van het onderzoek.</translation>
    </message>
    <message>
        <source>The text holds no rows of choices.</source>
        <translation>De tekst bevat geen rijen met keuzes.</translation>
    </message>
    <message>
        <source>The row does not begin with the chooser&apos;s number.</source>
        <translation>De rij begint niet met het nummer van de kiezer.</translation>
    </message>
    <message>
        <source>Subject %1 is given a second time; the first row is line %2.</source>
        <translation>Leerling %1 komt een tweede keer voor; de eerste rij is regel %2.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Er zijn meer keuzes opgegeven dan het onderzoek toestaat (%1).</translation>
    </message>
    <message>
        <source>Subject %1 cannot choose themselves.</source>
        <translation>Leerling %1 kan zichzelf niet kiezen.</translation>
    </message>
    <message>
        <source>Subject %1 is chosen twice in this row.</source>
        <translation>Leerling %1 is in deze rij twee keer gekozen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; is geen nummer.</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 is geen leerlingnummer van 1 tot en met %2.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Regel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... en nog %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>Import Choices</source>
        <translation>Keuzes importeren</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv *.txt);;All files (*)</source>
        <translation>Kommagescheiden bestanden (*.csv *.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Het bestand %1 kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The choices were not imported:</source>
        <translation>De keuzes zijn niet geïmporteerd:</translation>
    </message>
    <message>
        <source>The line holds no name: without numbers, each line is the name of the next subject.</source>
        <translation>De regel bevat geen naam: zonder nummers is elke regel de naam van de volgende leerling.</translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Replace the choices in the grid with those of the file?</source>
        <translation>De keuzes in het raster vervangen door die uit het bestand?</translation>
    </message>
    <message>
        <source>subject %1</source>
        <translation>leerling %1</translation>
    </message>
    <message>
        <source>subjects %1</source>
        <translation>leerlingen %1</translation>
    </message>
    <message>
        <source>The file does not name %1, whose choices are in the grid.

Keep their choices? Yes keeps them and takes the rows of the file, No empties them, Cancel imports nothing.</source>
        <translation>Het bestand noemt %1 niet, van wie de keuzes in het raster staan.

Deze keuzes behouden? Ja behoudt ze en neemt de rijen van het bestand over, Nee maakt ze leeg, Annuleren importeert niets.</translation>
    </message>
</context>
<context>
    <name>InfoForm</name>
    <message>
        <source>Positive</source>
        <translation>Positief</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatief</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Study Information</source>
        <translation>Onderzoeksgegevens</translation>
    </message>
    <message>
        <source>Criterion:</source>
        <translation>Criterium:</translation>
    </message>
    <message>
        <source>Criterion Type:</source>
        <translation>Soort criterium:</translation>
    </message>
    <message>
        <source>Reference Name:</source>
        <translation>Referentienaam:</translation>
    </message>
    <message>
        <source>Group Size (6-40):</source>
        <translation>Groepsgrootte (6-40):</translation>
    </message>
    <message>
        <source>Maximum Number of Choices Allowed (1-10):</source>
        <translation>Maximaal aantal keuzes (1-10):</translation>
    </message>
    <message>
        <source>This is used to store a description of the data set.</source>
        <translation>Hier wordt een beschrijving van de gegevensset opgeslagen.</translation>
    </message>
    <message>
        <source>This is used to identify the data set in the database</source>
        <translation>Hiermee wordt de gegevensset in de database herkend</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Positive Choice</source>
        <translation>Positieve keuze</translation>
    </message>
    <message>
        <source>Negative Choice</source>
        <translation>Negatieve keuze</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groep %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Veranderingen</translation>
    </message>
    <message>
        <source>Kept in both surveys</source>
        <translation>Behouden in beide metingen</translation>
    </message>
    <message>
        <source>New since &quot;%1&quot;</source>
        <translation>Nieuw sinds &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Gone since &quot;%1&quot;</source>
        <translation>Verdwenen sinds &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Chooser</source>
        <translation>Kiezer</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Keuze</translation>
    </message>
    <message>
        <source>Mutual</source>
        <translation>Wederzijds</translation>
    </message>
</context>
<context>
    <name>KeyForm</name>
    <message>
        <source>Sociogram Key</source>
        <translation>Legenda van het sociogram</translation>
    </message>
</context>
<context>
    <name>KioskAnswerText</name>
    <message>
        <source>More classmates are chosen than the study allows (%1).</source>
        <translation>Je kiest meer klasgenoten dan mag (%1).</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 is geen leerlingnummer van 1 tot en met %2.</translation>
    </message>
    <message>
        <source>A pupil cannot choose themselves.</source>
        <translation>Je kunt jezelf niet kiezen.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>Je hebt %1 twee keer gekozen.</translation>
    </message>
</context>
<context>
    <name>KioskWindow</name>
    <message>
        <source>Pupils Answer Here</source>
        <translation>Leerlingen antwoorden hier</translation>
    </message>
    <message>
        <source>Not me: start again</source>
        <translation>Niet ik: opnieuw beginnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Yes, save my answer</source>
        <translation>Ja, sla mijn antwoord op</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>Wie ben je?</translation>
    </message>
    <message>
        <source>Touch your own name.</source>
        <translation>Tik op je eigen naam.</translation>
    </message>
    <message>
        <source>Touch your own number.</source>
        <translation>Tik op je eigen nummer.</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Negatief criterium: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Positief criterium: </translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates, or Nobody.</source>
        <translation>%1, tik op maximaal %2 klasgenoten, of op Niemand.</translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates.</source>
        <translation>%1, tik op maximaal %2 klasgenoten.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Is this right, %1?</source>
        <translation>Klopt dit, %1?</translation>
    </message>
    <message>
        <source>These are your answers. Nobody else will see them.</source>
        <translation>Dit zijn je antwoorden. Niemand anders krijgt ze te zien.</translation>
    </message>
    <message>
        <source>Thank you! Pass the computer on to the next pupil.</source>
        <translation>Bedankt! Geef de computer door aan de volgende leerling.</translation>
    </message>
    <message>
        <source>Teacher: let every pupil marked as done answer again?</source>
        <translation>Leerkracht: alle leerlingen die als klaar zijn gemarkeerd opnieuw laten antwoorden?</translation>
    </message>
    <message>
        <source>Teacher only: do the pupils go on answering?

Yes goes on. No ends the round and shows the program&apos;s windows again; every answer confirmed is stored.</source>
        <translation>Alleen voor de leerkracht: gaan de leerlingen door met antwoorden?

Ja gaat door. Nee beëindigt de ronde en toont de vensters van het programma weer; elk bevestigd antwoord is opgeslagen.</translation>
    </message>
    <message>
        <source>The grid is saved before the pupils answer. Save it now?</source>
        <translation>Het raster wordt opgeslagen voordat de leerlingen antwoorden. Nu opslaan?</translation>
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
        <translation>Bestand laden</translation>
    </message>
    <message>
        <source>Select Project</source>
        <translation>Project selecteren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
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
        <translation>Help</translation>
    </message>
    <message>
        <source>Delete the Current Record?</source>
        <translation>Het huidige record verwijderen?</translation>
    </message>
    <message>
        <source>The Project Could Not Be Deleted - It Has Been Left As It Was</source>
        <translation>Het project kon niet worden verwijderd - het is ongewijzigd gebleven</translation>
    </message>
    <message>
        <source>You Must Enter the Relevant Criterion</source>
        <translation>U moet het betreffende criterium invullen</translation>
    </message>
    <message>
        <source>Duplicate Reference Names Are Not Advisable</source>
        <translation>Dubbele referentienamen worden afgeraden</translation>
    </message>
    <message>
        <source>You Must Enter a Reference Name</source>
        <translation>U moet een referentienaam invullen</translation>
    </message>
    <message>
        <source>Invalid Group Size - Please Try Again</source>
        <translation>Ongeldige groepsgrootte - probeer het opnieuw</translation>
    </message>
    <message>
        <source>Invalid Number of Choices - Please Try Again</source>
        <translation>Ongeldig aantal keuzes - probeer het opnieuw</translation>
    </message>
    <message>
        <source>Changes Saved As Requested</source>
        <translation>Wijzigingen opgeslagen zoals gevraagd</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <source>You Must First Save Changes: Save Now?</source>
        <translation>U moet eerst de wijzigingen opslaan: nu opslaan?</translation>
    </message>
    <message>
        <source>The changes could not be saved, so the file keeps the answers it had before. The grid still holds every answer you typed.</source>
        <translation>De wijzigingen konden niet worden opgeslagen, dus het bestand behoudt de antwoorden die het eerder had. Het raster bevat nog alle antwoorden die u hebt ingetypt.</translation>
    </message>
    <message>
        <source>Subjects Cannot Choose Themselves </source>
        <translation>Leerlingen kunnen zichzelf niet kiezen </translation>
    </message>
    <message>
        <source>The Sociogram Window Is Too Small To Place All The Labels</source>
        <translation>Het sociogramvenster is te klein om alle labels te plaatsen</translation>
    </message>
    <message>
        <source>Save Current Sociogram Settings?</source>
        <translation>Huidige instellingen van het sociogram opslaan?</translation>
    </message>
    <message>
        <source>This study&apos;s details could not be read from the file, so the grid is not saved over it. The file keeps the answers it had.</source>
        <translation>De gegevens van dit onderzoek konden niet uit het bestand worden gelezen, dus wordt het raster er niet overheen opgeslagen. Het bestand houdt de antwoorden die het had.</translation>
    </message>
</context>
<context>
    <name>PictureChoices</name>
    <message>
        <source>Include the key</source>
        <translation>Legenda opnemen</translation>
    </message>
    <message>
        <source>Include a title</source>
        <translation>Titel opnemen</translation>
    </message>
    <message>
        <source>Colour the groups</source>
        <translation>Groepen kleuren</translation>
    </message>
    <message>
        <source>Mark the status</source>
        <translation>Status markeren</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Met &amp;namen</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>that name belongs to a folder</source>
        <translation>die naam hoort bij een map</translation>
    </message>
    <message>
        <source>the file could not be opened for writing (%1)</source>
        <translation>het bestand kon niet worden geopend om te schrijven (%1)</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>het tekenen kon niet worden gestart</translation>
    </message>
    <message>
        <source>an image of %1 by %2 pixels is too large to make</source>
        <translation>een afbeelding van %1 bij %2 pixels is te groot om te maken</translation>
    </message>
    <message>
        <source>the image could not be written (%1)</source>
        <translation>de afbeelding kon niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>the page could not be set up</source>
        <translation>de pagina kon niet worden ingesteld</translation>
    </message>
    <message>
        <source>the picture format is not known</source>
        <translation>het afbeeldingsformaat is onbekend</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>er is geen bestandsnaam opgegeven</translation>
    </message>
    <message>
        <source>the sociogram has no area to draw</source>
        <translation>het sociogram heeft geen tekengebied</translation>
    </message>
    <message>
        <source>the resolution must be from %1 to %2 dots per inch</source>
        <translation>de resolutie moet %1 tot en met %2 punten per inch zijn</translation>
    </message>
    <message>
        <source>The sociogram picture could not be saved as &quot;%1&quot; because %2.</source>
        <translation>De afbeelding van het sociogram kon niet worden opgeslagen als &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>writing the file failed (%1)</source>
        <translation>het schrijven van het bestand is mislukt (%1)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>de map &quot;%1&quot; bestaat niet</translation>
    </message>
</context>
<context>
    <name>PictureTitle</name>
    <message>
        <source>positive</source>
        <translation>positief</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negatief</translation>
    </message>
    <message>
        <source>positive and negative</source>
        <translation>positief en negatief</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doelschijf</translation>
    </message>
    <message>
        <source>%1 layout</source>
        <translation>Indeling: %1</translation>
    </message>
    <message>
        <source>, status by %1</source>
        <translation>, status volgens %1</translation>
    </message>
    <message>
        <source>, most chosen and isolates marked</source>
        <translation>, meest gekozen en geïsoleerden gemarkeerd</translation>
    </message>
    <message>
        <source>, most chosen marked</source>
        <translation>, meest gekozen gemarkeerd</translation>
    </message>
    <message>
        <source>Ties kept, new and gone since &quot;%1&quot;</source>
        <translation>Relaties behouden, nieuw en verdwenen sinds &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintBallotsText</name>
    <message>
        <source>Print Ballots to PDF File</source>
        <translation>Keuzebriefjes afdrukken naar pdf-bestand</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so no ballot was printed.</source>
        <translation>Er is geen printer geïnstalleerd en er is geen pdf-bestand gekozen, dus er is geen keuzebriefje afgedrukt.</translation>
    </message>
    <message>
        <source>Print Ballots</source>
        <translation>Keuzebriefjes afdrukken</translation>
    </message>
    <message>
        <source>Printing was cancelled; no ballot was printed.</source>
        <translation>Het afdrukken is geannuleerd; er is geen keuzebriefje afgedrukt.</translation>
    </message>
    <message>
        <source>One slip for each pupil, several to a page. Pupils write the numbers of the classmates they choose.</source>
        <translation>Eén briefje per leerling, meerdere per pagina. Leerlingen schrijven de nummers op van de klasgenoten die ze kiezen.</translation>
    </message>
    <message>
        <source>With names</source>
        <translation>Met namen</translation>
    </message>
    <message>
        <source>The class list by number, with the pupils&apos; names</source>
        <translation>De klaslijst op nummer, met de namen van de leerlingen</translation>
    </message>
    <message>
        <source>Give the class list first: File &gt; Class List...</source>
        <translation>Geef eerst de klaslijst op: Bestand &gt; Klaslijst...</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>de printer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>het bestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The ballots could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>De keuzebriefjes konden niet worden afgedrukt naar %1. Controleer of dit beschikbaar is en of u ernaar mag schrijven.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print Sociogram</source>
        <translation>Sociogram afdrukken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>SociogramState</name>
    <message>
        <source>Move of Label %1</source>
        <translation>Verplaatsing van label %1</translation>
    </message>
    <message>
        <source>Tidy Labels</source>
        <translation>Labels ordenen</translation>
    </message>
</context>
<context>
    <name>StartForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nieuw project</translation>
    </message>
    <message>
        <source>&amp;Load Existing Project</source>
        <translation>&amp;Bestaand project laden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Open &amp;Example Class</source>
        <translation>&amp;Voorbeeldklas openen</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>No study yet? &lt;a href=&quot;example&quot;&gt;Open the example class&lt;/a&gt; to see a class of 24 at work, or start with File &amp;gt; New Project.</source>
        <translation>Nog geen onderzoek? &lt;a href=&quot;example&quot;&gt;Open de voorbeeldklas&lt;/a&gt; om een klas van 24 aan het werk te zien, of begin met Bestand &amp;gt; Nieuw project.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database %1 has no table %2; it is not a complete study database.</source>
        <translation>De database %1 heeft geen tabel %2; het is geen volledige onderzoeksdatabase.</translation>
    </message>
    <message>
        <source>The database %1 lacks the index %2; it is not a complete study database.</source>
        <translation>In de database %1 ontbreekt de index %2; het is geen volledige onderzoeksdatabase.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>Kan bestand %1 niet vinden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t update %1; it is currently locked by another program.</source>
        <translation>Kan %1 niet bijwerken; het is momenteel vergrendeld door een ander programma.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock a table of %1; it is currently in use.</source>
        <translation>Kan een tabel van %1 niet vergrendelen; deze is momenteel in gebruik.</translation>
    </message>
    <message>
        <source>The database %1 is read-only; changes cannot be written to it.</source>
        <translation>De database %1 is alleen-lezen; er kunnen geen wijzigingen naar worden geschreven.</translation>
    </message>
    <message>
        <source>Could not lock the file %1.</source>
        <translation>Kan het bestand %1 niet vergrendelen.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened.</source>
        <translation>De database %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Unrecognized database format %1: the file is not a study database.</source>
        <translation>Onbekende database-indeling %1: het bestand is geen onderzoeksdatabase.</translation>
    </message>
    <message>
        <source>Cannot open database %1. The file may be damaged.</source>
        <translation>Kan database %1 niet openen. Het bestand is mogelijk beschadigd.</translation>
    </message>
    <message>
        <source>Not enough space on disk for %1; nothing was written.</source>
        <translation>Onvoldoende schijfruimte voor %1; er is niets geschreven.</translation>
    </message>
    <message>
        <source>Disk error while reading or writing %1.</source>
        <translation>Schijffout bij het lezen of schrijven van %1.</translation>
    </message>
    <message>
        <source>The change to %1 was refused: %2</source>
        <translation>De wijziging in %1 is geweigerd: %2</translation>
    </message>
    <message>
        <source>A value does not fit its field in %1.</source>
        <translation>Een waarde past niet in het veld in %1.</translation>
    </message>
    <message>
        <source>The database %1 reported: %2</source>
        <translation>De database %1 meldde: %2</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Kan bestand &apos;%1&apos; niet vinden.</translation>
    </message>
    <message>
        <source>The database %1 lacks the field %2; it is not a complete study database.</source>
        <translation>In de database %1 ontbreekt het veld %2; het is geen volledige onderzoeksdatabase.</translation>
    </message>
</context>
<context>
    <name>StudyPicker</name>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>&amp;Earlier survey of this class:</source>
        <translation>&amp;Eerdere meting van deze klas:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation>%1 (record %2)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file is too large to be a class list, a sheet of choices or a form&apos;s responses.</source>
        <translation>Het bestand is te groot voor een klaslijst, een keuzeoverzicht of formulierantwoorden.</translation>
    </message>
    <message>
        <source>line %1 is not text, neither in UTF-8 nor in the Windows code page (Windows-1252).</source>
        <translation>regel %1 is geen tekst, niet in UTF-8 en niet in de Windows-codetabel (Windows-1252).</translation>
    </message>
</context>
</TS>
