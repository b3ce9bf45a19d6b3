<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Analysis</name>
    <message>
        <source>Entries left out, not counted as choices:</source>
        <translation>Entradas omitidas, no contadas como elecciones:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>The z-scores use the sample standard deviation (n − 1). A spreadsheet&apos;s population formula (STDEV.P) gives slightly larger z-scores, so a pupil near a limit, such as &quot;Popular&quot;, may be classed differently there.</source>
        <translation>Las puntuaciones z usan la desviación típica muestral (n − 1). La fórmula poblacional de una hoja de cálculo (DESVEST.P) da puntuaciones z algo mayores, por lo que un alumno cerca de un límite, como &quot;Popular&quot;, puede clasificarse allí de otro modo.</translation>
    </message>
    <message>
        <source>A count is high or low only when chance would give it less than 5 times in 100. A pupil is &quot;Neglected&quot; only when the choices and rejections received together are that low, so an isolate who is rejected a few times, or one in a small group with few choices, may come out &quot;Average&quot;.</source>
        <translation>Un recuento es alto o bajo solo cuando el azar lo daría menos de 5 veces de cada 100. Un alumno es &quot;Ignorado&quot; solo cuando las elecciones y los rechazos recibidos juntos son así de bajos, por lo que un aislado rechazado unas pocas veces, o uno de un grupo pequeño con pocas elecciones, puede resultar &quot;Promedio&quot;.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indefinido</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <source>Positive given</source>
        <translation>Positivas emitidas</translation>
    </message>
    <message>
        <source>Negative given</source>
        <translation>Negativas emitidas</translation>
    </message>
    <message>
        <source>Positive received</source>
        <translation>Positivas recibidas</translation>
    </message>
    <message>
        <source>Negative received</source>
        <translation>Negativas recibidas</translation>
    </message>
    <message>
        <source>Mutual positive</source>
        <translation>Positivas mutuas</translation>
    </message>
    <message>
        <source>Mutual negative</source>
        <translation>Negativas mutuas</translation>
    </message>
    <message>
        <source>Isolate</source>
        <translation>Aislado</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Solo rechazado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>not a subject number</source>
        <translation>no es un número de sujeto</translation>
    </message>
    <message>
        <source>a subject choosing themselves</source>
        <translation>un sujeto que se elige a sí mismo</translation>
    </message>
    <message>
        <source>the same subject named twice</source>
        <translation>el mismo sujeto nombrado dos veces</translation>
    </message>
    <message>
        <source>outside the grid</source>
        <translation>fuera de la tabla</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positivo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Positive earlier</source>
        <translation>Positivas antes</translation>
    </message>
    <message>
        <source>Negative earlier</source>
        <translation>Negativas antes</translation>
    </message>
    <message>
        <source>Positive later</source>
        <translation>Positivas después</translation>
    </message>
    <message>
        <source>Negative later</source>
        <translation>Negativas después</translation>
    </message>
    <message>
        <source>Positive change</source>
        <translation>Cambio positivas</translation>
    </message>
    <message>
        <source>Negative change</source>
        <translation>Cambio negativas</translation>
    </message>
    <message>
        <source>Status earlier</source>
        <translation>Estatus antes</translation>
    </message>
    <message>
        <source>Status later</source>
        <translation>Estatus después</translation>
    </message>
    <message>
        <source>Status changed</source>
        <translation>Estatus cambiado</translation>
    </message>
    <message>
        <source>Mutual positive kept</source>
        <translation>Positivas mutuas mantenidas</translation>
    </message>
    <message>
        <source>Mutual negative kept</source>
        <translation>Negativas mutuas mantenidas</translation>
    </message>
    <message>
        <source>Mutual positive gained</source>
        <translation>Positivas mutuas nuevas</translation>
    </message>
    <message>
        <source>Mutual negative gained</source>
        <translation>Negativas mutuas nuevas</translation>
    </message>
    <message>
        <source>Mutual positive lost</source>
        <translation>Positivas mutuas perdidas</translation>
    </message>
    <message>
        <source>Mutual negative lost</source>
        <translation>Negativas mutuas perdidas</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>%1 tie stability %2: %3 of the %4 ties of either survey are in both (%5 new, %6 gone).</source>
        <translation>Estabilidad de vínculos %1 %2: %3 de los %4 vínculos de alguna de las encuestas están en ambas (%5 nuevos, %6 desaparecidos).</translation>
    </message>
    <message>
        <source>The surveys share no criterion: no ties are compared.</source>
        <translation>Las encuestas no comparten ningún criterio: no se comparan vínculos.</translation>
    </message>
    <message>
        <source>%1, subject %2, choice %3: &quot;%4&quot; (%5)</source>
        <translation>%1, sujeto %2, elección %3: &quot;%4&quot; (%5)</translation>
    </message>
    <message>
        <source>Popular</source>
        <translation>Popular</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Neglected</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>Controversial</source>
        <translation>Controvertido</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Sin clasificar</translation>
    </message>
    <message>
        <source>Most chosen</source>
        <translation>Más elegido</translation>
    </message>
    <message>
        <source>Rejected, chosen by nobody</source>
        <translation>Rechazado, no elegido por nadie</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Sociometric Analysis</source>
        <translation>Análisis sociométrico</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Método:</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Indicador</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Export &amp;Table...</source>
        <translation>Exportar &amp;tabla...</translation>
    </message>
    <message>
        <source>Export &amp;Choices...</source>
        <translation>Exportar &amp;elecciones...</translation>
    </message>
    <message>
        <source>Export &amp;GraphML...</source>
        <translation>Exportar &amp;GraphML...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Export GraphML</source>
        <translation>Exportar GraphML</translation>
    </message>
    <message>
        <source>Export Table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>Export Choices</source>
        <translation>Exportar elecciones</translation>
    </message>
    <message>
        <source>analysis</source>
        <translation>análisis</translation>
    </message>
    <message>
        <source>choices</source>
        <translation>elecciones</translation>
    </message>
    <message>
        <source>GraphML files (*.graphml);;All files (*)</source>
        <translation>Archivos GraphML (*.graphml);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>BallotsText</name>
    <message>
        <source>Negative Criterion: </source>
        <translation>Criterio negativo: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Criterio positivo: </translation>
    </message>
    <message>
        <source>Write up to %1 numbers, or &quot;nobody&quot;.</source>
        <translation>Escribe hasta %1 números, o &quot;nadie&quot;.</translation>
    </message>
    <message>
        <source>Write up to %1 numbers.</source>
        <translation>Escribe hasta %1 números.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The class:</source>
        <translation>La clase:</translation>
    </message>
    <message>
        <source>The class, by number:</source>
        <translation>La clase, por número:</translation>
    </message>
    <message>
        <source>My number:</source>
        <translation>Mi número:</translation>
    </message>
