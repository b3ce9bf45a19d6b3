<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Analysis</name>
    <message>
        <source>Entries left out, not counted as choices:</source>
        <translation>Saisies écartées, non comptées comme choix&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>The z-scores use the sample standard deviation (n − 1). A spreadsheet&apos;s population formula (STDEV.P) gives slightly larger z-scores, so a pupil near a limit, such as &quot;Popular&quot;, may be classed differently there.</source>
        <translation>Les scores z utilisent l&apos;écart type de l&apos;échantillon (n − 1). La formule de population d&apos;un tableur (STDEV.P ou ECARTYPE.PEARSON) donne des scores z un peu plus élevés&#xa0;; un élève proche d&apos;un seuil, comme «&#xa0;Populaire&#xa0;», peut donc y être classé autrement.</translation>
    </message>
    <message>
        <source>A count is high or low only when chance would give it less than 5 times in 100. A pupil is &quot;Neglected&quot; only when the choices and rejections received together are that low, so an isolate who is rejected a few times, or one in a small group with few choices, may come out &quot;Average&quot;.</source>
        <translation>Un nombre n&apos;est jugé élevé ou faible que si le hasard le produit moins de 5 fois sur 100. Un élève n&apos;est «&#xa0;Négligé&#xa0;» que si les choix et les rejets reçus sont ensemble aussi faibles&#xa0;; ainsi un isolé rejeté quelques fois, ou un élève d&apos;un petit groupe avec peu de choix, peut être classé «&#xa0;Moyen&#xa0;».</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>non défini</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Positive given</source>
        <translation>Positifs émis</translation>
    </message>
    <message>
        <source>Negative given</source>
        <translation>Négatifs émis</translation>
    </message>
    <message>
        <source>Positive received</source>
        <translation>Positifs reçus</translation>
    </message>
    <message>
        <source>Negative received</source>
        <translation>Négatifs reçus</translation>
    </message>
    <message>
        <source>Mutual positive</source>
        <translation>Positifs réciproques</translation>
    </message>
    <message>
        <source>Mutual negative</source>
        <translation>Négatifs réciproques</translation>
    </message>
    <message>
        <source>Isolate</source>
        <translation>Isolé</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Rejeté seulement</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>not a subject number</source>
        <translation>pas un numéro de sujet</translation>
    </message>
    <message>
        <source>a subject choosing themselves</source>
        <translation>un sujet qui se choisit lui-même</translation>
    </message>
    <message>
        <source>the same subject named twice</source>
        <translation>le même sujet nommé deux fois</translation>
    </message>
    <message>
        <source>outside the grid</source>
        <translation>hors de la grille</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Positive earlier</source>
        <translation>Positifs avant</translation>
    </message>
    <message>
        <source>Negative earlier</source>
        <translation>Négatifs avant</translation>
    </message>
    <message>
        <source>Positive later</source>
        <translation>Positifs après</translation>
    </message>
    <message>
        <source>Negative later</source>
        <translation>Négatifs après</translation>
    </message>
    <message>
        <source>Positive change</source>
        <translation>Variation des positifs</translation>
    </message>
    <message>
        <source>Negative change</source>
        <translation>Variation des négatifs</translation>
    </message>
    <message>
        <source>Status earlier</source>
        <translation>Statut avant</translation>
    </message>
    <message>
        <source>Status later</source>
        <translation>Statut après</translation>
    </message>
    <message>
        <source>Status changed</source>
        <translation>Statut modifié</translation>
    </message>
    <message>
        <source>Mutual positive kept</source>
        <translation>Positifs réciproques conservés</translation>
    </message>
    <message>
        <source>Mutual negative kept</source>
        <translation>Négatifs réciproques conservés</translation>
    </message>
    <message>
        <source>Mutual positive gained</source>
        <translation>Positifs réciproques gagnés</translation>
    </message>
    <message>
        <source>Mutual negative gained</source>
        <translation>Négatifs réciproques gagnés</translation>
    </message>
    <message>
        <source>Mutual positive lost</source>
        <translation>Positifs réciproques perdus</translation>
    </message>
    <message>
        <source>Mutual negative lost</source>
        <translation>Négatifs réciproques perdus</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>%1 tie stability %2: %3 of the %4 ties of either survey are in both (%5 new, %6 gone).</source>
        <translation>Stabilité des liens (%1) %2&#xa0;: %3 des %4 liens présents dans l&apos;une ou l&apos;autre enquête figurent dans les deux (%5 nouveaux, %6 disparus).</translation>
    </message>
    <message>
        <source>The surveys share no criterion: no ties are compared.</source>
        <translation>Les enquêtes n&apos;ont aucun critère en commun&#xa0;: aucun lien n&apos;est comparé.</translation>
    </message>
    <message>
        <source>%1, subject %2, choice %3: &quot;%4&quot; (%5)</source>
        <translation>%1, sujet %2, choix %3&#xa0;: «&#xa0;%4&#xa0;» (%5)</translation>
    </message>
    <message>
        <source>Popular</source>
        <translation>Populaire</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rejeté</translation>
    </message>
    <message>
        <source>Neglected</source>
        <translation>Négligé</translation>
    </message>
    <message>
        <source>Controversial</source>
        <translation>Controversé</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Non classé</translation>
    </message>
    <message>
        <source>Most chosen</source>
        <translation>Le plus choisi</translation>
    </message>
    <message>
        <source>Rejected, chosen by nobody</source>
        <translation>Rejeté, choisi par personne</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Sociometric Analysis</source>
        <translation>Analyse sociométrique</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exporter le &amp;tableau...</translation>
    </message>
    <message>
        <source>Export &amp;Choices...</source>
        <translation>Exporter les &amp;choix...</translation>
    </message>
    <message>
        <source>Export &amp;GraphML...</source>
        <translation>Exporter en &amp;GraphML...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Export GraphML</source>
        <translation>Exporter en GraphML</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>Export Choices</source>
        <translation>Exporter les choix</translation>
    </message>
    <message>
        <source>analysis</source>
        <translation>analyse</translation>
    </message>
    <message>
        <source>choices</source>
        <translation>choix</translation>
    </message>
    <message>
        <source>GraphML files (*.graphml);;All files (*)</source>
        <translation>Fichiers GraphML (*.graphml);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>BallotsText</name>
    <message>
        <source>Negative Criterion: </source>
        <translation>Critère négatif&#xa0;: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Critère positif&#xa0;: </translation>
    </message>
    <message>
        <source>Write up to %1 numbers, or &quot;nobody&quot;.</source>
        <translation>Écris jusqu&apos;à %1 numéros, ou «&#xa0;personne&#xa0;».</translation>
    </message>
    <message>
        <source>Write up to %1 numbers.</source>
        <translation>Écris jusqu&apos;à %1 numéros.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The class:</source>
        <translation>La classe&#xa0;:</translation>
    </message>
    <message>
        <source>The class, by number:</source>
        <translation>La classe, par numéro&#xa0;:</translation>
    </message>
    <message>
        <source>My number:</source>
        <translation>Mon numéro&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ClassListWindow</name>
    <message>
        <source>Class lists (*.csv *.txt);;All files (*)</source>
        <translation>Listes de classe (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>Liste de classe</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Names of the subjects:</source>
        <translation>&amp;Noms des sujets&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>The name of subject %1 is only blanks. Type a name, or empty the row with Delete.</source>
        <translation>Le nom du sujet %1 ne contient que des espaces. Saisissez un nom, ou videz la ligne avec Suppr.</translation>
    </message>
    <message>
        <source>The class list was not loaded:</source>
        <translation>La liste de classe n&apos;a pas été chargée&#xa0;:</translation>
    </message>
    <message>
        <source>Load Class List</source>
        <translation>Ouvrir une liste de classe</translation>
    </message>
    <message>
        <source>Save Class List</source>
        <translation>Enregistrer la liste de classe</translation>
    </message>
    <message>
        <source>class list</source>
        <translation>liste de classe</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Group %1: %2</source>
        <translation>Groupe %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Status changed: %1</source>
        <translation>Statut modifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Status groups by the %1 method: %2</source>
        <translation>Groupes de statut selon la méthode %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The group</source>
        <translation>Le groupe</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Changes since the earlier survey</source>
        <translation>Changements depuis l&apos;enquête antérieure</translation>
    </message>
</context>
<context>
    <name>ClassReportText</name>
    <message>
        <source>Class Report</source>
        <translation>Rapport de classe</translation>
    </message>
    <message>
        <source>One page with the sociogram as it stands, the table of pupils, the group&apos;s figures, and the groups and the changes when their windows are open.</source>
        <translation>Une page avec le sociogramme tel qu&apos;il est affiché, le tableau des élèves, les indicateurs du groupe, ainsi que les groupes et les changements si leurs fenêtres sont ouvertes.</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Avec les &amp;noms</translation>
    </message>
    <message>
        <source>Print Class Report</source>
        <translation>Imprimer le rapport de classe</translation>
    </message>
    <message>
        <source>Print Class Report to PDF File</source>
        <translation>Imprimer le rapport de classe dans un fichier PDF</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>rapport de classe</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the report was not printed.</source>
        <translation>Aucune imprimante n&apos;est installée et aucun fichier PDF n&apos;a été choisi&#xa0;: le rapport n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the report was not printed.</source>
        <translation>Impression annulée&#xa0;; le rapport n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>Positive and negative choices</source>
        <translation>Choix positifs et négatifs</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Choix négatifs</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Choix positifs</translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation>
            <numerusform>%n élève</numerusform>
            <numerusform>%n élèves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n choices each</source>
        <translation>
            <numerusform>%n choix chacun</numerusform>
            <numerusform>%n choix chacun</numerusform>
        </translation>
    </message>
    <message>
        <source>Compared with &quot;%1&quot;.</source>
        <translation>Comparé à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;. Check that it is available and that you may write to it.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé dans «&#xa0;%1&#xa0;». Vérifiez qu&apos;il est disponible et que vous pouvez y écrire.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Compare Surveys</source>
        <translation>Comparer les enquêtes</translation>
    </message>
    <message>
        <source>Subject numbers are taken to name the same pupils in both surveys.</source>
        <translation>Les numéros de sujet sont supposés désigner les mêmes élèves dans les deux enquêtes.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>&amp;Tie Changes...</source>
        <translation>&amp;Changements de liens...</translation>
    </message>
    <message>
        <source>Show on &amp;Sociogram</source>
        <translation>Afficher sur le &amp;sociogramme</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>the study in the data window</source>
        <translation>l&apos;étude de la fenêtre de données</translation>
    </message>
    <message>
        <source>%1, the study in the data window</source>
        <translation>%1, l&apos;étude de la fenêtre de données</translation>
    </message>
    <message>
        <source>Earlier survey: %1 (record %2). Later survey: %3.</source>
        <translation>Enquête antérieure&#xa0;: %1 (enregistrement %2). Enquête ultérieure&#xa0;: %3.</translation>
    </message>
    <message>
        <source>No entries were left out.</source>
        <translation>Aucune saisie n&apos;a été écartée.</translation>
    </message>
    <message>
        <source>Entries left out, not choices: %1 in the earlier survey, %2 in the later.</source>
        <translation>Saisies écartées, non comptées comme choix&#xa0;: %1 dans l&apos;enquête antérieure, %2 dans l&apos;ultérieure.</translation>
    </message>
    <message>
        <source>Earlier survey:</source>
        <translation>Enquête antérieure&#xa0;:</translation>
    </message>
    <message>
        <source>Later survey:</source>
        <translation>Enquête ultérieure&#xa0;:</translation>
    </message>
    <message>
        <source>
Status groups by %1, the method of the analysis window.</source>
        <translation>
Groupes de statut selon %1, la méthode de la fenêtre d&apos;analyse.</translation>
    </message>
    <message>
        <source>Export Subjects</source>
        <translation>Exporter les sujets</translation>
    </message>
    <message>
        <source>Export Tie Changes</source>
        <translation>Exporter les changements de liens</translation>
    </message>
    <message>
        <source>The study %1 can no longer be read as a study.</source>
        <translation>L&apos;étude %1 ne peut plus être lue comme une étude.</translation>
    </message>
    <message>
        <source>No other study has %1 subjects, a criterion in common with this one and stored answers.</source>
        <translation>Aucune autre étude n&apos;a %1 sujets, un critère en commun avec celle-ci et des réponses enregistrées.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>&amp;Subjects...</source>
        <translation>S&amp;ujets...</translation>
    </message>
    <message>
        <source>tie changes</source>
        <translation>changements de liens</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>The study &quot;%1&quot; is no longer in the study file.</source>
        <translation>L&apos;étude «&#xa0;%1&#xa0;» ne figure plus dans le fichier d&apos;étude.</translation>
    </message>
</context>
<context>
    <name>DataForm</name>
    <message>
        <source>Class &amp;Report...</source>
        <translation>&amp;Rapport de classe...</translation>
    </message>
    <message>
        <source>Import &amp;Form Responses...</source>
        <translation>Importer les réponses de &amp;formulaire...</translation>
    </message>
    <message>
        <source>Print &amp;Ballots...</source>
        <translation>Imprimer les &amp;bulletins...</translation>
    </message>
    <message>
        <source>Pupils &amp;Answer Here...</source>
        <translation>Les élèves ré&amp;pondent ici...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Enregistrer les données</translation>
    </message>
    <message>
        <source>&amp;Clear Data from Current Grid</source>
        <translation>Effa&amp;cer les données de la grille actuelle</translation>
    </message>
    <message>
        <source>&amp;Import Choices...</source>
        <translation>&amp;Importer des choix...</translation>
    </message>
    <message>
        <source>Class &amp;List...</source>
        <translation>&amp;Liste de classe...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Criterion Type</source>
        <translation>Type de &amp;critère</translation>
    </message>
    <message>
        <source>&amp;Positive</source>
        <translation>&amp;Positif</translation>
    </message>
    <message>
        <source>&amp;Negative</source>
        <translation>&amp;Négatif</translation>
    </message>
    <message>
        <source>&amp;Plot Sociogram</source>
        <translation>&amp;Tracer le sociogramme</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Cercle</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aléatoire</translation>
    </message>
    <message>
        <source>&amp;Square</source>
        <translation>Ca&amp;rré</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>C&amp;ible</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>&amp;Study Analysis...</source>
        <translation>&amp;Analyse de l&apos;étude...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Groupes</translation>
    </message>
</context>
<context>
    <name>DataState</name>
    <message>
        <source>The study&apos;s %1 in the file (%2) is outside %3 to %4.</source>
        <translation>Dans le fichier, %1 de l&apos;étude (%2) est hors de l&apos;intervalle %3 à %4.</translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Critère positif&#xa0;: </translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Critère négatif&#xa0;: </translation>
    </message>
    <message>
        <source>group size</source>
        <translation>la taille du groupe</translation>
    </message>
    <message>
        <source>number of choices</source>
        <translation>le nombre de choix</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
</context>
<context>
    <name>DrawForm</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Sociogram</source>
        <translation>Sociogramme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save Current Sociogram</source>
        <translation>&amp;Enregistrer le sociogramme actuel</translation>
    </message>
    <message>
        <source>&amp;Print Sociogram</source>
        <translation>&amp;Imprimer le sociogramme</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>E&amp;xporter l&apos;image...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Default Distribution</source>
        <translation>Répartition par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Saved Distribution</source>
        <translation>Répartition &amp;enregistrée</translation>
    </message>
    <message>
        <source>&amp;Tidy Labels</source>
        <translation>&amp;Ranger les étiquettes</translation>
    </message>
    <message>
        <source>&amp;Colour Choices</source>
        <translation>&amp;Colorer les choix</translation>
    </message>
    <message>
        <source>Show &amp;Other Criterion</source>
        <translation>Afficher l&apos;&amp;autre critère</translation>
    </message>
    <message>
        <source>Show Stat&amp;us</source>
        <translation>Afficher le &amp;statut</translation>
    </message>
    <message>
        <source>Lines &amp;Round Labels</source>
        <translation>&amp;Lignes contournant les étiquettes</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>Afficher les &amp;noms</translation>
    </message>
    <message>
        <source>Show C&amp;hanges</source>
        <translation>Afficher les c&amp;hangements</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Légende</translation>
    </message>
    <message>
        <source>Print Sociogram</source>
        <translation>Imprimer le sociogramme</translation>
    </message>
    <message>
        <source>Print Sociogram to PDF File</source>
        <translation>Imprimer le sociogramme dans un fichier PDF</translation>
    </message>
    <message>
        <source>sociogram</source>
        <translation>sociogramme</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the sociogram was not printed.</source>
        <translation>Aucune imprimante n&apos;est installée et aucun fichier PDF n&apos;a été choisi&#xa0;: le sociogramme n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the sociogram was not printed.</source>
        <translation>Impression annulée&#xa0;; le sociogramme n&apos;a pas été imprimé.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The sociogram could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>Le sociogramme n&apos;a pas pu être imprimé vers %1. Vérifiez sa disponibilité et vos droits d&apos;écriture.</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Choice Must Be A Subject Number</source>
        <translation>Le choix doit être un numéro de sujet</translation>
    </message>
    <message>
        <source>Choice Cannot Be Less Than 1</source>
        <translation>Le choix ne peut pas être inférieur à 1</translation>
    </message>
    <message>
        <source>Choice Cannot Be Greater Than %1</source>
        <translation>Le choix ne peut pas être supérieur à %1</translation>
    </message>
    <message>
        <source>Choice Must Be A Whole Number</source>
        <translation>Le choix doit être un nombre entier</translation>
    </message>
    <message>
        <source>Choice Must Be Written In Digits Only</source>
        <translation>Le choix doit être écrit uniquement en chiffres</translation>
    </message>
    <message>
        <source>Subject %1 Is Already Chosen As Choice %2</source>
        <translation>Le sujet %1 figure déjà comme choix %2</translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>Data Entry</source>
        <translation>Saisie des données</translation>
    </message>
    <message>
        <source>Subject Number:</source>
        <translation>Numéro du sujet&#xa0;:</translation>
    </message>
    <message>
        <source>Choice Number:</source>
        <translation>Numéro du choix&#xa0;:</translation>
    </message>
    <message>
        <source>Choice Made:</source>
        <translation>Choix effectué&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Utilisation incorrecte de Null</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objet déjà chargé</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
    <message>
        <source>The Program Is Having Trouble Accessing The Database<byte value="xd"/>
If You Choose Cancel, The Results Will Be Unpredictable</source>
        <translation>Le programme a des difficultés à accéder à la base de données<byte value="xd"/>
Si vous choisissez Annuler, les résultats seront imprévisibles</translation>
    </message>
    <message>
        <source>Unexpected Error In - %1, Error Number%2, %3</source>
        <translation>Erreur inattendue dans - %1, erreur numéro%2, %3</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist.</source>
        <translation>L&apos;élément «&#xa0;%1&#xa0;» du groupe de contrôles n&apos;existe pas.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Aucun enregistrement en cours.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>ExampleClass</name>
    <message>
        <source>Sitting next to each other in class</source>
        <translation>S&apos;asseoir à côté l&apos;un de l&apos;autre en classe</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;PNG image</source>
        <translation>Image &amp;PNG</translation>
    </message>
    <message>
        <source>S&amp;VG drawing</source>
        <translation>Dessin S&amp;VG</translation>
    </message>
    <message>
        <source>P&amp;DF document</source>
        <translation>Document P&amp;DF</translation>
    </message>
    <message>
        <source>&amp;Resolution (dots per inch):</source>
        <translation>&amp;Résolution (points par pouce)&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Choix positifs</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Choix négatifs</translation>
    </message>
    <message>
        <source>Positive density</source>
        <translation>Densité positive</translation>
    </message>
    <message>
        <source>Negative density</source>
        <translation>Densité négative</translation>
    </message>
    <message>
        <source>Mutual positive pairs</source>
        <translation>Paires positives réciproques</translation>
    </message>
    <message>
        <source>Mutual negative pairs</source>
        <translation>Paires négatives réciproques</translation>
    </message>
    <message>
        <source>Positive reciprocity</source>
        <translation>Réciprocité positive</translation>
    </message>
    <message>
        <source>Negative reciprocity</source>
        <translation>Réciprocité négative</translation>
    </message>
    <message>
        <source>Positive choices received, mean</source>
        <translation>Choix positifs reçus, moyenne</translation>
    </message>
    <message>
        <source>Negative choices received, mean</source>
        <translation>Choix négatifs reçus, moyenne</translation>
    </message>
    <message>
        <source>Positive choices received, standard deviation</source>
        <translation>Choix positifs reçus, écart type</translation>
    </message>
    <message>
        <source>Negative choices received, standard deviation</source>
        <translation>Choix négatifs reçus, écart type</translation>
    </message>
    <message>
        <source>Positive received chance per chooser</source>
        <translation>Positifs reçus, probabilité par émetteur</translation>
    </message>
    <message>
        <source>Negative received chance per chooser</source>
        <translation>Négatifs reçus, probabilité par émetteur</translation>
    </message>
    <message>
        <source>Impact chance per chooser</source>
        <translation>Impact, probabilité par émetteur</translation>
    </message>
    <message>
        <source>Positive received high from</source>
        <translation>Positifs reçus élevés à partir de</translation>
    </message>
    <message>
        <source>Negative received high from</source>
        <translation>Négatifs reçus élevés à partir de</translation>
    </message>
    <message>
        <source>Impact high from</source>
        <translation>Impact élevé à partir de</translation>
    </message>
    <message>
        <source>Positive received low up to</source>
        <translation>Positifs reçus faibles jusqu&apos;à</translation>
    </message>
    <message>
        <source>Negative received low up to</source>
        <translation>Négatifs reçus faibles jusqu&apos;à</translation>
    </message>
    <message>
        <source>Impact low up to</source>
        <translation>Impact faible jusqu&apos;à</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Taille du groupe</translation>
    </message>
    <message>
        <source>Isolates</source>
        <translation>Isolés</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Rejetés seulement</translation>
    </message>
    <message>
        <source>Entries left out</source>
        <translation>Saisies écartées</translation>
    </message>
    <message>
        <source>No cliques</source>
        <translation>Aucune clique</translation>
    </message>
    <message>
        <source>Cliques (every pair chose each other): %1</source>
        <translation>Cliques (chaque paire s&apos;est choisie mutuellement)&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Avec les &amp;noms</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv);;All files (*)</source>
        <translation>Fichiers séparés par des virgules (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>FormImportText</name>
    <message>
        <source>Not read</source>
        <translation>Non lue</translation>
    </message>
    <message>
        <source>Who answers</source>
        <translation>Qui répond</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Choix positifs</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Choix négatifs</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Names are matched only with the class list: give it first with File &gt; Class List..., Load..., then import again.</source>
        <translation>Les noms ne sont reconnus qu&apos;avec la liste de classe&#xa0;: indiquez-la d&apos;abord avec Fichier &gt; Liste de classe..., Ouvrir..., puis importez de nouveau.</translation>
    </message>
    <message>
        <source>Some rows of the file have problems:</source>
        <translation>Certaines lignes du fichier posent problème&#xa0;:</translation>
    </message>
    <message>
        <source>No row can be taken; nothing was imported.</source>
        <translation>Aucune ligne ne peut être retenue&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Take the one row without a problem</source>
        <translation>Retenir la seule ligne sans problème</translation>
    </message>
    <message>
        <source>Take the %1 rows without a problem</source>
        <translation>Retenir les %1 lignes sans problème</translation>
    </message>
    <message>
        <source>and leave the other out?</source>
        <translation>et écarter l&apos;autre&#xa0;?</translation>
    </message>
    <message>
        <source>and leave the %1 others out?</source>
        <translation>et écarter les %1 autres&#xa0;?</translation>
    </message>
    <message>
        <source>No imports nothing.</source>
        <translation>Non n&apos;importe rien.</translation>
    </message>
    <message>
        <source>Import Form Responses</source>
        <translation>Importer les réponses de formulaire</translation>
    </message>
    <message>
        <source>Say what each column holds. The first rows of the file:</source>
        <translation>Indiquez le contenu de chaque colonne. Les premières lignes du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Colonne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Form responses (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Réponses de formulaire (*.csv *.tsv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The responses were not imported:</source>
        <translation>Les réponses n&apos;ont pas été importées&#xa0;:</translation>
    </message>
</context>
<context>
    <name>FormResponsesText</name>
    <message>
        <source>No column is marked as the respondent.</source>
        <translation>Aucune colonne n&apos;est désignée comme «&#xa0;Qui répond&#xa0;».</translation>
    </message>
    <message>
        <source>No column is marked as holding choices.</source>
        <translation>Aucune colonne n&apos;est désignée comme contenant des choix.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number, and without a class list only numbers are matched.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre, et sans liste de classe seuls les numéros sont reconnus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name of the class list.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de la liste de classe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one pupil: %2.</source>
        <translation>«&#xa0;%1&#xa0;» correspond à plusieurs élèves&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot choose themselves.</source>
        <translation>%1 ne peut pas se choisir lui-même.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 est choisi deux fois.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Il y a plus de choix que l&apos;étude n&apos;en permet (%1).</translation>
    </message>
    <message>
        <source>The row does not say who answers.</source>
        <translation>La ligne n&apos;indique pas qui répond.</translation>
    </message>
    <message>
        <source>%1 answers a second time; the first row is line %2, and this later row is the one offered.</source>
        <translation>%1 répond une seconde fois&#xa0;; la première réponse est à la ligne %2, et c&apos;est cette ligne ultérieure qui est proposée.</translation>
    </message>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>Le fichier n&apos;est pas du texte&#xa0;: il contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>The file holds no responses.</source>
        <translation>Le fichier ne contient aucune réponse.</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>A class of %1 subjects is too small to split: it takes at least 4 subjects to form groups.</source>
        <translation>Une classe de %1 sujets est trop petite pour être divisée&#xa0;: il faut au moins 4 sujets pour former des groupes.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 groups for %3 subjects.</source>
        <translation>Choisissez entre %1 et %2 groupes pour %3 sujets.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 seats per table for %3 subjects.</source>
        <translation>Choisissez entre %1 et %2 places par table pour %3 sujets.</translation>
    </message>
    <message>
        <source>Subject %1 sits with subject %2</source>
        <translation>Le sujet %1 est assis avec le sujet %2</translation>
    </message>
    <message>
        <source>, and they rejected each other</source>
        <translation>, et ils se sont rejetés mutuellement</translation>
    </message>
    <message>
        <source>, who rejected them</source>
        <translation>, qui l&apos;a rejeté</translation>
    </message>
    <message>
        <source>, whom they rejected</source>
        <translation>, qu&apos;il a rejeté</translation>
    </message>
    <message>
        <source>Subject %1 chose nobody</source>
        <translation>Le sujet %1 n&apos;a choisi personne</translation>
    </message>
    <message>
        <source>rejected by the only subject they chose</source>
        <translation>rejeté par le seul sujet qu&apos;il a choisi</translation>
    </message>
    <message>
        <source>rejected by every subject they chose</source>
        <translation>rejeté par tous les sujets qu&apos;il a choisis</translation>
    </message>
    <message>
        <source>chose %1 subjects: %2 rejected them and %3 %4</source>
        <translation>a choisi %1 sujets&#xa0;: rejeté par %2, et %3 %4</translation>
    </message>
    <message>
        <source>is in another group</source>
        <translation>est dans un autre groupe</translation>
    </message>
    <message>
        <source>are in other groups</source>
        <translation>sont dans d&apos;autres groupes</translation>
    </message>
    <message>
        <source>chose 1 subject who is in another group</source>
        <translation>a choisi 1 sujet qui est dans un autre groupe</translation>
    </message>
    <message>
        <source>chose %1 subjects who are in other groups</source>
        <translation>a choisi %1 sujets qui sont dans d&apos;autres groupes</translation>
    </message>
    <message>
        <source>Subject %1 was chosen by nobody and %2</source>
        <translation>Le sujet %1 n&apos;a été choisi par personne et %2</translation>
    </message>
    <message>
        <source>Subject %1 was %2</source>
        <translation>Le sujet %1 a été %2</translation>
    </message>
    <message>
        <source>Subject %1 %2</source>
        <translation>Le sujet %1 %2</translation>
    </message>
    <message>
        <source>they rejected each other</source>
        <translation>ils se sont rejetés mutuellement</translation>
    </message>
    <message>
        <source>%1 rejected %2</source>
        <translation>%1 a rejeté %2</translation>
    </message>
    <message>
        <source>Group %1: subjects %2 and %3 (%4)</source>
        <translation>Groupe %1&#xa0;: sujets %2 et %3 (%4)</translation>
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
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Number of &amp;groups:</source>
        <translation>Nombre de &amp;groupes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Seats per table:</source>
        <translation>&amp;Places par table&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Make Groups</source>
        <translation>&amp;Créer les groupes</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujet</translation>
    </message>
    <message>
        <source>Chosen mates in the group</source>
        <translation>Camarades choisis dans le groupe</translation>
    </message>
    <message>
        <source>Why marked</source>
        <translation>Motif du signalement</translation>
    </message>
    <message>
        <source>Show on S&amp;ociogram</source>
        <translation>Afficher sur le &amp;sociogramme</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Choose the number of groups, or the seats per table, and press Make Groups.</source>
        <translation>Choisissez le nombre de groupes, ou les places par table, puis cliquez sur Créer les groupes.</translation>
    </message>
    <message>
        <source>Subject %1</source>
        <translation>Sujet %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>sujet</translation>
    </message>
    <message>
        <source>subjects</source>
        <translation>sujets</translation>
    </message>
    <message>
        <source>%1 could not be kept apart: %2.</source>
        <translation>Impossible de séparer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>rejection pair</source>
        <translation>paire de rejet</translation>
    </message>
    <message>
        <source>rejection pairs</source>
        <translation>paires de rejet</translation>
    </message>
    <message>
        <source>Nobody sits with someone they rejected or who rejected them.</source>
        <translation>Personne n&apos;est assis avec quelqu&apos;un qu&apos;il a rejeté ou qui l&apos;a rejeté.</translation>
    </message>
    <message>
        <source>%1 of %2 subjects sit with someone they chose; %3 of %4 positive choices are kept within a group.</source>
        <translation>%1 sujets sur %2 sont assis avec quelqu&apos;un qu&apos;ils ont choisi&#xa0;; %3 choix positifs sur %4 restent au sein d&apos;un groupe.</translation>
    </message>
    <message>
        <source>Every grouping was tried: none is better.</source>
        <translation>Toutes les répartitions ont été essayées&#xa0;: aucune n&apos;est meilleure.</translation>
    </message>
    <message>
        <source>No sociogram is open. Draw one from the data window&apos;s Plot Sociogram menu, then show the groups on it.</source>
        <translation>Aucun sociogramme n&apos;est ouvert. Tracez-en un depuis le menu Tracer le sociogramme de la fenêtre de données, puis affichez-y les groupes.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Export Groups</source>
        <translation>Exporter les groupes</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>groupes</translation>
    </message>
    <message>
        <source>There were no choices to go by: the groups are only even in size.</source>
        <translation>Il n&apos;y avait aucun choix sur lequel s&apos;appuyer&#xa0;: les groupes sont seulement de taille égale.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide is not part of this build.</source>
        <translation>Le guide ne fait pas partie de cette version.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Sociogram %1

Built with Qt %2, running on Qt %3. Qt is used under the GNU Lesser General Public License, version 3.

The study file:
%4</source>
        <translation>Sociogram %1

Compilé avec Qt %2, exécuté avec Qt %3. Qt est utilisé selon les termes de la GNU Lesser General Public License, version 3.

Le fichier d&apos;étude&#xa0;:
%4</translation>
    </message>
    <message>
        <source>About Sociogram</source>
        <translation>À propos de Sociogram</translation>
    </message>
    <message>
        <source>This guide is written in English.</source>
        <translation>Ce guide est rédigé en anglais.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>Le fichier n&apos;est pas du texte&#xa0;: il contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un champ entre guillemets n&apos;est pas fermé.</translation>
    </message>
    <message>
        <source>The file holds no names.</source>
        <translation>Le fichier ne contient aucun nom.</translation>
    </message>
    <message>
        <source>The row does not begin with the subject&apos;s number.</source>
        <translation>La ligne ne commence pas par le numéro du sujet.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Le nom est vide.</translation>
    </message>
    <message>
        <source>The list holds %1 names for the %2 subjects of the study.</source>
        <translation>La liste contient %1 noms pour les %2 sujets de l&apos;étude.</translation>
    </message>
    <message>
        <source>The text holds no rows of choices.</source>
        <translation>Le texte ne contient aucune ligne de choix.</translation>
    </message>
    <message>
        <source>The row does not begin with the chooser&apos;s number.</source>
        <translation>La ligne ne commence pas par le numéro de l&apos;émetteur.</translation>
    </message>
    <message>
        <source>Subject %1 is given a second time; the first row is line %2.</source>
        <translation>Le sujet %1 figure une seconde fois&#xa0;; la première occurrence est à la ligne %2.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Il y a plus de choix que l&apos;étude n&apos;en permet (%1).</translation>
    </message>
    <message>
        <source>Subject %1 cannot choose themselves.</source>
        <translation>Le sujet %1 ne peut pas se choisir lui-même.</translation>
    </message>
    <message>
        <source>Subject %1 is chosen twice in this row.</source>
        <translation>Le sujet %1 est choisi deux fois dans cette ligne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 n&apos;est pas un numéro de sujet de 1 à %2.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... et %1 autres.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Import Choices</source>
        <translation>Importer des choix</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers séparés par des virgules (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The choices were not imported:</source>
        <translation>Les choix n&apos;ont pas été importés&#xa0;:</translation>
    </message>
    <message>
        <source>The line holds no name: without numbers, each line is the name of the next subject.</source>
        <translation>La ligne ne contient aucun nom&#xa0;: sans numéros, chaque ligne est le nom du sujet suivant.</translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Replace the choices in the grid with those of the file?</source>
        <translation>Remplacer les choix de la grille par ceux du fichier&#xa0;?</translation>
    </message>
    <message>
        <source>subject %1</source>
        <translation>le sujet %1</translation>
    </message>
    <message>
        <source>subjects %1</source>
        <translation>les sujets %1</translation>
    </message>
    <message>
        <source>The file does not name %1, whose choices are in the grid.

Keep their choices? Yes keeps them and takes the rows of the file, No empties them, Cancel imports nothing.</source>
        <translation>Le fichier ne nomme pas %1, dont les choix figurent dans la grille.

Conserver ces choix&#xa0;? Oui les conserve et reprend les lignes du fichier, Non les efface, Annuler n&apos;importe rien.</translation>
    </message>
</context>
<context>
    <name>InfoForm</name>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Les deux</translation>
    </message>
    <message>
        <source>Study Information</source>
        <translation>Informations sur l&apos;étude</translation>
    </message>
    <message>
        <source>Criterion:</source>
        <translation>Critère&#xa0;:</translation>
    </message>
    <message>
        <source>Criterion Type:</source>
        <translation>Type de critère&#xa0;:</translation>
    </message>
    <message>
        <source>Reference Name:</source>
        <translation>Nom de référence&#xa0;:</translation>
    </message>
    <message>
        <source>Group Size (6-40):</source>
        <translation>Taille du groupe (6-40)&#xa0;:</translation>
    </message>
    <message>
        <source>Maximum Number of Choices Allowed (1-10):</source>
        <translation>Nombre maximal de choix autorisés (1-10)&#xa0;:</translation>
    </message>
    <message>
        <source>This is used to store a description of the data set.</source>
        <translation>Sert à enregistrer une description du jeu de données.</translation>
    </message>
    <message>
        <source>This is used to identify the data set in the database</source>
        <translation>Sert à identifier le jeu de données dans la base de données</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Positive Choice</source>
        <translation>Choix positif</translation>
    </message>
    <message>
        <source>Negative Choice</source>
        <translation>Choix négatif</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changements</translation>
    </message>
    <message>
        <source>Kept in both surveys</source>
        <translation>Présent dans les deux enquêtes</translation>
    </message>
    <message>
        <source>New since &quot;%1&quot;</source>
        <translation>Nouveau depuis «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Gone since &quot;%1&quot;</source>
        <translation>Disparu depuis «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Chooser</source>
        <translation>Émetteur</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Mutual</source>
        <translation>Réciproque</translation>
    </message>
</context>
<context>
    <name>KeyForm</name>
    <message>
        <source>Sociogram Key</source>
        <translation>Légende du sociogramme</translation>
    </message>
</context>
<context>
    <name>KioskAnswerText</name>
    <message>
        <source>More classmates are chosen than the study allows (%1).</source>
        <translation>Tu as choisi plus de camarades que l&apos;étude ne le permet (%1).</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 n&apos;est pas un numéro d&apos;élève de 1 à %2.</translation>
    </message>
    <message>
        <source>A pupil cannot choose themselves.</source>
        <translation>Tu ne peux pas te choisir toi-même.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>Tu as choisi %1 deux fois.</translation>
    </message>
</context>
<context>
    <name>KioskWindow</name>
    <message>
        <source>Pupils Answer Here</source>
        <translation>Les élèves répondent ici</translation>
    </message>
    <message>
        <source>Not me: start again</source>
        <translation>Ce n&apos;est pas moi&#xa0;: recommencer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Yes, save my answer</source>
        <translation>Oui, enregistrer ma réponse</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>Qui es-tu&#xa0;?</translation>
    </message>
    <message>
        <source>Touch your own name.</source>
        <translation>Touche ton nom.</translation>
    </message>
    <message>
        <source>Touch your own number.</source>
        <translation>Touche ton numéro.</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Critère négatif&#xa0;: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Critère positif&#xa0;: </translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates, or Nobody.</source>
        <translation>%1, touche jusqu&apos;à %2 camarades, ou Personne.</translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates.</source>
        <translation>%1, touche jusqu&apos;à %2 camarades.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Is this right, %1?</source>
        <translation>C&apos;est bien ça, %1&#xa0;?</translation>
    </message>
    <message>
        <source>These are your answers. Nobody else will see them.</source>
        <translation>Voici tes réponses. Personne d&apos;autre ne les verra.</translation>
    </message>
    <message>
        <source>Thank you! Pass the computer on to the next pupil.</source>
        <translation>Merci&#xa0;! Passe l&apos;ordinateur à l&apos;élève suivant.</translation>
    </message>
    <message>
        <source>Teacher: let every pupil marked as done answer again?</source>
        <translation>Enseignant&#xa0;: laisser répondre de nouveau tous les élèves marqués comme ayant terminé&#xa0;?</translation>
    </message>
    <message>
        <source>Teacher only: do the pupils go on answering?

Yes goes on. No ends the round and shows the program&apos;s windows again; every answer confirmed is stored.</source>
        <translation>Réservé à l&apos;enseignant&#xa0;: les élèves continuent-ils à répondre&#xa0;?

Oui continue. Non termine la séance et réaffiche les fenêtres du programme&#xa0;; toutes les réponses confirmées sont enregistrées.</translation>
    </message>
    <message>
        <source>The grid is saved before the pupils answer. Save it now?</source>
        <translation>La grille est enregistrée avant que les élèves répondent. L&apos;enregistrer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Numéro %1</translation>
    </message>
</context>
<context>
    <name>LoadForm</name>
    <message>
        <source>Load File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Select Project</source>
        <translation>Sélectionner un projet</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>Delete the Current Record?</source>
        <translation>Supprimer l&apos;enregistrement en cours&#xa0;?</translation>
    </message>
    <message>
        <source>The Project Could Not Be Deleted - It Has Been Left As It Was</source>
        <translation>Impossible de supprimer le projet&#xa0;: il est resté inchangé</translation>
    </message>
    <message>
        <source>You Must Enter the Relevant Criterion</source>
        <translation>Vous devez saisir le critère correspondant</translation>
    </message>
    <message>
        <source>Duplicate Reference Names Are Not Advisable</source>
        <translation>Les noms de référence en double sont déconseillés</translation>
    </message>
    <message>
        <source>You Must Enter a Reference Name</source>
        <translation>Vous devez saisir un nom de référence</translation>
    </message>
    <message>
        <source>Invalid Group Size - Please Try Again</source>
        <translation>Taille du groupe non valide - veuillez réessayer</translation>
    </message>
    <message>
        <source>Invalid Number of Choices - Please Try Again</source>
        <translation>Nombre de choix non valide - veuillez réessayer</translation>
    </message>
    <message>
        <source>Changes Saved As Requested</source>
        <translation>Modifications enregistrées comme demandé</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>You Must First Save Changes: Save Now?</source>
        <translation>Vous devez d&apos;abord enregistrer les modifications&#xa0;: enregistrer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>The changes could not be saved, so the file keeps the answers it had before. The grid still holds every answer you typed.</source>
        <translation>Les modifications n&apos;ont pas pu être enregistrées&#xa0;; le fichier conserve donc ses réponses précédentes. La grille contient toujours toutes les réponses que vous avez saisies.</translation>
    </message>
    <message>
        <source>Subjects Cannot Choose Themselves </source>
        <translation>Les sujets ne peuvent pas se choisir eux-mêmes </translation>
    </message>
    <message>
        <source>The Sociogram Window Is Too Small To Place All The Labels</source>
        <translation>La fenêtre du sociogramme est trop petite pour placer toutes les étiquettes</translation>
    </message>
    <message>
        <source>Save Current Sociogram Settings?</source>
        <translation>Enregistrer les paramètres du sociogramme actuel&#xa0;?</translation>
    </message>
    <message>
        <source>This study&apos;s details could not be read from the file, so the grid is not saved over it. The file keeps the answers it had.</source>
        <translation>Les informations de cette étude n&apos;ont pas pu être lues dans le fichier ; la grille n&apos;est donc pas enregistrée par-dessus. Le fichier garde les réponses qu&apos;il avait.</translation>
    </message>
</context>
<context>
    <name>PictureChoices</name>
    <message>
        <source>Include the key</source>
        <translation>Inclure la légende</translation>
    </message>
    <message>
        <source>Include a title</source>
        <translation>Inclure un titre</translation>
    </message>
    <message>
        <source>Colour the groups</source>
        <translation>Colorer les groupes</translation>
    </message>
    <message>
        <source>Mark the status</source>
        <translation>Marquer le statut</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Avec les &amp;noms</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>that name belongs to a folder</source>
        <translation>ce nom est celui d&apos;un dossier</translation>
    </message>
    <message>
        <source>the file could not be opened for writing (%1)</source>
        <translation>le fichier n&apos;a pas pu être ouvert en écriture (%1)</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>le dessin n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>an image of %1 by %2 pixels is too large to make</source>
        <translation>une image de %1 sur %2 pixels est trop grande pour être créée</translation>
    </message>
    <message>
        <source>the image could not be written (%1)</source>
        <translation>l&apos;image n&apos;a pas pu être écrite (%1)</translation>
    </message>
    <message>
        <source>the page could not be set up</source>
        <translation>la page n&apos;a pas pu être mise en place</translation>
    </message>
    <message>
        <source>the picture format is not known</source>
        <translation>le format d&apos;image est inconnu</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>aucun nom de fichier n&apos;a été indiqué</translation>
    </message>
    <message>
        <source>the sociogram has no area to draw</source>
        <translation>le sociogramme n&apos;a aucune surface à dessiner</translation>
    </message>
    <message>
        <source>the resolution must be from %1 to %2 dots per inch</source>
        <translation>la résolution doit être comprise entre %1 et %2 points par pouce</translation>
    </message>
    <message>
        <source>The sociogram picture could not be saved as &quot;%1&quot; because %2.</source>
        <translation>L&apos;image du sociogramme n&apos;a pas pu être enregistrée sous «&#xa0;%1&#xa0;» car %2.</translation>
    </message>
    <message>
        <source>writing the file failed (%1)</source>
        <translation>l&apos;écriture du fichier a échoué (%1)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>PictureTitle</name>
    <message>
        <source>positive</source>
        <translation>positif</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>négatif</translation>
    </message>
    <message>
        <source>positive and negative</source>
        <translation>positif et négatif</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>en cercle</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>en carré</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>en cible</translation>
    </message>
    <message>
        <source>%1 layout</source>
        <translation>Disposition %1</translation>
    </message>
    <message>
        <source>, status by %1</source>
        <translation>, statut selon %1</translation>
    </message>
    <message>
        <source>, most chosen and isolates marked</source>
        <translation>, plus choisis et isolés signalés</translation>
    </message>
    <message>
        <source>, most chosen marked</source>
        <translation>, plus choisis signalés</translation>
    </message>
    <message>
        <source>Ties kept, new and gone since &quot;%1&quot;</source>
        <translation>Liens conservés, nouveaux et disparus depuis «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintBallotsText</name>
    <message>
        <source>Print Ballots to PDF File</source>
        <translation>Imprimer les bulletins dans un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so no ballot was printed.</source>
        <translation>Aucune imprimante n&apos;est installée et aucun fichier PDF n&apos;a été choisi&#xa0;: aucun bulletin n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Print Ballots</source>
        <translation>Imprimer les bulletins</translation>
    </message>
    <message>
        <source>Printing was cancelled; no ballot was printed.</source>
        <translation>Impression annulée&#xa0;; aucun bulletin n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>One slip for each pupil, several to a page. Pupils write the numbers of the classmates they choose.</source>
        <translation>Un bulletin par élève, plusieurs par page. Les élèves écrivent les numéros des camarades qu&apos;ils choisissent.</translation>
    </message>
    <message>
        <source>With names</source>
        <translation>Avec les noms</translation>
    </message>
    <message>
        <source>The class list by number, with the pupils&apos; names</source>
        <translation>La liste de classe par numéro, avec les noms des élèves</translation>
    </message>
    <message>
        <source>Give the class list first: File &gt; Class List...</source>
        <translation>Indiquez d&apos;abord la liste de classe&#xa0;: Fichier &gt; Liste de classe...</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The ballots could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>Les bulletins n&apos;ont pas pu être imprimés vers %1. Vérifiez sa disponibilité et vos droits d&apos;écriture.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print Sociogram</source>
        <translation>Imprimer le sociogramme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SociogramState</name>
    <message>
        <source>Move of Label %1</source>
        <translation>Déplacement de l&apos;étiquette %1</translation>
    </message>
    <message>
        <source>Tidy Labels</source>
        <translation>Ranger les étiquettes</translation>
    </message>
</context>
<context>
    <name>StartForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Load Existing Project</source>
        <translation>&amp;Ouvrir un projet existant</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Open &amp;Example Class</source>
        <translation>Ouvrir la classe d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>No study yet? &lt;a href=&quot;example&quot;&gt;Open the example class&lt;/a&gt; to see a class of 24 at work, or start with File &amp;gt; New Project.</source>
        <translation>Pas encore d&apos;étude&#xa0;? &lt;a href=&quot;example&quot;&gt;Ouvrez la classe d&apos;exemple&lt;/a&gt; pour voir une classe de 24 élèves en action, ou commencez par Fichier &amp;gt; Nouveau projet.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database %1 has no table %2; it is not a complete study database.</source>
        <translation>La base de données %1 n&apos;a pas de table %2&#xa0;; ce n&apos;est pas une base d&apos;étude complète.</translation>
    </message>
    <message>
        <source>The database %1 lacks the index %2; it is not a complete study database.</source>
        <translation>Il manque à la base de données %1 l&apos;index %2&#xa0;; ce n&apos;est pas une base d&apos;étude complète.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>Fichier %1 introuvable.</translation>
    </message>
    <message>
        <source>Couldn&apos;t update %1; it is currently locked by another program.</source>
        <translation>Impossible de mettre à jour %1&#xa0;; il est actuellement verrouillé par un autre programme.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock a table of %1; it is currently in use.</source>
        <translation>Impossible de verrouiller une table de %1&#xa0;; elle est actuellement utilisée.</translation>
    </message>
    <message>
        <source>The database %1 is read-only; changes cannot be written to it.</source>
        <translation>La base de données %1 est en lecture seule&#xa0;; les modifications ne peuvent pas y être écrites.</translation>
    </message>
    <message>
        <source>Could not lock the file %1.</source>
        <translation>Impossible de verrouiller le fichier %1.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened.</source>
        <translation>Impossible d&apos;ouvrir la base de données %1.</translation>
    </message>
    <message>
        <source>Unrecognized database format %1: the file is not a study database.</source>
        <translation>Format de base de données %1 non reconnu&#xa0;: ce fichier n&apos;est pas une base d&apos;étude.</translation>
    </message>
    <message>
        <source>Cannot open database %1. The file may be damaged.</source>
        <translation>Impossible d&apos;ouvrir la base de données %1. Le fichier est peut-être endommagé.</translation>
    </message>
    <message>
        <source>Not enough space on disk for %1; nothing was written.</source>
        <translation>Espace disque insuffisant pour %1&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Disk error while reading or writing %1.</source>
        <translation>Erreur de disque lors de la lecture ou de l&apos;écriture de %1.</translation>
    </message>
    <message>
        <source>The change to %1 was refused: %2</source>
        <translation>La modification de %1 a été refusée&#xa0;: %2</translation>
    </message>
    <message>
        <source>A value does not fit its field in %1.</source>
        <translation>Une valeur ne tient pas dans son champ dans %1.</translation>
    </message>
    <message>
        <source>The database %1 reported: %2</source>
        <translation>La base de données %1 a signalé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>The database %1 lacks the field %2; it is not a complete study database.</source>
        <translation>Il manque à la base de données %1 le champ %2&#xa0;; ce n&apos;est pas une base d&apos;étude complète.</translation>
    </message>
</context>
<context>
    <name>StudyPicker</name>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>&amp;Earlier survey of this class:</source>
        <translation>&amp;Enquête antérieure de cette classe&#xa0;:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation>%1 (enregistrement %2)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file is too large to be a class list, a sheet of choices or a form&apos;s responses.</source>
        <translation>Le fichier est trop volumineux pour être une liste de classe, une feuille de choix ou des réponses de formulaire.</translation>
    </message>
    <message>
        <source>line %1 is not text, neither in UTF-8 nor in the Windows code page (Windows-1252).</source>
        <translation>la ligne %1 n&apos;est pas du texte, ni en UTF-8 ni dans la page de codes Windows (Windows-1252).</translation>
    </message>
</context>
</TS>