</context>
<context>
    <name>ClassListWindow</name>
    <message>
        <source>Class lists (*.csv *.txt);;All files (*)</source>
        <translation>Listas de clase (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Class List</source>
        <translation>Lista de la clase</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Names of the subjects:</source>
        <translation>&amp;Nombres de los sujetos:</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Cargar...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>The name of subject %1 is only blanks. Type a name, or empty the row with Delete.</source>
        <translation>El nombre del sujeto %1 solo contiene espacios. Escriba un nombre o vacíe la fila con Supr.</translation>
    </message>
    <message>
        <source>The class list was not loaded:</source>
        <translation>No se cargó la lista de la clase:</translation>
    </message>
    <message>
        <source>Load Class List</source>
        <translation>Cargar lista de la clase</translation>
    </message>
    <message>
        <source>Save Class List</source>
        <translation>Guardar lista de la clase</translation>
    </message>
    <message>
        <source>class list</source>
        <translation>lista de la clase</translation>
    </message>
</context>
<context>
    <name>ClassReport</name>
    <message>
        <source>Group %1: %2</source>
        <translation>Grupo %1: %2</translation>
    </message>
    <message>
        <source>Status changed: %1</source>
        <translation>Estatus cambiado: %1</translation>
    </message>
    <message>
        <source>Status groups by the %1 method: %2</source>
        <translation>Grupos de estatus según el método %1: %2</translation>
    </message>
    <message>
        <source>The group</source>
        <translation>El grupo</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Changes since the earlier survey</source>
        <translation>Cambios desde la encuesta anterior</translation>
    </message>
</context>
<context>
    <name>ClassReportText</name>
    <message>
        <source>Class Report</source>
        <translation>Informe de la clase</translation>
    </message>
    <message>
        <source>One page with the sociogram as it stands, the table of pupils, the group&apos;s figures, and the groups and the changes when their windows are open.</source>
        <translation>Una página con el sociograma tal como está, la tabla de alumnos, los indicadores del grupo y, si sus ventanas están abiertas, los grupos y los cambios.</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Con &amp;nombres</translation>
    </message>
    <message>
        <source>Print Class Report</source>
        <translation>Imprimir informe de la clase</translation>
    </message>
    <message>
        <source>Print Class Report to PDF File</source>
        <translation>Imprimir informe de la clase en PDF</translation>
    </message>
    <message>
        <source>class report</source>
        <translation>informe de la clase</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the report was not printed.</source>
        <translation>No hay ninguna impresora instalada ni se eligió un archivo PDF, así que el informe no se imprimió.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the report was not printed.</source>
        <translation>Se canceló la impresión; el informe no se imprimió.</translation>
    </message>
    <message>
        <source>Positive and negative choices</source>
        <translation>Elecciones positivas y negativas</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Elecciones negativas</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Elecciones positivas</translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n choices each</source>
        <translation>
            <numerusform>%n elección cada uno</numerusform>
            <numerusform>%n elecciones cada uno</numerusform>
        </translation>
    </message>
    <message>
        <source>Compared with &quot;%1&quot;.</source>
        <translation>Comparado con &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;. Check that it is available and that you may write to it.</source>
        <translation>No se pudo imprimir el informe en &quot;%1&quot;. Compruebe que esté disponible y que tenga permiso de escritura.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Compare Surveys</source>
        <translation>Comparar encuestas</translation>
    </message>
    <message>
        <source>Subject numbers are taken to name the same pupils in both surveys.</source>
        <translation>Se considera que los números de sujeto designan a los mismos alumnos en ambas encuestas.</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Indicador</translation>
    </message>
    <message>
        <source>Earlier</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>&amp;Tie Changes...</source>
        <translation>Cambios de &amp;vínculos...</translation>
    </message>
    <message>
        <source>Show on &amp;Sociogram</source>
        <translation>Mostrar en el &amp;sociograma</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>the study in the data window</source>
        <translation>el estudio de la ventana de datos</translation>
    </message>
    <message>
        <source>%1, the study in the data window</source>
        <translation>%1, el estudio de la ventana de datos</translation>
    </message>
    <message>
        <source>Earlier survey: %1 (record %2). Later survey: %3.</source>
        <translation>Encuesta anterior: %1 (registro %2). Encuesta posterior: %3.</translation>
    </message>
    <message>
        <source>No entries were left out.</source>
        <translation>No se omitió ninguna entrada.</translation>
    </message>
    <message>
        <source>Entries left out, not choices: %1 in the earlier survey, %2 in the later.</source>
        <translation>Entradas omitidas, no elecciones: %1 en la encuesta anterior, %2 en la posterior.</translation>
    </message>
    <message>
        <source>Earlier survey:</source>
        <translation>Encuesta anterior:</translation>
    </message>
    <message>
        <source>Later survey:</source>
        <translation>Encuesta posterior:</translation>
    </message>
    <message>
        <source>
Status groups by %1, the method of the analysis window.</source>
        <translation>
Grupos de estatus según %1, el método de la ventana de análisis.</translation>
    </message>
    <message>
        <source>Export Subjects</source>
        <translation>Exportar sujetos</translation>
    </message>
    <message>
        <source>Export Tie Changes</source>
        <translation>Exportar cambios de vínculos</translation>
    </message>
    <message>
        <source>The study %1 can no longer be read as a study.</source>
        <translation>El estudio %1 ya no se puede leer como estudio.</translation>
    </message>
    <message>
        <source>No other study has %1 subjects, a criterion in common with this one and stored answers.</source>
        <translation>Ningún otro estudio tiene %1 sujetos, un criterio en común con este y respuestas guardadas.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>&amp;Subjects...</source>
        <translation>Su&amp;jetos...</translation>
    </message>
    <message>
        <source>tie changes</source>
        <translation>cambios de vínculos</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparación</translation>
    </message>
    <message>
        <source>The study &quot;%1&quot; is no longer in the study file.</source>
        <translation>El estudio &quot;%1&quot; ya no está en el archivo del estudio.</translation>
    </message>
</context>
<context>
    <name>DataForm</name>
    <message>
        <source>Class &amp;Report...</source>
        <translation>Informe de la &amp;clase...</translation>
    </message>
    <message>
        <source>Import &amp;Form Responses...</source>
        <translation>Importar &amp;respuestas de formulario...</translation>
    </message>
    <message>
        <source>Print &amp;Ballots...</source>
        <translation>Imprimir &amp;papeletas...</translation>
    </message>
    <message>
        <source>Pupils &amp;Answer Here...</source>
        <translation>Los &amp;alumnos responden aquí...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Guardar datos</translation>
    </message>
    <message>
        <source>&amp;Clear Data from Current Grid</source>
        <translation>&amp;Borrar datos de la tabla actual</translation>
    </message>
    <message>
        <source>&amp;Import Choices...</source>
        <translation>&amp;Importar elecciones...</translation>
    </message>
    <message>
        <source>Class &amp;List...</source>
        <translation>&amp;Lista de la clase...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Criterion Type</source>
        <translation>Tipo de &amp;criterio</translation>
    </message>
    <message>
        <source>&amp;Positive</source>
        <translation>&amp;Positivo</translation>
    </message>
    <message>
        <source>&amp;Negative</source>
        <translation>&amp;Negativo</translation>
    </message>
    <message>
        <source>&amp;Plot Sociogram</source>
        <translation>&amp;Trazar sociograma</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;Circle</source>
        <translation>&amp;Círculo</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aleatorio</translation>
    </message>
    <message>
        <source>&amp;Square</source>
        <translation>C&amp;uadrado</translation>
    </message>
    <message>
        <source>&amp;Target</source>
        <translation>&amp;Diana</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>&amp;Study Analysis...</source>
        <translation>&amp;Análisis del estudio...</translation>
    </message>
    <message>
        <source>&amp;Compare With...</source>
        <translation>&amp;Comparar con...</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Grupos</translation>
    </message>
</context>
<context>
    <name>DataState</name>
    <message>
        <source>The study&apos;s %1 in the file (%2) is outside %3 to %4.</source>
        <translation>El valor de %1 del estudio en el archivo (%2) está fuera del intervalo de %3 a %4.</translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Criterio positivo: </translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Criterio negativo: </translation>
    </message>
    <message>
        <source>group size</source>
        <translation>tamaño del grupo</translation>
    </message>
    <message>
        <source>number of choices</source>
        <translation>número de elecciones</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Elección</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
<context>
    <name>DrawForm</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Sociogram</source>
        <translation>Sociograma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save Current Sociogram</source>
        <translation>&amp;Guardar sociograma actual</translation>
    </message>
    <message>
        <source>&amp;Print Sociogram</source>
        <translation>&amp;Imprimir sociograma</translation>
    </message>
    <message>
        <source>&amp;Export Picture...</source>
        <translation>&amp;Exportar imagen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Default Distribution</source>
        <translation>Distribución &amp;predeterminada</translation>
    </message>
    <message>
        <source>&amp;Saved Distribution</source>
        <translation>Distribución &amp;guardada</translation>
    </message>
    <message>
        <source>&amp;Tidy Labels</source>
        <translation>&amp;Ordenar etiquetas</translation>
    </message>
    <message>
        <source>&amp;Colour Choices</source>
        <translation>&amp;Colorear elecciones</translation>
    </message>
    <message>
        <source>Show &amp;Other Criterion</source>
        <translation>Mostrar o&amp;tro criterio</translation>
    </message>
    <message>
        <source>Show Stat&amp;us</source>
        <translation>Mostrar &amp;estatus</translation>
    </message>
    <message>
        <source>Lines &amp;Round Labels</source>
        <translation>&amp;Líneas alrededor de las etiquetas</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>Mostrar &amp;nombres</translation>
    </message>
    <message>
        <source>Show C&amp;hanges</source>
        <translation>Mostrar ca&amp;mbios</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Leyenda</translation>
    </message>
    <message>
        <source>Print Sociogram</source>
        <translation>Imprimir sociograma</translation>
    </message>
    <message>
        <source>Print Sociogram to PDF File</source>
        <translation>Imprimir sociograma en PDF</translation>
    </message>
    <message>
        <source>sociogram</source>
        <translation>sociograma</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so the sociogram was not printed.</source>
        <translation>No hay ninguna impresora instalada ni se eligió un archivo PDF, así que el sociograma no se imprimió.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the sociogram was not printed.</source>
        <translation>Se canceló la impresión; el sociograma no se imprimió.</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>el archivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The sociogram could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>No se pudo imprimir el sociograma en %1. Compruebe que esté disponible y que tenga permiso de escritura.</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Choice Must Be A Subject Number</source>
        <translation>La elección debe ser un número de sujeto</translation>
    </message>
    <message>
        <source>Choice Cannot Be Less Than 1</source>
        <translation>La elección no puede ser menor que 1</translation>
    </message>
    <message>
        <source>Choice Cannot Be Greater Than %1</source>
        <translation>La elección no puede ser mayor que %1</translation>
    </message>
    <message>
        <source>Choice Must Be A Whole Number</source>
        <translation>La elección debe ser un número entero</translation>
    </message>
    <message>
        <source>Choice Must Be Written In Digits Only</source>
        <translation>La elección debe escribirse solo con dígitos</translation>
    </message>
    <message>
        <source>Subject %1 Is Already Chosen As Choice %2</source>
        <translation>El sujeto %1 ya está elegido como elección %2</translation>
    </message>
</context>
<context>
    <name>EntryForm</name>
    <message>
        <source>Data Entry</source>
        <translation>Introducción de datos</translation>
    </message>
    <message>
        <source>Subject Number:</source>
        <translation>Número de sujeto:</translation>
    </message>
    <message>
        <source>Choice Number:</source>
        <translation>Número de elección:</translation>
    </message>
    <message>
        <source>Choice Made:</source>
        <translation>Elección hecha:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos no coincidentes</translation>
    </message>
    <message>
        <source>Invalid use of Null</source>
        <translation>Uso no válido de Null</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objeto ya cargado</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o por el objeto</translation>
    </message>
    <message>
        <source>The Program Is Having Trouble Accessing The Database<byte value="xd"/>
If You Choose Cancel, The Results Will Be Unpredictable</source>
        <translation>El programa tiene problemas para acceder a la base de datos<byte value="xd"/>
Si elige Cancelar, los resultados serán impredecibles</translation>
    </message>
    <message>
        <source>Unexpected Error In - %1, Error Number%2, %3</source>
        <translation>Error inesperado en - %1, número de error%2, %3</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; doesn&apos;t exist.</source>
        <translation>El elemento &apos;%1&apos; de la matriz de controles no existe.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>No hay ningún registro actual.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Error de impresora</translation>
    </message>
</context>
<context>
    <name>ExampleClass</name>
    <message>
        <source>Sitting next to each other in class</source>
        <translation>Sentarse juntos en clase</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>&amp;PNG image</source>
        <translation>Imagen &amp;PNG</translation>
    </message>
    <message>
        <source>S&amp;VG drawing</source>
        <translation>Dibujo S&amp;VG</translation>
    </message>
    <message>
        <source>P&amp;DF document</source>
        <translation>Documento P&amp;DF</translation>
    </message>
    <message>
        <source>&amp;Resolution (dots per inch):</source>
        <translation>&amp;Resolución (puntos por pulgada):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Elecciones positivas</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Elecciones negativas</translation>
    </message>
    <message>
        <source>Positive density</source>
        <translation>Densidad positiva</translation>
    </message>
    <message>
        <source>Negative density</source>
        <translation>Densidad negativa</translation>
    </message>
    <message>
        <source>Mutual positive pairs</source>
        <translation>Pares mutuos positivos</translation>
    </message>
    <message>
        <source>Mutual negative pairs</source>
        <translation>Pares mutuos negativos</translation>
    </message>
    <message>
        <source>Positive reciprocity</source>
        <translation>Reciprocidad positiva</translation>
    </message>
    <message>
        <source>Negative reciprocity</source>
        <translation>Reciprocidad negativa</translation>
    </message>
    <message>
        <source>Positive choices received, mean</source>
        <translation>Elecciones positivas recibidas, media</translation>
    </message>
    <message>
        <source>Negative choices received, mean</source>
        <translation>Elecciones negativas recibidas, media</translation>
    </message>
    <message>
        <source>Positive choices received, standard deviation</source>
        <translation>Elecciones positivas recibidas, desviación típica</translation>
    </message>
    <message>
        <source>Negative choices received, standard deviation</source>
        <translation>Elecciones negativas recibidas, desviación típica</translation>
    </message>
    <message>
        <source>Positive received chance per chooser</source>
        <translation>Probabilidad de positiva recibida por elector</translation>
    </message>
    <message>
        <source>Negative received chance per chooser</source>
        <translation>Probabilidad de negativa recibida por elector</translation>
    </message>
    <message>
        <source>Impact chance per chooser</source>
        <translation>Probabilidad de impacto por elector</translation>
    </message>
    <message>
        <source>Positive received high from</source>
        <translation>Positivas recibidas altas desde</translation>
    </message>
    <message>
        <source>Negative received high from</source>
        <translation>Negativas recibidas altas desde</translation>
    </message>
    <message>
        <source>Impact high from</source>
        <translation>Impacto alto desde</translation>
    </message>
    <message>
        <source>Positive received low up to</source>
        <translation>Positivas recibidas bajas hasta</translation>
    </message>
    <message>
        <source>Negative received low up to</source>
        <translation>Negativas recibidas bajas hasta</translation>
    </message>
    <message>
        <source>Impact low up to</source>
        <translation>Impacto bajo hasta</translation>
    </message>
    <message>
        <source>Group size</source>
        <translation>Tamaño del grupo</translation>
    </message>
    <message>
        <source>Isolates</source>
        <translation>Aislados</translation>
    </message>
    <message>
        <source>Rejected only</source>
        <translation>Solo rechazados</translation>
    </message>
    <message>
        <source>Entries left out</source>
        <translation>Entradas omitidas</translation>
    </message>
    <message>
        <source>No cliques</source>
        <translation>Sin cliques</translation>
    </message>
    <message>
        <source>Cliques (every pair chose each other): %1</source>
        <translation>Cliques (cada par se eligió mutuamente): %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>The file %1 could not be written: %2</source>
        <translation>No se pudo escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Con &amp;nombres</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv);;All files (*)</source>
        <translation>Archivos separados por comas (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>FormImportText</name>
    <message>
        <source>Not read</source>
        <translation>No se lee</translation>
    </message>
    <message>
        <source>Who answers</source>
        <translation>Quién responde</translation>
    </message>
    <message>
        <source>Positive choices</source>
        <translation>Elecciones positivas</translation>
    </message>
    <message>
        <source>Negative choices</source>
        <translation>Elecciones negativas</translation>
    </message>
    <message>
        <source>Choices</source>
        <translation>Elecciones</translation>
    </message>
    <message>
        <source>Names are matched only with the class list: give it first with File &gt; Class List..., Load..., then import again.</source>
        <translation>Los nombres solo se reconocen con la lista de la clase: introdúzcala primero con Archivo &gt; Lista de la clase..., Cargar..., y vuelva a importar.</translation>
    </message>
    <message>
        <source>Some rows of the file have problems:</source>
        <translation>Algunas filas del archivo tienen problemas:</translation>
    </message>
    <message>
        <source>No row can be taken; nothing was imported.</source>
        <translation>No se puede tomar ninguna fila; no se importó nada.</translation>
    </message>
    <message>
        <source>Take the one row without a problem</source>
        <translation>¿Tomar la única fila sin problemas</translation>
    </message>
    <message>
        <source>Take the %1 rows without a problem</source>
        <translation>¿Tomar las %1 filas sin problemas</translation>
    </message>
    <message>
        <source>and leave the other out?</source>
        <translation>y omitir la otra?</translation>
    </message>
    <message>
        <source>and leave the %1 others out?</source>
        <translation>y omitir las otras %1?</translation>
    </message>
    <message>
        <source>No imports nothing.</source>
        <translation>Si responde No, no se importa nada.</translation>
    </message>
    <message>
        <source>Import Form Responses</source>
        <translation>Importar respuestas de formulario</translation>
    </message>
    <message>
        <source>Say what each column holds. The first rows of the file:</source>
        <translation>Indique qué contiene cada columna. Las primeras filas del archivo:</translation>
    </message>
    <message>
        <source>Column %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message>
        <source>Form responses (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Respuestas de formulario (*.csv *.tsv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The responses were not imported:</source>
        <translation>No se importaron las respuestas:</translation>
    </message>
</context>
<context>
    <name>FormResponsesText</name>
    <message>
        <source>No column is marked as the respondent.</source>
        <translation>Ninguna columna está marcada como la de quién responde.</translation>
    </message>
    <message>
        <source>No column is marked as holding choices.</source>
        <translation>Ninguna columna está marcada como columna de elecciones.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number, and without a class list only numbers are matched.</source>
        <translation>&quot;%1&quot; no es un número, y sin lista de la clase solo se reconocen números.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a name of the class list.</source>
        <translation>&quot;%1&quot; no es un nombre de la lista de la clase.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; fits more than one pupil: %2.</source>
        <translation>&quot;%1&quot; corresponde a más de un alumno: %2.</translation>
    </message>
    <message>
        <source>%1 cannot choose themselves.</source>
        <translation>%1 no puede elegirse a sí mismo.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>%1 está elegido dos veces.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Hay más elecciones de las que permite el estudio (%1).</translation>
    </message>
    <message>
        <source>The row does not say who answers.</source>
        <translation>La fila no indica quién responde.</translation>
    </message>
    <message>
        <source>%1 answers a second time; the first row is line %2, and this later row is the one offered.</source>
        <translation>%1 responde por segunda vez; la primera fila es la línea %2, y se ofrece esta fila posterior.</translation>
    </message>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>El archivo no es de texto: contiene caracteres de control.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un campo entre comillas no está cerrado.</translation>
    </message>
    <message>
        <source>The file holds no responses.</source>
        <translation>El archivo no contiene respuestas.</translation>
    </message>
</context>
<context>
    <name>Groups</name>
    <message>
        <source>A class of %1 subjects is too small to split: it takes at least 4 subjects to form groups.</source>
        <translation>Una clase de %1 sujetos es demasiado pequeña para dividirla: se necesitan al menos 4 sujetos para formar grupos.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 groups for %3 subjects.</source>
        <translation>Elija entre %1 y %2 grupos para %3 sujetos.</translation>
    </message>
    <message>
        <source>Choose from %1 to %2 seats per table for %3 subjects.</source>
        <translation>Elija entre %1 y %2 asientos por mesa para %3 sujetos.</translation>
    </message>
    <message>
        <source>Subject %1 sits with subject %2</source>
        <translation>El sujeto %1 se sienta con el sujeto %2</translation>
    </message>
    <message>
        <source>, and they rejected each other</source>
        <translation>, y se rechazaron mutuamente</translation>
    </message>
    <message>
        <source>, who rejected them</source>
        <translation>, que lo rechazó</translation>
    </message>
    <message>
        <source>, whom they rejected</source>
        <translation>, a quien rechazó</translation>
    </message>
    <message>
        <source>Subject %1 chose nobody</source>
        <translation>El sujeto %1 no eligió a nadie</translation>
    </message>
    <message>
        <source>rejected by the only subject they chose</source>
        <translation>rechazado por el único sujeto que eligió</translation>
    </message>
    <message>
        <source>rejected by every subject they chose</source>
        <translation>rechazado por todos los sujetos que eligió</translation>
    </message>
    <message>
        <source>chose %1 subjects: %2 rejected them and %3 %4</source>
        <translation>eligió a %1 sujetos: %2 lo rechazaron y %3 %4</translation>
    </message>
    <message>
        <source>is in another group</source>
        <translation>está en otro grupo</translation>
    </message>
    <message>
        <source>are in other groups</source>
        <translation>están en otros grupos</translation>
    </message>
    <message>
        <source>chose 1 subject who is in another group</source>
        <translation>eligió a 1 sujeto que está en otro grupo</translation>
    </message>
    <message>
        <source>chose %1 subjects who are in other groups</source>
        <translation>eligió a %1 sujetos que están en otros grupos</translation>
    </message>
    <message>
        <source>Subject %1 was chosen by nobody and %2</source>
        <translation>El sujeto %1 no fue elegido por nadie y %2</translation>
    </message>
    <message>
        <source>Subject %1 was %2</source>
        <translation>El sujeto %1 fue %2</translation>
    </message>
    <message>
        <source>Subject %1 %2</source>
        <translation>El sujeto %1 %2</translation>
    </message>
    <message>
        <source>they rejected each other</source>
        <translation>se rechazaron mutuamente</translation>
    </message>
    <message>
        <source>%1 rejected %2</source>
        <translation>%1 rechazó a %2</translation>
    </message>
    <message>
        <source>Group %1: subjects %2 and %3 (%4)</source>
        <translation>Grupo %1: sujetos %2 y %3 (%4)</translation>
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
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Number of &amp;groups:</source>
        <translation>Número de &amp;grupos:</translation>
    </message>
    <message>
        <source>&amp;Seats per table:</source>
        <translation>&amp;Asientos por mesa:</translation>
    </message>
    <message>
        <source>&amp;Make Groups</source>
        <translation>&amp;Formar grupos</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Sujeto</translation>
    </message>
    <message>
        <source>Chosen mates in the group</source>
        <translation>Compañeros elegidos en el grupo</translation>
    </message>
    <message>
        <source>Why marked</source>
        <translation>Motivo de la marca</translation>
    </message>
    <message>
        <source>Show on S&amp;ociogram</source>
        <translation>Mostrar en el s&amp;ociograma</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Choose the number of groups, or the seats per table, and press Make Groups.</source>
        <translation>Elija el número de grupos, o los asientos por mesa, y pulse Formar grupos.</translation>
    </message>
    <message>
        <source>Subject %1</source>
        <translation>Sujeto %1</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>subject</source>
        <translation>sujeto</translation>
    </message>
    <message>
        <source>subjects</source>
        <translation>sujetos</translation>
    </message>
    <message>
        <source>%1 could not be kept apart: %2.</source>
        <translation>No hubo forma de separar %1: %2.</translation>
    </message>
    <message>
        <source>rejection pair</source>
        <translation>par de rechazo</translation>
    </message>
    <message>
        <source>rejection pairs</source>
        <translation>pares de rechazo</translation>
    </message>
    <message>
        <source>Nobody sits with someone they rejected or who rejected them.</source>
        <translation>Nadie se sienta con alguien a quien rechazó o que lo rechazó.</translation>
    </message>
    <message>
        <source>%1 of %2 subjects sit with someone they chose; %3 of %4 positive choices are kept within a group.</source>
        <translation>%1 de %2 sujetos se sientan con alguien a quien eligieron; %3 de %4 elecciones positivas se mantienen dentro de un grupo.</translation>
    </message>
    <message>
        <source>Every grouping was tried: none is better.</source>
        <translation>Se probaron todas las agrupaciones: ninguna es mejor.</translation>
    </message>
    <message>
        <source>No sociogram is open. Draw one from the data window&apos;s Plot Sociogram menu, then show the groups on it.</source>
        <translation>No hay ningún sociograma abierto. Dibuje uno desde el menú Trazar sociograma de la ventana de datos y luego muestre en él los grupos.</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Export Groups</source>
        <translation>Exportar grupos</translation>
    </message>
    <message>
        <source>groups</source>
        <translation>grupos</translation>
    </message>
    <message>
        <source>There were no choices to go by: the groups are only even in size.</source>
        <translation>No había elecciones en las que basarse: los grupos solo están igualados en tamaño.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The guide is not part of this build.</source>
        <translation>La guía no forma parte de esta compilación.</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Sociogram %1

Built with Qt %2, running on Qt %3. Qt is used under the GNU Lesser General Public License, version 3.

The study file:
%4</source>
        <translation>Sociogram %1

Compilado con Qt %2, ejecutándose con Qt %3. Qt se usa bajo la Licencia Pública General Reducida de GNU, versión 3.

El archivo del estudio:
%4</translation>
    </message>
    <message>
        <source>About Sociogram</source>
        <translation>Acerca de Sociogram</translation>
    </message>
    <message>
        <source>This guide is written in English.</source>
        <translation>Esta guía está escrita en inglés.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>The file is not text: it holds control characters.</source>
        <translation>El archivo no es de texto: contiene caracteres de control.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un campo entre comillas no está cerrado.</translation>
    </message>
    <message>
        <source>The file holds no names.</source>
        <translation>El archivo no contiene nombres.</translation>
    </message>
    <message>
        <source>The row does not begin with the subject&apos;s number.</source>
        <translation>La fila no empieza con el número del sujeto.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>El nombre está vacío.</translation>
    </message>
    <message>
        <source>The list holds %1 names for the %2 subjects of the study.</source>
        <translation>La lista contiene %1 nombres para los %2 sujetos del estudio.</translation>
    </message>
    <message>
        <source>The text holds no rows of choices.</source>
        <translation>El texto no contiene filas de elecciones.</translation>
    </message>
    <message>
        <source>The row does not begin with the chooser&apos;s number.</source>
        <translation>La fila no empieza con el número del elector.</translation>
    </message>
    <message>
        <source>Subject %1 is given a second time; the first row is line %2.</source>
        <translation>El sujeto %1 aparece por segunda vez; la primera fila es la línea %2.</translation>
    </message>
    <message>
        <source>More choices are given than the study allows (%1).</source>
        <translation>Hay más elecciones de las que permite el estudio (%1).</translation>
    </message>
    <message>
        <source>Subject %1 cannot choose themselves.</source>
        <translation>El sujeto %1 no puede elegirse a sí mismo.</translation>
    </message>
    <message>
        <source>Subject %1 is chosen twice in this row.</source>
        <translation>El sujeto %1 está elegido dos veces en esta fila.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 no es un número de sujeto de 1 a %2.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <translation>... y %1 más.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Import Choices</source>
        <translation>Importar elecciones</translation>
    </message>
    <message>
        <source>Comma-separated files (*.csv *.txt);;All files (*)</source>
        <translation>Archivos separados por comas (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>No se pudo leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The choices were not imported:</source>
        <translation>No se importaron las elecciones:</translation>
    </message>
    <message>
        <source>The line holds no name: without numbers, each line is the name of the next subject.</source>
        <translation>La línea no contiene ningún nombre: sin números, cada línea es el nombre del siguiente sujeto.</translation>
    </message>
</context>
<context>
    <name>ImportChoices</name>
    <message>
        <source>Replace the choices in the grid with those of the file?</source>
        <translation>¿Sustituir las elecciones de la tabla por las del archivo?</translation>
    </message>
    <message>
        <source>subject %1</source>
        <translation>al sujeto %1</translation>
    </message>
    <message>
        <source>subjects %1</source>
        <translation>a los sujetos %1</translation>
    </message>
    <message>
        <source>The file does not name %1, whose choices are in the grid.

Keep their choices? Yes keeps them and takes the rows of the file, No empties them, Cancel imports nothing.</source>
        <translation>El archivo no nombra %1, cuyas elecciones están en la tabla.

¿Conservar sus elecciones? Sí las conserva y toma las filas del archivo, No las vacía, Cancelar no importa nada.</translation>
    </message>
</context>
<context>
    <name>InfoForm</name>
    <message>
        <source>Positive</source>
        <translation>Positivo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Study Information</source>
        <translation>Información del estudio</translation>
    </message>
    <message>
        <source>Criterion:</source>
        <translation>Criterio:</translation>
    </message>
    <message>
        <source>Criterion Type:</source>
        <translation>Tipo de criterio:</translation>
    </message>
    <message>
        <source>Reference Name:</source>
        <translation>Nombre de referencia:</translation>
    </message>
    <message>
        <source>Group Size (6-40):</source>
        <translation>Tamaño del grupo (6-40):</translation>
    </message>
    <message>
        <source>Maximum Number of Choices Allowed (1-10):</source>
        <translation>Número máximo de elecciones permitidas (1-10):</translation>
    </message>
    <message>
        <source>This is used to store a description of the data set.</source>
        <translation>Sirve para guardar una descripción del conjunto de datos.</translation>
    </message>
    <message>
        <source>This is used to identify the data set in the database</source>
        <translation>Sirve para identificar el conjunto de datos en la base de datos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>Positive Choice</source>
        <translation>Elección positiva</translation>
    </message>
    <message>
        <source>Negative Choice</source>
        <translation>Elección negativa</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupo %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estatus</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Kept in both surveys</source>
        <translation>Mantenido en ambas encuestas</translation>
    </message>
    <message>
        <source>New since &quot;%1&quot;</source>
        <translation>Nuevo desde &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Gone since &quot;%1&quot;</source>
        <translation>Desaparecido desde &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Chooser</source>
        <translation>Elector</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Elegido</translation>
    </message>
    <message>
        <source>Mutual</source>
        <translation>Mutua</translation>
    </message>
</context>
<context>
    <name>KeyForm</name>
    <message>
        <source>Sociogram Key</source>
        <translation>Leyenda del sociograma</translation>
    </message>
</context>
<context>
    <name>KioskAnswerText</name>
    <message>
        <source>More classmates are chosen than the study allows (%1).</source>
        <translation>Has elegido más compañeros de los que permite el estudio (%1).</translation>
    </message>
    <message>
        <source>%1 is not a subject number from 1 to %2.</source>
        <translation>%1 no es un número de la clase, de 1 a %2.</translation>
    </message>
    <message>
        <source>A pupil cannot choose themselves.</source>
        <translation>No puedes elegirte a ti.</translation>
    </message>
    <message>
        <source>%1 is chosen twice.</source>
        <translation>Has elegido a %1 dos veces.</translation>
    </message>
</context>
<context>
    <name>KioskWindow</name>
    <message>
        <source>Pupils Answer Here</source>
        <translation>Los alumnos responden aquí</translation>
    </message>
    <message>
        <source>Not me: start again</source>
        <translation>No soy yo: empezar de nuevo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Yes, save my answer</source>
        <translation>Sí, guardar mi respuesta</translation>
    </message>
    <message>
        <source>Who are you?</source>
        <translation>¿Quién eres?</translation>
    </message>
    <message>
        <source>Touch your own name.</source>
        <translation>Toca tu nombre.</translation>
    </message>
    <message>
        <source>Touch your own number.</source>
        <translation>Toca tu número.</translation>
    </message>
    <message>
        <source>✓ %1</source>
        <translation>✓ %1</translation>
    </message>
    <message>
        <source>Negative Criterion: </source>
        <translation>Criterio negativo: </translation>
    </message>
    <message>
        <source>Positive Criterion: </source>
        <translation>Criterio positivo: </translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates, or Nobody.</source>
        <translation>%1, toca hasta %2 compañeros, o Nadie.</translation>
    </message>
    <message>
        <source>%1, touch up to %2 classmates.</source>
        <translation>%1, toca hasta %2 compañeros.</translation>
    </message>
    <message>
        <source>Nobody</source>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>Is this right, %1?</source>
        <translation>¿Está bien así, %1?</translation>
    </message>
    <message>
        <source>These are your answers. Nobody else will see them.</source>
        <translation>Estas son tus respuestas. Nadie más las verá.</translation>
    </message>
    <message>
        <source>Thank you! Pass the computer on to the next pupil.</source>
        <translation>¡Gracias! Pasa el ordenador al siguiente compañero.</translation>
    </message>
    <message>
        <source>Teacher: let every pupil marked as done answer again?</source>
        <translation>Docente: ¿dejar que vuelvan a responder todos los alumnos marcados como terminados?</translation>
    </message>
    <message>
        <source>Teacher only: do the pupils go on answering?

Yes goes on. No ends the round and shows the program&apos;s windows again; every answer confirmed is stored.</source>
        <translation>Solo para el docente: ¿siguen respondiendo los alumnos?

Sí continúa. No termina la ronda y vuelve a mostrar las ventanas del programa; se guardan todas las respuestas confirmadas.</translation>
    </message>
    <message>
        <source>The grid is saved before the pupils answer. Save it now?</source>
        <translation>La tabla se guarda antes de que respondan los alumnos. ¿Guardarla ahora?</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
</context>
<context>
    <name>LoadForm</name>
    <message>
        <source>Load File</source>
        <translation>Cargar archivo</translation>
    </message>
    <message>
        <source>Select Project</source>
        <translation>Seleccionar proyecto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Delete the Current Record?</source>
        <translation>¿Eliminar el registro actual?</translation>
    </message>
    <message>
        <source>The Project Could Not Be Deleted - It Has Been Left As It Was</source>
        <translation>No se pudo eliminar el proyecto; se ha dejado como estaba</translation>
    </message>
    <message>
        <source>You Must Enter the Relevant Criterion</source>
        <translation>Debe introducir el criterio correspondiente</translation>
    </message>
    <message>
        <source>Duplicate Reference Names Are Not Advisable</source>
        <translation>No se recomienda repetir nombres de referencia</translation>
    </message>
    <message>
        <source>You Must Enter a Reference Name</source>
        <translation>Debe introducir un nombre de referencia</translation>
    </message>
    <message>
        <source>Invalid Group Size - Please Try Again</source>
        <translation>Tamaño del grupo no válido. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Invalid Number of Choices - Please Try Again</source>
        <translation>Número de elecciones no válido. Inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Changes Saved As Requested</source>
        <translation>Cambios guardados según lo solicitado</translation>
    </message>
    <message>
        <source>Save Changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>You Must First Save Changes: Save Now?</source>
        <translation>Primero debe guardar los cambios: ¿guardar ahora?</translation>
    </message>
    <message>
        <source>The changes could not be saved, so the file keeps the answers it had before. The grid still holds every answer you typed.</source>
        <translation>No se pudieron guardar los cambios, así que el archivo conserva las respuestas que tenía antes. La tabla aún contiene todas las respuestas que escribió.</translation>
    </message>
    <message>
        <source>Subjects Cannot Choose Themselves </source>
        <translation>Los sujetos no pueden elegirse a sí mismos </translation>
    </message>
    <message>
        <source>The Sociogram Window Is Too Small To Place All The Labels</source>
        <translation>La ventana del sociograma es demasiado pequeña para colocar todas las etiquetas</translation>
    </message>
    <message>
        <source>Save Current Sociogram Settings?</source>
        <translation>¿Guardar la configuración actual del sociograma?</translation>
    </message>
    <message>
        <source>This study&apos;s details could not be read from the file, so the grid is not saved over it. The file keeps the answers it had.</source>
        <translation>No se pudieron leer del archivo los datos de este estudio, así que la tabla no se guarda sobre ellos. El archivo conserva las respuestas que tenía.</translation>
    </message>
</context>
<context>
    <name>PictureChoices</name>
    <message>
        <source>Include the key</source>
        <translation>Incluir la leyenda</translation>
    </message>
    <message>
        <source>Include a title</source>
        <translation>Incluir un título</translation>
    </message>
    <message>
        <source>Colour the groups</source>
        <translation>Colorear los grupos</translation>
    </message>
    <message>
        <source>Mark the status</source>
        <translation>Marcar el estatus</translation>
    </message>
    <message>
        <source>With &amp;names</source>
        <translation>Con &amp;nombres</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>that name belongs to a folder</source>
        <translation>ese nombre pertenece a una carpeta</translation>
    </message>
    <message>
        <source>the file could not be opened for writing (%1)</source>
        <translation>no se pudo abrir el archivo para escribir (%1)</translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>no se pudo iniciar el dibujo</translation>
    </message>
    <message>
        <source>an image of %1 by %2 pixels is too large to make</source>
        <translation>una imagen de %1 por %2 píxeles es demasiado grande</translation>
    </message>
    <message>
        <source>the image could not be written (%1)</source>
        <translation>no se pudo escribir la imagen (%1)</translation>
    </message>
    <message>
        <source>the page could not be set up</source>
        <translation>no se pudo configurar la página</translation>
    </message>
    <message>
        <source>the picture format is not known</source>
        <translation>el formato de imagen no es conocido</translation>
    </message>
    <message>
        <source>no file name was given</source>
        <translation>no se indicó ningún nombre de archivo</translation>
    </message>
    <message>
        <source>the sociogram has no area to draw</source>
        <translation>el sociograma no tiene área para dibujar</translation>
    </message>
    <message>
        <source>the resolution must be from %1 to %2 dots per inch</source>
        <translation>la resolución debe estar entre %1 y %2 puntos por pulgada</translation>
    </message>
    <message>
        <source>The sociogram picture could not be saved as &quot;%1&quot; because %2.</source>
        <translation>No se pudo guardar la imagen del sociograma como &quot;%1&quot; porque %2.</translation>
    </message>
    <message>
        <source>writing the file failed (%1)</source>
        <translation>falló la escritura del archivo (%1)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta &quot;%1&quot; no existe</translation>
    </message>
</context>
<context>
    <name>PictureTitle</name>
    <message>
        <source>positive</source>
        <translation>positivas</translation>
    </message>
    <message>
        <source>negative</source>
        <translation>negativas</translation>
    </message>
    <message>
        <source>positive and negative</source>
        <translation>positivas y negativas</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>%1 layout</source>
        <translation>Disposición: %1</translation>
    </message>
    <message>
        <source>, status by %1</source>
        <translation>, estatus según %1</translation>
    </message>
    <message>
        <source>, most chosen and isolates marked</source>
        <translation>, con los más elegidos y los aislados marcados</translation>
    </message>
    <message>
        <source>, most chosen marked</source>
        <translation>, con los más elegidos marcados</translation>
    </message>
    <message>
        <source>Ties kept, new and gone since &quot;%1&quot;</source>
        <translation>Vínculos mantenidos, nuevos y desaparecidos desde &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintBallotsText</name>
    <message>
        <source>Print Ballots to PDF File</source>
        <translation>Imprimir papeletas en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed and no PDF file was chosen, so no ballot was printed.</source>
        <translation>No hay ninguna impresora instalada ni se eligió un archivo PDF, así que no se imprimió ninguna papeleta.</translation>
    </message>
    <message>
        <source>Print Ballots</source>
        <translation>Imprimir papeletas</translation>
    </message>
    <message>
        <source>Printing was cancelled; no ballot was printed.</source>
        <translation>Se canceló la impresión; no se imprimió ninguna papeleta.</translation>
    </message>
    <message>
        <source>One slip for each pupil, several to a page. Pupils write the numbers of the classmates they choose.</source>
        <translation>Una papeleta por alumno, varias por página. Los alumnos escriben los números de los compañeros que eligen.</translation>
    </message>
    <message>
        <source>With names</source>
        <translation>Con nombres</translation>
    </message>
    <message>
        <source>The class list by number, with the pupils&apos; names</source>
        <translation>La lista de la clase por número, con los nombres de los alumnos</translation>
    </message>
    <message>
        <source>Give the class list first: File &gt; Class List...</source>
        <translation>Introduzca primero la lista de la clase: Archivo &gt; Lista de la clase...</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>el archivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The ballots could not be printed to %1. Check that it is available and that you may write to it.</source>
        <translation>No se pudieron imprimir las papeletas en %1. Compruebe que esté disponible y que tenga permiso de escritura.</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print Sociogram</source>
        <translation>Imprimir sociograma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SociogramState</name>
    <message>
        <source>Move of Label %1</source>
        <translation>movimiento de la etiqueta %1</translation>
    </message>
    <message>
        <source>Tidy Labels</source>
        <translation>ordenación de etiquetas</translation>
    </message>
</context>
<context>
    <name>StartForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuevo proyecto</translation>
    </message>
    <message>
        <source>&amp;Load Existing Project</source>
        <translation>&amp;Abrir proyecto existente</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Open &amp;Example Class</source>
        <translation>Abrir clase de &amp;ejemplo</translation>
    </message>
    <message>
        <source>User &amp;Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>No study yet? &lt;a href=&quot;example&quot;&gt;Open the example class&lt;/a&gt; to see a class of 24 at work, or start with File &amp;gt; New Project.</source>
        <translation>¿Aún no tiene ningún estudio? &lt;a href=&quot;example&quot;&gt;Abra la clase de ejemplo&lt;/a&gt; para ver una clase de 24 en acción, o empiece con Archivo &amp;gt; Nuevo proyecto.</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>The database %1 has no table %2; it is not a complete study database.</source>
        <translation>La base de datos %1 no tiene la tabla %2; no es una base de datos de estudio completa.</translation>
    </message>
    <message>
        <source>The database %1 lacks the index %2; it is not a complete study database.</source>
        <translation>A la base de datos %1 le falta el índice %2; no es una base de datos de estudio completa.</translation>
    </message>
    <message>
        <source>Could not find file %1.</source>
        <translation>No se encontró el archivo %1.</translation>
    </message>
    <message>
        <source>Couldn&apos;t update %1; it is currently locked by another program.</source>
        <translation>No se pudo actualizar %1; otro programa lo tiene bloqueado.</translation>
    </message>
    <message>
        <source>Couldn&apos;t lock a table of %1; it is currently in use.</source>
        <translation>No se pudo bloquear una tabla de %1; está en uso.</translation>
    </message>
    <message>
        <source>The database %1 is read-only; changes cannot be written to it.</source>
        <translation>La base de datos %1 es de solo lectura; no se pueden escribir cambios en ella.</translation>
    </message>
    <message>
        <source>Could not lock the file %1.</source>
        <translation>No se pudo bloquear el archivo %1.</translation>
    </message>
    <message>
        <source>The database %1 cannot be opened.</source>
        <translation>No se puede abrir la base de datos %1.</translation>
    </message>
    <message>
        <source>Unrecognized database format %1: the file is not a study database.</source>
        <translation>Formato de base de datos no reconocido %1: el archivo no es una base de datos de estudio.</translation>
    </message>
    <message>
        <source>Cannot open database %1. The file may be damaged.</source>
        <translation>No se puede abrir la base de datos %1. Puede que el archivo esté dañado.</translation>
    </message>
    <message>
        <source>Not enough space on disk for %1; nothing was written.</source>
        <translation>No hay espacio suficiente en el disco para %1; no se escribió nada.</translation>
    </message>
    <message>
        <source>Disk error while reading or writing %1.</source>
        <translation>Error de disco al leer o escribir %1.</translation>
    </message>
    <message>
        <source>The change to %1 was refused: %2</source>
        <translation>Se rechazó el cambio en %1: %2</translation>
    </message>
    <message>
        <source>A value does not fit its field in %1.</source>
        <translation>Un valor no cabe en su campo en %1.</translation>
    </message>
    <message>
        <source>The database %1 reported: %2</source>
        <translation>La base de datos %1 informó: %2</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se encontró el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The database %1 lacks the field %2; it is not a complete study database.</source>
        <translation>A la base de datos %1 le falta el campo %2; no es una base de datos de estudio completa.</translation>
    </message>
</context>
<context>
    <name>StudyPicker</name>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>&amp;Earlier survey of this class:</source>
        <translation>&amp;Encuesta anterior de esta clase:</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1 (record %2)</source>
        <translation>%1 (registro %2)</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>The file is too large to be a class list, a sheet of choices or a form&apos;s responses.</source>
        <translation>El archivo es demasiado grande para ser una lista de la clase, una hoja de elecciones o las respuestas de un formulario.</translation>
    </message>
    <message>
        <source>line %1 is not text, neither in UTF-8 nor in the Windows code page (Windows-1252).</source>
        <translation>la línea %1 no es texto, ni en UTF-8 ni en la página de códigos de Windows (Windows-1252).</translation>
    </message>
</context>
</TS>
