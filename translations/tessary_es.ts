<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChartActions</name>
    <message>
        <source>Import chart...</source>
        <translation>Importar gráfico...</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Guardar gráfico...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copiar como mapa de bits</translation>
    </message>
    <message>
        <source>Copy as Metafile</source>
        <translation>Copiar como metarchivo</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Edit chart...</source>
        <translation>Editar gráfico...</translation>
    </message>
    <message>
        <source>Vertical bars</source>
        <translation>Barras verticales</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Barras horizontales</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Sectores</translation>
    </message>
    <message>
        <source>Grouped bars</source>
        <translation>Barras agrupadas</translation>
    </message>
    <message>
        <source>Grouped lines</source>
        <translation>Líneas agrupadas</translation>
    </message>
    <message>
        <source>Swap series and categories</source>
        <translation>Intercambiar series y categorías</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Paredes</translation>
    </message>
    <message>
        <source>Base lines</source>
        <translation>Líneas de base</translation>
    </message>
    <message>
        <source>Rotate with the mouse</source>
        <translation>Girar con el ratón</translation>
    </message>
    <message>
        <source>Zoom with the mouse</source>
        <translation>Ampliar con el ratón</translation>
    </message>
    <message>
        <source>Undo zoom</source>
        <translation>Deshacer zoom</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Balancear</translation>
    </message>
    <message>
        <source>Copy as Metafile (SVG)</source>
        <translation>Copiar como metarchivo (SVG)</translation>
    </message>
</context>
<context>
    <name>ChartEditDialog</name>
    <message>
        <source>Edit chart</source>
        <translation>Editar gráfico</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Changes show on the chart at once; Cancel undoes them.</source>
        <translation>Los cambios se ven al instante en el gráfico; Cancelar los deshace.</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Fondo:</translation>
    </message>
    <message>
        <source>Draw a &amp;border around the chart</source>
        <translation>Dibujar un &amp;borde alrededor del gráfico</translation>
    </message>
    <message>
        <source>Show the &amp;legend</source>
        <translation>Mostrar la &amp;leyenda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Legend &amp;position:</source>
        <translation>&amp;Posición de la leyenda:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Depth (3D points)</source>
        <translation>Profundidad (puntos 3D)</translation>
    </message>
    <message>
        <source>A&amp;xis:</source>
        <translation>E&amp;je:</translation>
    </message>
    <message>
        <source>&amp;Automatic range</source>
        <translation>Rango &amp;automático</translation>
    </message>
    <message>
        <source>M&amp;inimum:</source>
        <translation>M&amp;ínimo:</translation>
    </message>
    <message>
        <source>Ma&amp;ximum:</source>
        <translation>Má&amp;ximo:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Paso:</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Invertido</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>Líneas de &amp;cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Label angle:</source>
        <translation>Ángulo de las &amp;etiquetas:</translation>
    </message>
    <message>
        <source>Minimum and maximum must be numbers.</source>
        <translation>El mínimo y el máximo deben ser números.</translation>
    </message>
    <message>
        <source>The minimum must not be above the maximum.</source>
        <translation>El mínimo no debe superar al máximo.</translation>
    </message>
    <message>
        <source>&amp;3D view</source>
        <translation>Vista &amp;3D</translation>
    </message>
    <message>
        <source>&amp;Walls</source>
        <translation>&amp;Paredes</translation>
    </message>
    <message>
        <source>Wall &amp;edges</source>
        <translation>&amp;Bordes de las paredes</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>&amp;Rotación:</translation>
    </message>
    <message>
        <source>&amp;Elevation:</source>
        <translation>&amp;Elevación:</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <translation>&amp;Profundidad:</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Verde billete</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crema</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Gris medio</translation>
    </message>
</context>
<context>
    <name>CommentMenu</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>Converters</name>
    <message>
        <source>No temporary folder could be made for a conversion: %1</source>
        <translation>No se pudo crear una carpeta temporal para la conversión: %1</translation>
    </message>
    <message>
        <source>The conversion of &quot;%1&quot; produced no file.</source>
        <translation>La conversión de «%1» no produjo ningún archivo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert &quot;%1&quot;: it wrote no document.</source>
        <translation>LibreOffice no pudo convertir «%1»: no escribió ningún documento.</translation>
    </message>
    <message>
        <source>Files of type &quot;.%1&quot; cannot be converted to a document.</source>
        <translation>Los archivos de tipo «.%1» no se pueden convertir en documento.</translation>
    </message>
    <message>
        <source>The document could not be written for conversion.</source>
        <translation>No se pudo escribir el documento para la conversión.</translation>
    </message>
    <message>
        <source>pandoc wrote no file &quot;%1&quot;.</source>
        <translation>pandoc no escribió el archivo «%1».</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo PDF «%1».</translation>
    </message>
    <message>
        <source>Documents cannot be written as &quot;.%1&quot; files.</source>
        <translation>Los documentos no se pueden guardar como archivos «.%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>No se pudo escribir el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Can&apos;t create HTML file</source>
        <translation>No se puede crear el archivo HTML</translation>
    </message>
    <message>
        <source>Can&apos;t open RTF file</source>
        <translation>No se puede abrir el archivo RTF</translation>
    </message>
    <message>
        <source>RTF file has zero length</source>
        <translation>El archivo RTF está vacío</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>%1 is needed to convert &quot;%2&quot; but is not installed. Install the Debian package &quot;%3&quot;.</source>
        <translation>Se necesita %1 para convertir «%2», pero no está instalado. Instale el paquete de Debian «%3».</translation>
    </message>
    <message>
        <source>%1 could not be started to convert &quot;%2&quot;: %3</source>
        <translation>No se pudo iniciar %1 para convertir «%2»: %3</translation>
    </message>
    <message>
        <source>%1 did not finish converting &quot;%2&quot; within %3 seconds and was stopped.</source>
        <translation>%1 no terminó de convertir «%2» en %3 segundos y se detuvo.</translation>
    </message>
    <message>
        <source>it stopped abnormally</source>
        <translation>se detuvo de forma anómala</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>%1 could not convert &quot;%2&quot;: %3</source>
        <translation>%1 no pudo convertir «%2»: %3</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>zlib error %1</source>
        <translation>error de zlib %1</translation>
    </message>
    <message>
        <source>Cannot compress a field: the zlib stream is incomplete</source>
        <translation>No se puede comprimir un campo: el flujo zlib está incompleto</translation>
    </message>
    <message>
        <source>Cannot start zlib: %1</source>
        <translation>No se puede iniciar zlib: %1</translation>
    </message>
    <message>
        <source>A compressed field is damaged: the zlib stream is truncated</source>
        <translation>Un campo comprimido está dañado: el flujo zlib está truncado</translation>
    </message>
    <message>
        <source>A compressed field is too large to be read</source>
        <translation>Un campo comprimido es demasiado grande para leerlo</translation>
    </message>
    <message>
        <source>A compressed field is damaged: %1</source>
        <translation>Un campo comprimido está dañado: %1</translation>
    </message>
    <message>
        <source>invalid zlib data</source>
        <translation>datos zlib no válidos</translation>
    </message>
    <message>
        <source>A compressed field is damaged: bytes follow the zlib stream</source>
        <translation>Un campo comprimido está dañado: hay bytes después del flujo zlib</translation>
    </message>
    <message>
        <source>Cannot decode a binary field</source>
        <translation>No se puede decodificar un campo binario</translation>
    </message>
    <message>
        <source>The database is not connected</source>
        <translation>La base de datos no está conectada</translation>
    </message>
    <message>
        <source>the connection to the server was lost: %1</source>
        <translation>se perdió la conexión con el servidor: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>No se puede conectar a %1: %2</translation>
    </message>
    <message>
        <source>%1: the server does not speak UTF-8</source>
        <translation>%1: el servidor no admite UTF-8</translation>
    </message>
    <message>
        <source>The server has no report %1 (%2)</source>
        <translation>El servidor no tiene ningún informe %1 (%2)</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>Campo %1: %2</translation>
    </message>
    <message>
        <source>%1: table %2 does not exist</source>
        <translation>%1: la tabla %2 no existe</translation>
    </message>
    <message>
        <source>%1: table %2 has no identity column</source>
        <translation>%1: la tabla %2 no tiene columna de identidad</translation>
    </message>
    <message>
        <source>Table %1 is not open</source>
        <translation>La tabla %1 no está abierta</translation>
    </message>
    <message>
        <source>Table %1 has no field %2</source>
        <translation>La tabla %1 no tiene el campo %2</translation>
    </message>
    <message>
        <source>Cannot locate on the compressed field %1</source>
        <translation>No se puede buscar en el campo comprimido %1</translation>
    </message>
    <message>
        <source>No current record</source>
        <translation>No hay ningún registro actual</translation>
    </message>
    <message>
        <source>%1: the record was deleted by another user</source>
        <translation>%1: otro usuario eliminó el registro</translation>
    </message>
    <message>
        <source>Table %1 is not in edit or insert mode</source>
        <translation>La tabla %1 no está en modo de edición o inserción</translation>
    </message>
    <message>
        <source>%1 is not a server address</source>
        <translation>%1 no es una dirección de servidor</translation>
    </message>
    <message>
        <source>A report address must not hold a password; libpq takes it from ~/.pgpass or PGPASSWORD</source>
        <translation>La dirección de un informe no debe contener una contraseña; libpq la toma de ~/.pgpass o de PGPASSWORD</translation>
    </message>
    <message>
        <source>The address %1 names no report (add ?report=NAME)</source>
        <translation>La dirección %1 no indica ningún informe (añada ?report=NOMBRE)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a report name: use letters, digits and underscores, at most 63, starting with a letter</source>
        <translation>«%1» no es un nombre de informe: use letras, cifras y guiones bajos, 63 como máximo, empezando por una letra</translation>
    </message>
    <message>
        <source>Cannot prepare &quot;%1&quot;</source>
        <translation>No se puede preparar «%1»</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>no conectado</translation>
    </message>
    <message>
        <source>Cannot read the fields of %1</source>
        <translation>No se pueden leer los campos de %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>File is not a report database: %1 (%2)</source>
        <translation>El archivo no es una base de datos de informe: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The report file does not exist: %1</source>
        <translation>El archivo de informe no existe: %1</translation>
    </message>
    <message>
        <source>Cannot read the list of tables</source>
        <translation>No se puede leer la lista de tablas</translation>
    </message>
    <message>
        <source>Cannot read table %1</source>
        <translation>No se puede leer la tabla %1</translation>
    </message>
    <message>
        <source>Cannot search table %1</source>
        <translation>No se puede buscar en la tabla %1</translation>
    </message>
    <message>
        <source>Cannot write to table %1</source>
        <translation>No se puede escribir en la tabla %1</translation>
    </message>
    <message>
        <source>Cannot delete from table %1</source>
        <translation>No se puede eliminar de la tabla %1</translation>
    </message>
    <message>
        <source>Cannot compress a field: not enough memory</source>
        <translation>No se puede comprimir un campo: memoria insuficiente</translation>
    </message>
    <message>
        <source>Cannot compress a field of %1 bytes: it is too large</source>
        <translation>No se puede comprimir un campo de %1 bytes: es demasiado grande</translation>
    </message>
    <message>
        <source>The connection to %1 was lost; it is made again as soon as the server answers.</source>
        <translation>Se perdió la conexión con %1; se restablece en cuanto el servidor responda.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>The diagram cannot be read: %1.</source>
        <translation>No se puede leer el diagrama: %1.</translation>
    </message>
    <message>
        <source>block %1 has a %2 that is not a number</source>
        <translation>el bloque %1 tiene un valor %2 que no es un número</translation>
    </message>
    <message>
        <source>block %1 has a %2 out of range</source>
        <translation>el bloque %1 tiene un valor %2 fuera de rango</translation>
    </message>
    <message>
        <source>block %1 has a negative %2 (%3)</source>
        <translation>el bloque %1 tiene un valor %2 negativo (%3)</translation>
    </message>
    <message>
        <source>link %1 has a %2 &quot;%3&quot; that names no block</source>
        <translation>el enlace %1 tiene un extremo %2 «%3» que no indica ningún bloque</translation>
    </message>
    <message>
        <source>link %1 has no %2 block</source>
        <translation>el enlace %1 no tiene bloque %2</translation>
    </message>
    <message>
        <source>link %1 has a %2 (%3) that is not a block of the diagram</source>
        <translation>el enlace %1 tiene un extremo %2 (%3) que no es un bloque del diagrama</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>no es JSON válido (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>its format is &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>su formato es «%1», no «%2»</translation>
    </message>
    <message>
        <source>it was written by a newer version (%1) of the program</source>
        <translation>fue escrito por una versión más reciente (%1) del programa</translation>
    </message>
    <message>
        <source>&quot;blocks&quot; is not a list</source>
        <translation>«blocks» no es una lista</translation>
    </message>
    <message>
        <source>block %1 is not an object</source>
        <translation>el bloque %1 no es un objeto</translation>
    </message>
    <message>
        <source>&quot;links&quot; is not a list</source>
        <translation>«links» no es una lista</translation>
    </message>
    <message>
        <source>link %1 is not an object</source>
        <translation>el enlace %1 no es un objeto</translation>
    </message>
    <message>
        <source>link %1 has a negative width (%2)</source>
        <translation>el enlace %1 tiene un grosor negativo (%2)</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop the export</source>
        <translation>Detener la exportación</translation>
    </message>
    <message>
        <source>Export to HTML</source>
        <translation>Exportar a HTML</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html</source>
        <translation>Archivos HTML|*.htm;*.html</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Exportación cancelada</translation>
    </message>
    <message>
        <source>Do you want to view the document?</source>
        <translation>¿Desea ver el documento?</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp</source>
        <translation>Imágenes PNG (*.png)|*.png|Imágenes JPEG (*.jpg)|*.jpg|Mapas de bits (*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>The file %1 cannot be imported:
%2</source>
        <translation>El archivo %1 no se puede importar:
%2</translation>
    </message>
    <message>
        <source>Importing %1 of %2: %3</source>
        <translation>Importando %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 pages cannot be made from files here.</source>
        <translation>Las páginas de tipo %1 no se pueden crear a partir de archivos aquí.</translation>
    </message>
    <message>
        <source>The report cannot be written.</source>
        <translation>No se puede escribir el informe.</translation>
    </message>
    <message>
        <source>The import stopped because the report was closed or changed; %1 file(s) were not imported.</source>
        <translation>La importación se detuvo porque el informe se cerró o cambió; no se importaron %1 archivo(s).</translation>
    </message>
    <message>
        <source>The %1 file(s) after it were not imported.</source>
        <translation>Los %1 archivo(s) siguientes no se importaron.</translation>
    </message>
</context>
<context>
    <name>GlobalFind</name>
    <message>
        <source>cell %1%2</source>
        <translation>celda %1%2</translation>
    </message>
    <message>
        <source>page %1 (%2): its row cannot be read</source>
        <translation>página %1 (%2): no se puede leer su fila</translation>
    </message>
    <message>
        <source>page %1 (%2): %3</source>
        <translation>página %1 (%2): %3</translation>
    </message>
    <message>
        <source>text, paragraph %1, character %2</source>
        <translation>texto, párrafo %1, carácter %2</translation>
    </message>
    <message>
        <source>comment, line %1, character %2</source>
        <translation>comentario, línea %1, carácter %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Line %1: a quoted field is not closed. The rows before it were imported; the rest of the file was not.</source>
        <translation>Línea %1: un campo entre comillas no está cerrado. Se importaron las filas anteriores; el resto del archivo no.</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc is not installed (install the package &quot;pandoc&quot;).</source>
        <translation>No se puede escribir el documento de procesador de textos: pandoc no está instalado (instale el paquete «pandoc»).</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc did not finish within %1 seconds.</source>
        <translation>No se puede escribir el documento de procesador de textos: pandoc no terminó en %1 segundos.</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc failed (%1).</source>
        <translation>No se puede escribir el documento de procesador de textos: pandoc falló (%1).</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>Cannot create a scratch folder for the document.</source>
        <translation>No se puede crear una carpeta de trabajo para el documento.</translation>
    </message>
    <message>
        <source>Cannot write the scratch file %1.</source>
        <translation>No se puede escribir el archivo de trabajo %1.</translation>
    </message>
    <message>
        <source>pandoc wrote no document.</source>
        <translation>pandoc no escribió ningún documento.</translation>
    </message>
    <message>
        <source>Cannot create the file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
    <message>
        <source>Tables cannot be written as &quot;%1&quot;.</source>
        <translation>Las tablas no se pueden guardar como «%1».</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>The bytes are not a stored table.</source>
        <translation>Los bytes no son una tabla guardada.</translation>
    </message>
    <message>
        <source>The stored table has no valid version number.</source>
        <translation>La tabla guardada no tiene un número de versión válido.</translation>
    </message>
    <message>
        <source>The stored table was written by a newer version (%1) of the program.</source>
        <translation>La tabla guardada fue escrita por una versión más reciente (%1) del programa.</translation>
    </message>
    <message>
        <source>The stored table is too large (%1 rows, %2 columns).</source>
        <translation>La tabla guardada es demasiado grande (%1 filas, %2 columnas).</translation>
    </message>
    <message>
        <source>The stored table cannot be read: %1 at byte %2.</source>
        <translation>No se puede leer la tabla guardada: %1 en el byte %2.</translation>
    </message>
    <message>
        <source>Cannot create the spreadsheet %1.</source>
        <translation>No se puede crear la hoja de cálculo %1.</translation>
    </message>
    <message>
        <source>Cannot write the spreadsheet %1: %2.</source>
        <translation>No se puede escribir la hoja de cálculo %1: %2.</translation>
    </message>
</context>
<context>
    <name>GridControl</name>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>GridFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Reemplazar por:</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Coincidir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Whole cell only</source>
        <translation>Solo celda completa</translation>
    </message>
    <message>
        <source>Prompt on replace</source>
        <translation>Preguntar antes de reemplazar</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <source>No more occurences of text </source>
        <translation>No hay más apariciones del texto </translation>
    </message>
    <message>
        <source>Could not find text</source>
        <translation>No se encontró el texto</translation>
    </message>
    <message>
        <source>Replace this occurence ?</source>
        <translation>¿Reemplazar esta aparición?</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>Edit cell</source>
        <translation>Editar celda</translation>
    </message>
</context>
<context>
    <name>HtmlExport</name>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (página %2): %3</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>The picture (%1 × %2 pixels) is too large to be stored.</source>
        <translation>La imagen (%1 × %2 píxeles) es demasiado grande para guardarla.</translation>
    </message>
    <message>
        <source>The bitmap is cut short: its header is incomplete.</source>
        <translation>El mapa de bits está truncado: su encabezado está incompleto.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is damaged (%1 × %2 pixels, %3 planes).</source>
        <translation>El encabezado del mapa de bits está dañado (%1 × %2 píxeles, %3 planos).</translation>
    </message>
    <message>
        <source>The bitmap (%1 × %2 pixels) is too large to be shown.</source>
        <translation>El mapa de bits (%1 × %2 píxeles) es demasiado grande para mostrarlo.</translation>
    </message>
    <message>
        <source>Not enough memory for a bitmap of %1 × %2 pixels.</source>
        <translation>Memoria insuficiente para un mapa de bits de %1 × %2 píxeles.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1</source>
        <translation>El codificador GIF falló: %1</translation>
    </message>
    <message>
        <source>There is no picture to write as GIF.</source>
        <translation>No hay ninguna imagen que guardar como GIF.</translation>
    </message>
    <message>
        <source>A GIF picture can be at most 65535 pixels wide and high (this one is %1 × %2).</source>
        <translation>Una imagen GIF puede medir como máximo 65535 píxeles de ancho y de alto (esta mide %1 × %2).</translation>
    </message>
    <message>
        <source>The GIF encoder is out of memory.</source>
        <translation>El codificador GIF se quedó sin memoria.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; does not exist.</source>
        <translation>El archivo de imagen «%1» no existe.</translation>
    </message>
    <message>
        <source>Windows metafiles such as &quot;%1&quot; are read through LibreOffice, which is not installed. Install the package libreoffice-draw (Debian: apt install libreoffice-draw) and import the file again.</source>
        <translation>Los metarchivos de Windows como «%1» se leen con LibreOffice, que no está instalado. Instale el paquete libreoffice-draw (Debian: apt install libreoffice-draw) e importe de nuevo el archivo.</translation>
    </message>
    <message>
        <source>Cannot make a scratch folder for converting &quot;%1&quot;: %2</source>
        <translation>No se puede crear una carpeta de trabajo para convertir «%1»: %2</translation>
    </message>
    <message>
        <source>LibreOffice (%1) could not be started: %2</source>
        <translation>No se pudo iniciar LibreOffice (%1): %2</translation>
    </message>
    <message>
        <source>LibreOffice did not convert &quot;%1&quot; within %2 seconds.</source>
        <translation>LibreOffice no convirtió «%1» en %2 segundos.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert the metafile &quot;%1&quot;%2</source>
        <translation>LibreOffice no pudo convertir el metarchivo «%1»%2</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Imágenes JPEG</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Imágenes GIF</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics</source>
        <translation>Gráficos vectoriales SVG</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Imágenes TIFF</translation>
    </message>
    <message>
        <source>WebP Image</source>
        <translation>Imágenes WebP</translation>
    </message>
    <message>
        <source>Targa Image</source>
        <translation>Imágenes Targa</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metarchivos</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1) of &quot;%2&quot;.</source>
        <translation>Extensión de archivo de imagen desconocida (.%1) de «%2».</translation>
    </message>
    <message>
        <source>No %1 decoder is installed to read &quot;%2&quot;.</source>
        <translation>No hay ningún decodificador %1 instalado para leer «%2».</translation>
    </message>
    <message>
        <source>Cannot open the picture file &quot;%1&quot;: %2</source>
        <translation>No se puede abrir el archivo de imagen «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; as a %2 picture: %3</source>
        <translation>No se puede leer «%1» como imagen %2: %3</translation>
    </message>
    <message>
        <source>The stored picture is not in a known picture format (BMP, PNG, JPEG or GIF).</source>
        <translation>La imagen guardada no está en un formato de imagen conocido (BMP, PNG, JPEG o GIF).</translation>
    </message>
    <message>
        <source>The stored %1 picture cannot be read: %2</source>
        <translation>No se puede leer la imagen %1 guardada: %2</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Todas las imágenes (%1)|%1</translation>
    </message>
    <message>
        <source>There is no picture to write to &quot;%1&quot;.</source>
        <translation>No hay ninguna imagen que escribir en «%1».</translation>
    </message>
    <message>
        <source>Cannot write the picture file &quot;%1&quot;: %2</source>
        <translation>No se puede escribir el archivo de imagen «%1»: %2</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;.%1&quot; files; use .png, .bmp, .jpg or .gif.</source>
        <translation>Las imágenes no se pueden guardar como archivos «.%1»; use .png, .bmp, .jpg o .gif.</translation>
    </message>
    <message>
        <source>Cannot make a PNG of the picture: %1</source>
        <translation>No se puede crear un PNG de la imagen: %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Tabular data (*.tab;*.csv)|*.tab;*.csv;*.grid2|Chart results (*.kcx)|*.kcx|Text file (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|Graphic file (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|All files (*.*)|*</source>
        <translation>Datos tabulares (*.tab;*.csv)|*.tab;*.csv;*.grid2|Resultados de gráficos (*.kcx)|*.kcx|Archivo de texto (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|Archivo gráfico (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|Todos los archivos (*.*)|*</translation>
    </message>
    <message>
        <source>Import files</source>
        <translation>Importar archivos</translation>
    </message>
</context>
<context>
    <name>LanguageRuntime</name>
    <message>
        <source>There is no interface language with the identifier %1.</source>
        <translation>No hay ningún idioma de interfaz con el identificador %1.</translation>
    </message>
    <message>
        <source>The translations into %1 cannot be read.</source>
        <translation>No se pueden leer las traducciones al %1.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>New...</source>
        <translation>Nuevo...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>HTML...</source>
        <translation>HTML...</translation>
    </message>
    <message>
        <source>MS Word...</source>
        <translation>MS Word...</translation>
    </message>
    <message>
        <source>Rich Text...</source>
        <translation>Texto enriquecido (RTF)...</translation>
    </message>
    <message>
        <source>Printer setup...</source>
        <translation>Configurar impresora...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propiedades...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Import files...</source>
        <translation>Importar archivos...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Cambiar nombre...</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Expandir todo</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Contraer todo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Promote</source>
        <translation>Subir de nivel</translation>
    </message>
    <message>
        <source>Demote</source>
        <translation>Bajar de nivel</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Subir de nivel</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Bajar de nivel</translation>
    </message>
    <message>
        <source>Insert item</source>
        <translation>Insertar elemento</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Importar archivo</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Reemplazar...</translation>
    </message>
    <message>
        <source>Global find...</source>
        <translation>Búsqueda global...</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Orvane Home Page</source>
        <translation>Página web de Orvane</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Left border</source>
        <translation>Borde izquierdo</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Right border</source>
        <translation>Borde derecho</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Viñetas</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fuente...</translation>
    </message>
    <message>
        <source>Paragraph...</source>
        <translation>Párrafo...</translation>
    </message>
    <message>
        <source>Tab stops...</source>
        <translation>Tabulaciones...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Configurar página...</translation>
    </message>
    <message>
        <source>Create table...</source>
        <translation>Crear tabla...</translation>
    </message>
    <message>
        <source>Select row</source>
        <translation>Seleccionar fila</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <source>Select column</source>
        <translation>Seleccionar columna</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Insertar columna</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Eliminar columna</translation>
    </message>
    <message>
        <source>All borders</source>
        <translation>Todos los bordes</translation>
    </message>
    <message>
        <source>No borders</source>
        <translation>Sin bordes</translation>
    </message>
    <message>
        <source>Top border</source>
        <translation>Borde superior</translation>
    </message>
    <message>
        <source>Bottom border</source>
        <translation>Borde inferior</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Multi-line</source>
        <translation>Varias líneas</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save to disk...</source>
        <translation>Guardar en disco...</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Alinear a la izquierda</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Alinear a la derecha</translation>
    </message>
    <message>
        <source>Fixed row</source>
        <translation>Fila fija</translation>
    </message>
    <message>
        <source>Fixed column</source>
        <translation>Columna fija</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Intercambiar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Barras horizontales</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Sectores</translation>
    </message>
    <message>
        <source>Grouped bars</source>
        <translation>Barras agrupadas</translation>
    </message>
    <message>
        <source>Grouped lines</source>
        <translation>Líneas agrupadas</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Paredes</translation>
    </message>
    <message>
        <source>Base lines</source>
        <translation>Líneas de base</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animar</translation>
    </message>
    <message>
        <source>Edit chart...</source>
        <translation>Editar gráfico...</translation>
    </message>
    <message>
        <source>Open chart file...</source>
        <translation>Abrir archivo de gráfico...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copiar como mapa de bits</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Copiar como metarchivo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Zoom to area</source>
        <translation>Ampliar un área</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Sizing</source>
        <translation>Tamaños</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>&amp;Items</source>
        <translation>&amp;Elementos</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Documento</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabla</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Open server report...</source>
        <translation>Abrir informe del servidor...</translation>
    </message>
    <message>
        <source>Word document (.docx)...</source>
        <translation>Documento de Word (.docx)...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The temporary folder %1 cannot be written: pages sent by the host will not be noticed.</source>
        <translation>No se puede escribir en la carpeta temporal %1: las páginas enviadas por la aplicación anfitriona no se detectarán.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>Documents cannot be written as &quot;%1&quot;; choose one of %2.</source>
        <translation>Los documentos no se pueden guardar como «%1»; elija uno de %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>A chart cannot be written as &quot;%1&quot;.</source>
        <translation>Un gráfico no se puede guardar como «%1».</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>No se puede escribir la imagen %1: %2</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Cannot write the document %1: %2</source>
        <translation>No se puede escribir el documento %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the document %1.</source>
        <translation>No se puede escribir el documento %1.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation>Serie %1</translation>
    </message>
    <message>
        <source>The chart is empty: there is no chart data to read.</source>
        <translation>El gráfico está vacío: no hay datos que leer.</translation>
    </message>
    <message>
        <source>This is not a chart: its data cannot be read (%1 at byte %2).</source>
        <translation>No es un gráfico: sus datos no se pueden leer (%1 en el byte %2).</translation>
    </message>
    <message>
        <source>This is not a chart: its format is &quot;%1&quot;.</source>
        <translation>No es un gráfico: su formato es «%1».</translation>
    </message>
    <message>
        <source>This chart was written in version %1 of the chart format, which this program cannot read.</source>
        <translation>Este gráfico se guardó en la versión %1 del formato de gráficos, que este programa no puede leer.</translation>
    </message>
    <message>
        <source>Vertical bars</source>
        <translation>Barras verticales</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Barras horizontales</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Sectores</translation>
    </message>
    <message>
        <source>3D points</source>
        <translation>Puntos 3D</translation>
    </message>
    <message>
        <source>The axis minimum must be a number.</source>
        <translation>El mínimo del eje debe ser un número.</translation>
    </message>
    <message>
        <source>The axis minimum %1 is above its maximum %2.</source>
        <translation>El mínimo del eje, %1, supera su máximo, %2.</translation>
    </message>
    <message>
        <source>The axis maximum must be a number.</source>
        <translation>El máximo del eje debe ser un número.</translation>
    </message>
    <message>
        <source>The axis maximum %1 is below its minimum %2.</source>
        <translation>El máximo del eje, %1, es menor que su mínimo, %2.</translation>
    </message>
    <message>
        <source>The axis range %1 .. %2 is not valid.</source>
        <translation>El rango del eje %1 .. %2 no es válido.</translation>
    </message>
    <message>
        <source>These pages could not be exported and were left out:
%1</source>
        <translation>Estas páginas no se pudieron exportar y se omitieron:
%1</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>there is no editor for it</source>
        <translation>no hay ningún editor para ella</translation>
    </message>
    <message>
        <source>the document editor cannot write HTML</source>
        <translation>el editor de documentos no puede escribir HTML</translation>
    </message>
    <message>
        <source>the table editor cannot write HTML</source>
        <translation>el editor de tablas no puede escribir HTML</translation>
    </message>
    <message>
        <source>the chart editor cannot write pictures</source>
        <translation>el editor de gráficos no puede escribir imágenes</translation>
    </message>
    <message>
        <source>the picture editor cannot write pictures</source>
        <translation>el editor de imágenes no puede escribir imágenes</translation>
    </message>
    <message>
        <source>the report has no row for it</source>
        <translation>el informe no tiene ninguna fila para ella</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportOpenDialog</name>
    <message>
        <source>Report on a &amp;server:</source>
        <translation>Informe en un &amp;servidor:</translation>
    </message>
    <message>
        <source>The address of a report kept on a PostgreSQL server: postgresql://[user@]host[:port]/database?report=NAME. The password comes from ~/.pgpass or PGPASSWORD.</source>
        <translation>Dirección de un informe guardado en un servidor PostgreSQL: postgresql://[usuario@]host[:puerto]/base?report=NOMBRE. La contraseña se toma de ~/.pgpass o de PGPASSWORD.</translation>
    </message>
    <message>
        <source>Open &amp;address</source>
        <translation>Abrir &amp;dirección</translation>
    </message>
</context>
<context>
    <name>ReportTree</name>
    <message>
        <source>The item cannot be moved there: the tree would be more than %1 levels deep.</source>
        <translation>El elemento no se puede mover aquí: el árbol tendría más de %1 niveles.</translation>
    </message>
    <message>
        <source>The stored report tree is damaged: %1</source>
        <translation>El árbol guardado del informe está dañado: %1</translation>
    </message>
    <message>
        <source>colour &quot;%1&quot; is not a 32-bit value</source>
        <translation>el color «%1» no es un valor de 32 bits</translation>
    </message>
    <message>
        <source>a node is not an object</source>
        <translation>un nodo no es un objeto</translation>
    </message>
    <message>
        <source>a node has no kind or no data word</source>
        <translation>un nodo no tiene tipo o palabra de datos</translation>
    </message>
    <message>
        <source>a data word is out of range</source>
        <translation>una palabra de datos está fuera de rango</translation>
    </message>
    <message>
        <source>&quot;children&quot; is not a list</source>
        <translation>«children» no es una lista</translation>
    </message>
    <message>
        <source>nodes are nested too deeply</source>
        <translation>los nodos están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 en el byte %2</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>its format is not &quot;%1&quot;</source>
        <translation>su formato no es «%1»</translation>
    </message>
    <message>
        <source>version %1 is not supported (this program reads version %2)</source>
        <translation>la versión %1 no es compatible (este programa lee la versión %2)</translation>
    </message>
    <message>
        <source>it has no list of nodes</source>
        <translation>no tiene lista de nodos</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Cannot write %1: the folder %2 cannot be created</source>
        <translation>No se puede escribir %1: no se puede crear la carpeta %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>TChart</name>
    <message>
        <source>Cannot write the chart file %1: %2</source>
        <translation>No se puede escribir el archivo de gráfico %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the chart file %1: %2</source>
        <translation>No se puede leer el archivo de gráfico %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a chart.</source>
        <translation>El archivo %1 es demasiado grande para ser un gráfico.</translation>
    </message>
</context>
<context>
    <name>TChartEditor</name>
    <message>
        <source>Import chart</source>
        <translation>Importar gráfico</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>Vendral chart|*.KCX;*.kcx</source>
        <translation>Gráfico de Vendral|*.KCX;*.kcx</translation>
    </message>
    <message>
        <source>Vendral Chart (*.KCX)|*.KCX|Windows Bitmap (*.BMP)|*.BMP|SVG picture (*.SVG)|*.SVG|PDF document (*.PDF)|*.PDF|PNG file (*.PNG)|*.PNG|JPeg file (*.JPG)|*.JPG;*.JPEG</source>
        <translation>Gráfico de Vendral (*.KCX)|*.KCX|Mapa de bits de Windows (*.BMP)|*.BMP|Imagen SVG (*.SVG)|*.SVG|Documento PDF (*.PDF)|*.PDF|Archivo PNG (*.PNG)|*.PNG|Archivo JPEG (*.JPG)|*.JPG;*.JPEG</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Otro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>TDM</name>
    <message>
        <source>Waiting for the host to finish writing the report...</source>
        <translation>Esperando a que la aplicación anfitriona termine de escribir el informe...</translation>
    </message>
    <message>
        <source>Tessary - </source>
        <translation>Tessary - </translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>First document</source>
        <translation>Primer documento</translation>
    </message>
    <message>
        <source>Second document</source>
        <translation>Segundo documento</translation>
    </message>
    <message>
        <source>%1 is not a report: it has no table %2.</source>
        <translation>%1 no es un informe: no tiene la tabla %2.</translation>
    </message>
    <message>
        <source>%1 is not a report: table %2 has no field %3.</source>
        <translation>%1 no es un informe: la tabla %2 no tiene el campo %3.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a report file.</source>
        <translation>%1 es una carpeta, no un archivo de informe.</translation>
    </message>
    <message>
        <source>The tree cannot be stored: row 0 of the report is a page, not the outline row.</source>
        <translation>No se puede guardar el árbol: la fila 0 del informe es una página, no la fila del esquema.</translation>
    </message>
    <message>
        <source>The intake signal file %1 cannot be deleted; new pages are placed, but further signals may go unnoticed.</source>
        <translation>No se puede eliminar el archivo de señal %1; las páginas nuevas se colocan, pero las señales siguientes podrían pasar desapercibidas.</translation>
    </message>
    <message>
        <source>Damaged page %1</source>
        <translation>Página dañada %1</translation>
    </message>
    <message>
        <source>These pages are damaged and cannot be read: %1. They are placed under &quot;%2&quot; with a title that says so; the other pages are not affected.</source>
        <translation>Estas páginas están dañadas y no se pueden leer: %1. Se colocan bajo «%2» con un título que lo indica; las demás páginas no se ven afectadas.</translation>
    </message>
    <message>
        <source>Another window changed the tree of this report; the tree is shown as it stands now, and your last change to it was not stored.</source>
        <translation>Otra ventana cambió el árbol de este informe; se muestra tal como está ahora y su último cambio no se guardó.</translation>
    </message>
    <message>
        <source>Another window changed the tree of this report; it is shown as it stands now.</source>
        <translation>Otra ventana cambió el árbol de este informe; se muestra tal como está ahora.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 pages cannot be made from files here.</source>
        <translation>%1 no se puede importar: las páginas de tipo %2 no se pueden crear a partir de archivos aquí.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be made from the file %1.</source>
        <translation>Las páginas de este tipo no se pueden crear a partir del archivo %1.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be written as &quot;%1&quot;.</source>
        <translation>Las páginas de este tipo no se pueden guardar como «%1».</translation>
    </message>
    <message>
        <source>Cannot start zlib to store the tree</source>
        <translation>No se puede iniciar zlib para guardar el árbol</translation>
    </message>
    <message>
        <source>Cannot compress the tree</source>
        <translation>No se puede comprimir el árbol</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>Campo %1: %2</translation>
    </message>
    <message>
        <source>The connection to the server is back.</source>
        <translation>La conexión con el servidor se ha restablecido.</translation>
    </message>
</context>
<context>
    <name>TDiagramEditor</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copiar como mapa de bits</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Copiar como metarchivo</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a diagram.</source>
        <translation>El archivo %1 no es un diagrama.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Save as picture</source>
        <translation>Guardar como imagen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Zoom to rectangle</source>
        <translation>Ampliar un rectángulo</translation>
    </message>
    <message>
        <source>Link labels</source>
        <translation>Etiquetas de los enlaces</translation>
    </message>
    <message>
        <source>Sizing...</source>
        <translation>Tamaños...</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Cancelar los cambios</translation>
    </message>
</context>
<context>
    <name>TEditBlockDlg</name>
    <message>
        <source>Diagram</source>
        <translation>Diagrama</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Rombo</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Cuadrado redondeado</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Forma:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texto:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nodos</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Guiones</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Guion-punto</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Guion-punto-punto</translation>
    </message>
    <message>
        <source>Sample font</source>
        <translation>Ejemplo de fuente</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TGlobalFindDlg</name>
    <message>
        <source>Global search</source>
        <translation>Búsqueda global</translation>
    </message>
    <message>
        <source>Text to find:</source>
        <translation>Texto que buscar:</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Whole word only</source>
        <translation>Solo palabras completas</translation>
    </message>
    <message>
        <source>Tree Direction:</source>
        <translation>Dirección en el árbol:</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Hacia abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hacia arriba</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Ámbito:</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Item titles</source>
        <translation>Títulos de los elementos</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation>¡No encontrado!</translation>
    </message>
</context>
<context>
    <name>TGridEditor</name>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Vista preliminar...</translation>
    </message>
    <message>
        <source>Print setup...</source>
        <translation>Configurar impresión...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Copy + Headers</source>
        <translation>Copiar con encabezados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Entire row</source>
        <translation>Fila completa</translation>
    </message>
    <message>
        <source>Entire column</source>
        <translation>Columna completa</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fuente...</translation>
    </message>
    <message>
        <source>Font color...</source>
        <translation>Color de fuente...</translation>
    </message>
    <message>
        <source>Background color...</source>
        <translation>Color de fondo...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Fixed row</source>
        <translation>Fila fija</translation>
    </message>
    <message>
        <source>Fixed column</source>
        <translation>Columna fija</translation>
    </message>
    <message>
        <source>Multi-line cells</source>
        <translation>Celdas de varias líneas</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Reemplazar...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Show all columns</source>
        <translation>Mostrar todas las columnas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alineación</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Cannot delete all rows</source>
        <translation>No se pueden eliminar todas las filas</translation>
    </message>
    <message>
        <source>Cannot delete all collumns</source>
        <translation>No se pueden eliminar todas las columnas</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exportar tabla</translation>
    </message>
    <message>
        <source>Printing title</source>
        <translation>Título de impresión</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>ASCII file (*.txt)|*.TXT|Tab delimited (*.tab)|*.TAB|Comma delimited (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|MS Word (*.doc)|*.DOC|HTML file (*.htm;*.html)|*.HTM;*.HTML|XML file (*.xml)|*.XML|Word document (*.docx)|*.DOCX|Rich text (*.rtf)|*.RTF|Table file (*.grid2)|*.GRID2</source>
        <translation>Archivo ASCII (*.txt)|*.TXT|Delimitado por tabulaciones (*.tab)|*.TAB|Delimitado por comas (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|MS Word (*.doc)|*.DOC|Archivo HTML (*.htm;*.html)|*.HTM;*.HTML|Archivo XML (*.xml)|*.XML|Documento de Word (*.docx)|*.DOCX|Texto enriquecido (*.rtf)|*.RTF|Archivo de tabla (*.grid2)|*.GRID2</translation>
    </message>
    <message>
        <source>Tables cannot be written as &quot;%1&quot;.</source>
        <translation>Las tablas no se pueden guardar como «%1».</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Ayuda de Tessary</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Words to find, then Enter</source>
        <translation>Palabras a buscar y luego Intro</translation>
    </message>
    <message>
        <source>No page holds these words.</source>
        <translation>Ninguna página contiene estas palabras.</translation>
    </message>
</context>
<context>
    <name>TImageEditor</name>
    <message>
        <source>Image Editor</source>
        <translation>Editor de imágenes</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</source>
        <translation>Imagen PNG (*.png)|*.png|Mapa de bits de Windows (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</translation>
    </message>
</context>
<context>
    <name>TIntro</name>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>Acerca de Tessary</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TNewNoteDlg</name>
    <message>
        <source>New Item</source>
        <translation>Nuevo elemento</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Documento</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Carpeta</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>&amp;After current item</source>
        <translation>&amp;Después del elemento actual</translation>
    </message>
    <message>
        <source>&amp;Under current item</source>
        <translation>D&amp;entro del elemento actual</translation>
    </message>
    <message>
        <source>{untitled}</source>
        <translation>{sin título}</translation>
    </message>
</context>
<context>
    <name>TSelectItemDlg</name>
    <message>
        <source>Select Items</source>
        <translation>Seleccionar elementos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exporting %1 item(s)</source>
        <translation>Exportando %1 elemento(s)</translation>
    </message>
</context>
<context>
    <name>TSizingDlg</name>
    <message>
        <source>Sizing</source>
        <translation>Tamaños</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Node:</source>
        <translation>Nodo:</translation>
    </message>
    <message>
        <source>Node Text:</source>
        <translation>Texto del nodo:</translation>
    </message>
    <message>
        <source>Link Text:</source>
        <translation>Texto del enlace:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Enlace:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number.</source>
        <translation>«%1» no es un número válido.</translation>
    </message>
</context>
<context>
    <name>TTagOptionsDlg</name>
    <message>
        <source>Tag Cloud Options</source>
        <translation>Opciones de la nube de palabras</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Fuente del texto</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Color each with palette:</source>
        <translation>Colorear cada palabra con la paleta:</translation>
    </message>
    <message>
        <source>Gradient scheme:</source>
        <translation>Esquema de degradado:</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Medio:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Starting position:</source>
        <translation>Posición inicial:</translation>
    </message>
    <message>
        <source>From center</source>
        <translation>Desde el centro</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Victorian</source>
        <translation>Victoriana</translation>
    </message>
    <message>
        <source>Pastel</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderna</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arco iris</translation>
    </message>
    <message>
        <source>Windows XP</source>
        <translation>Windows XP</translation>
    </message>
    <message>
        <source>Mac OS</source>
        <translation>Mac OS</translation>
    </message>
    <message>
        <source>Vista</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálida</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Fría</translation>
    </message>
    <message>
        <source>BlackOnBlack</source>
        <translation>Negro sobre negro</translation>
    </message>
    <message>
        <source>Metro</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>iOS</source>
        <translation>iOS</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Lookout</source>
        <translation>Lookout</translation>
    </message>
    <message>
        <source>Seawash</source>
        <translation>Espuma de mar</translation>
    </message>
    <message>
        <source>Multicolor</source>
        <translation>Multicolor</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
</context>
<context>
    <name>TTessaryM</name>
    <message>
        <source>Comment on this page</source>
        <translation>Comentario sobre esta página</translation>
    </message>
    <message>
        <source>Your comment on the selected page; it is stored with the page.</source>
        <translation>Su comentario sobre la página seleccionada; se guarda con la página.</translation>
    </message>
    <message>
        <source>This is the report itself. Select a page in the tree to show it here.</source>
        <translation>Este es el propio informe. Seleccione una página del árbol para mostrarla aquí.</translation>
    </message>
    <message>
        <source>A folder holds pages; select one of them to show it here.</source>
        <translation>Una carpeta contiene páginas; seleccione una para mostrarla aquí.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be shown: there is no editor for them.</source>
        <translation>Las páginas de este tipo no se pueden mostrar: no hay editor para ellas.</translation>
    </message>
    <message>
        <source>Cannot save data!</source>
        <translation>¡No se pueden guardar los datos!</translation>
    </message>
    <message>
        <source>New report</source>
        <translation>Nuevo informe</translation>
    </message>
    <message>
        <source>Output manager|*.sup</source>
        <translation>Gestor de resultados|*.sup</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>Abrir informe</translation>
    </message>
    <message>
        <source>The report %1 does not exist.</source>
        <translation>El informe %1 no existe.</translation>
    </message>
    <message>
        <source>The report tree could not be stored: %1</source>
        <translation>No se pudo guardar el árbol del informe: %1</translation>
    </message>
    <message>
        <source>Open server report</source>
        <translation>Abrir informe del servidor</translation>
    </message>
    <message>
        <source>Address (postgresql://[user@]host[:port]/database?report=NAME):</source>
        <translation>Dirección (postgresql://[usuario@]host[:puerto]/base?report=NOMBRE):</translation>
    </message>
</context>
<context>
    <name>TTimeLineDlg</name>
    <message>
        <source>Timeline</source>
        <translation>Cronología</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Timeline options</source>
        <translation>Opciones de la cronología</translation>
    </message>
    <message>
        <source>Synchronize timeline with main window</source>
        <translation>Sincronizar la cronología con la ventana principal</translation>
    </message>
    <message>
        <source>Annotations above the bar</source>
        <translation>Anotaciones encima de la barra</translation>
    </message>
    <message>
        <source>Annotations above and below</source>
        <translation>Anotaciones encima y debajo</translation>
    </message>
    <message>
        <source>Annotations below the bar</source>
        <translation>Anotaciones debajo de la barra</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Guardar en un archivo</translation>
    </message>
    <message>
        <source>Print </source>
        <translation>Imprimir </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Encima</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Debajo</translation>
    </message>
    <message>
        <source>Change color...</source>
        <translation>Cambiar color...</translation>
    </message>
    <message>
        <source>Show location...</source>
        <translation>Mostrar la ubicación...</translation>
    </message>
    <message>
        <source>Not available yet!</source>
        <translation>¡Todavía no disponible!</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(y %1 más)</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read; the rest is loaded.

%2</source>
        <translation>Algunas líneas de %1 no se pudieron leer; el resto se ha cargado.

%2</translation>
    </message>
    <message>
        <source>The page does not hold a timeline: none of its lines is a timeline record.</source>
        <translation>La página no contiene una cronología: ninguna de sus líneas es un registro de cronología.</translation>
    </message>
    <message>
        <source>the timeline</source>
        <translation>la cronología</translation>
    </message>
    <message>
        <source>Cannot read the timeline file %1: %2</source>
        <translation>No se puede leer el archivo de cronología %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a timeline text file: none of its lines is a timeline record.</source>
        <translation>El archivo %1 no es un archivo de texto de cronología: ninguna de sus líneas es un registro de cronología.</translation>
    </message>
    <message>
        <source>Cannot write the timeline file %1: %2</source>
        <translation>No se puede escribir el archivo de cronología %1: %2</translation>
    </message>
    <message>
        <source>A timeline cannot be written as &quot;%1&quot;.</source>
        <translation>Una cronología no se puede guardar como «%1».</translation>
    </message>
    <message>
        <source>PNG file (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif</source>
        <translation>Archivo PNG (*.png)|*.png|Imagen JPEG (*.jpg)|*.jpg|Mapas de bits (*.bmp)|*.bmp|Imagen GIF (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>TTimeLineOptionsDlg</name>
    <message>
        <source>Timeline Options</source>
        <translation>Opciones de la cronología</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Time bar:</source>
        <translation>Barra de tiempo:</translation>
    </message>
    <message>
        <source>Annotations:</source>
        <translation>Anotaciones:</translation>
    </message>
    <message>
        <source>Round corners</source>
        <translation>Esquinas redondeadas</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Fuente...</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Fechas:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cannot write the timeline file %1: %2</source>
        <translation>No se puede escribir el archivo de cronología %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the timeline file %1: %2</source>
        <translation>No se puede leer el archivo de cronología %1: %2</translation>
    </message>
</context>
<context>
    <name>TWPEditor</name>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Fonts...</source>
        <translation>Fuentes...</translation>
    </message>
    <message>
        <source>Paragraphs...</source>
        <translation>Párrafos...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Viñetas...</translation>
    </message>
    <message>
        <source>Tab stops...</source>
        <translation>Tabulaciones...</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Borders...</source>
        <translation>Bordes...</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Imagen...</translation>
    </message>
    <message>
        <source>Hyperlink...</source>
        <translation>Hipervínculo...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Vista preliminar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Eliminar texto</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Justified</source>
        <translation>Justificado</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Viñetas</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeración</translation>
    </message>
    <message>
        <source>Prior Level</source>
        <translation>Nivel anterior</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Nivel siguiente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Tachado</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Subíndice</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Superíndice</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Create Table</source>
        <translation>Crear tabla</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <source>Select Row</source>
        <translation>Seleccionar fila</translation>
    </message>
    <message>
        <source>Insert Column</source>
        <translation>Insertar columna</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Eliminar columna</translation>
    </message>
    <message>
        <source>Select Column</source>
        <translation>Seleccionar columna</translation>
    </message>
    <message>
        <source>Top Borders</source>
        <translation>Bordes superiores</translation>
    </message>
    <message>
        <source>Bottom Borders</source>
        <translation>Bordes inferiores</translation>
    </message>
    <message>
        <source>Left Borders</source>
        <translation>Bordes izquierdos</translation>
    </message>
    <message>
        <source>Right Borders</source>
        <translation>Bordes derechos</translation>
    </message>
    <message>
        <source>Switch Borders On</source>
        <translation>Activar los bordes</translation>
    </message>
    <message>
        <source>Switch Borders Off</source>
        <translation>Desactivar los bordes</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>The page does not hold a document: its content is not text.</source>
        <translation>La página no contiene un documento: su contenido no es texto.</translation>
    </message>
    <message>
        <source>The file %1 is damaged; what could be read was loaded:
%2</source>
        <translation>El archivo %1 está dañado; se cargó lo que se pudo leer:
%2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Documents|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|Word 97-2003|*.doc|WordPerfect|*.wpd|All files|*</source>
        <translation>Documentos|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Texto enriquecido (RTF)|*.rtf|HTML|*.html;*.htm|Texto sin formato|*.txt|Word (DOCX)|*.docx|Texto OpenDocument|*.odt|Word 97-2003|*.doc|WordPerfect|*.wpd|Todos los archivos|*</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|PDF|*.pdf</source>
        <translation>Texto enriquecido (RTF)|*.rtf|HTML|*.html;*.htm|Texto sin formato|*.txt|Word (DOCX)|*.docx|Texto OpenDocument|*.odt|PDF|*.pdf</translation>
    </message>
    <message>
        <source>Insert picture</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Pictures|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|All files|*</source>
        <translation>Imágenes|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|Todos los archivos|*</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hipervínculo</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
</context>
<context>
    <name>TWordCloudEditor</name>
    <message>
        <source>Save as picture...</source>
        <translation>Guardar como imagen...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copiar como mapa de bits</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Copiar como metarchivo</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opciones...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>This word-cloud page is a document of version &quot;%1&quot;; this program reads version 1.0.</source>
        <translation>Esta página de nube de palabras es un documento de la versión «%1»; este programa lee la versión 1.0.</translation>
    </message>
    <message>
        <source>Word-cloud pages are made from word-cloud documents (.xml); %1 is not one.</source>
        <translation>Las páginas de nube de palabras se crean a partir de documentos de nube de palabras (.xml); %1 no lo es.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The word-cloud document %1 is empty.</source>
        <translation>El documento de nube de palabras %1 está vacío.</translation>
    </message>
    <message>
        <source>Save word cloud as picture</source>
        <translation>Guardar la nube de palabras como imagen</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>No se puede escribir la imagen %1: %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be started.</source>
        <translation>No se puede imprimir: no se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Scalable Vector Graphics (*.svg)|*.svg</source>
        <translation>Imagen PNG (*.png)|*.png|Mapa de bits de Windows (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Gráfico vectorial SVG (*.svg)|*.svg</translation>
    </message>
</context>
<context>
    <name>TimeBar</name>
    <message>
        <source>A timeline picture cannot be written as &quot;%1&quot;.</source>
        <translation>Una imagen de cronología no se puede guardar como «%1».</translation>
    </message>
    <message>
        <source>Cannot write the picture file %1: %2</source>
        <translation>No se puede escribir el archivo de imagen %1: %2</translation>
    </message>
</context>
<context>
    <name>TimeLine</name>
    <message>
        <source>Line %1: the first colour of the %2 record is missing.</source>
        <translation>Línea %1: falta el primer color del registro %2.</translation>
    </message>
    <message>
        <source>Line %1: the first colour of the %2 record, %3, is not a colour.</source>
        <translation>Línea %1: el primer color del registro %2, %3, no es un color.</translation>
    </message>
    <message>
        <source>Line %1: the second colour of the %2 record is missing.</source>
        <translation>Línea %1: falta el segundo color del registro %2.</translation>
    </message>
    <message>
        <source>Line %1: the second colour of the %2 record, %3, is not a colour.</source>
        <translation>Línea %1: el segundo color del registro %2, %3, no es un color.</translation>
    </message>
    <message>
        <source>Line %1: the colour of the %2 record is missing.</source>
        <translation>Línea %1: falta el color del registro %2.</translation>
    </message>
    <message>
        <source>Line %1: the colour of the %2 record, %3, is not a colour.</source>
        <translation>Línea %1: el color del registro %2, %3, no es un color.</translation>
    </message>
    <message>
        <source>Line %1: the event date is missing.</source>
        <translation>Línea %1: falta la fecha del evento.</translation>
    </message>
    <message>
        <source>Line %1: the event date %2 is not a date.</source>
        <translation>Línea %1: la fecha del evento %2 no es una fecha.</translation>
    </message>
    <message>
        <source>Line %1: the event date %2 does not fit this computer&apos;s date format (%3).</source>
        <translation>Línea %1: la fecha del evento %2 no se ajusta al formato de fecha de este equipo (%3).</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range is missing.</source>
        <translation>Línea %1: falta el inicio del intervalo total.</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range, %2, is not a date.</source>
        <translation>Línea %1: el inicio del intervalo total, %2, no es una fecha.</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Línea %1: el inicio del intervalo total, %2, no se ajusta al formato de fecha de este equipo (%3).</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range is missing.</source>
        <translation>Línea %1: falta el final del intervalo total.</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range, %2, is not a date.</source>
        <translation>Línea %1: el final del intervalo total, %2, no es una fecha.</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Línea %1: el final del intervalo total, %2, no se ajusta al formato de fecha de este equipo (%3).</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range is missing.</source>
        <translation>Línea %1: falta el inicio del intervalo visible.</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range, %2, is not a date.</source>
        <translation>Línea %1: el inicio del intervalo visible, %2, no es una fecha.</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Línea %1: el inicio del intervalo visible, %2, no se ajusta al formato de fecha de este equipo (%3).</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range is missing.</source>
        <translation>Línea %1: falta el final del intervalo visible.</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range, %2, is not a date.</source>
        <translation>Línea %1: el final del intervalo visible, %2, no es una fecha.</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Línea %1: el final del intervalo visible, %2, no se ajusta al formato de fecha de este equipo (%3).</translation>
    </message>
    <message>
        <source>The timeline was written under other date settings (%1). The line is not loaded; dates written as ISO 8601 (yyyy-MM-dd) read the same everywhere.</source>
        <translation>La cronología se escribió con otra configuración de fecha (%1). La línea no se carga; las fechas escritas en ISO 8601 (aaaa-MM-dd) se leen igual en todas partes.</translation>
    </message>
    <message>
        <source>Dates are written as %1 or as ISO 8601 (yyyy-MM-dd). The line is not loaded.</source>
        <translation>Las fechas se escriben como %1 o en ISO 8601 (aaaa-MM-dd). La línea no se carga.</translation>
    </message>
    <message>
        <source>Line %1: the annotation colour %2 is not a colour; the event takes the default colour.</source>
        <translation>Línea %1: el color de anotación %2 no es un color; el evento toma el color predeterminado.</translation>
    </message>
    <message>
        <source>Line %1: %2 is not a timeline record; the line is ignored.</source>
        <translation>Línea %1: %2 no es un registro de cronología; la línea se omite.</translation>
    </message>
    <message>
        <source>Line %1: the date %2 is read as %3 under this computer&apos;s date format (%4), but the timeline seems to be written under other date settings (%5), where it is %6. Check this date.</source>
        <translation>Línea %1: la fecha %2 se lee como %3 con el formato de fecha de este equipo (%4), pero la cronología parece escrita con otra configuración de fecha (%5), en la que es %6. Compruebe esta fecha.</translation>
    </message>
</context>
<context>
    <name>TreeCommands</name>
    <message>
        <source>New...</source>
        <translation>Nuevo...</translation>
    </message>
    <message>
        <source>Import files...</source>
        <translation>Importar archivos...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Cambiar nombre...</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Cambiar color</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado...</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Expandir todo</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Contraer todo</translation>
    </message>
    <message>
        <source>No item can be added here: the tree would be more than %1 levels deep.</source>
        <translation>No se puede añadir ningún elemento aquí: el árbol tendría más de %1 niveles.</translation>
    </message>
    <message>
        <source>Cannot save data!</source>
        <translation>¡No se pueden guardar los datos!</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Editar título</translation>
    </message>
    <message>
        <source>Type the new title</source>
        <translation>Escriba el nuevo título</translation>
    </message>
    <message>
        <source>Are you sure you want to delete item: </source>
        <translation>Confirme que desea eliminar el elemento: </translation>
    </message>
</context>
<context>
    <name>WPToolBar</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de fuente</translation>
    </message>
</context>
<context>
    <name>WPView</name>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>No se puede leer la imagen %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>WordCloud</name>
    <message>
        <source>The word-cloud document cannot be read: %1.</source>
        <translation>No se puede leer el documento de nube de palabras: %1.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (línea %2)</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1, line %2, column %3)</source>
        <translation>no es XML bien formado (%1, línea %2, columna %3)</translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation>no contiene ningún elemento</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number</source>
        <translation>%1 es %2, no un número entero</translation>
    </message>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 es %2, fuera del intervalo de %3 a %4</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;true&quot; or &quot;false&quot;</source>
        <translation>%1 es %2, no «true» ni «false»</translation>
    </message>
    <message>
        <source>%1 is %2, not a decimal number</source>
        <translation>%1 es %2, no un número decimal</translation>
    </message>
    <message>
        <source>%1 is %2, outside 0 to 1</source>
        <translation>%1 es %2, fuera del intervalo de 0 a 1</translation>
    </message>
    <message>
        <source>%1 holds %2, outside -%3 to %3</source>
        <translation>%1 contiene %2, fuera del intervalo de -%3 a %3</translation>
    </message>
    <message>
        <source>the font (%1)</source>
        <translation>la fuente (%1)</translation>
    </message>
    <message>
        <source>word %1</source>
        <translation>palabra %1</translation>
    </message>
    <message>
        <source>its root element is &lt;%1&gt;, not &lt;WordCloud&gt;</source>
        <translation>su elemento raíz es &lt;%1&gt;, no &lt;WordCloud&gt;</translation>
    </message>
    <message>
        <source>&lt;WordCloud&gt; has no &lt;Words&gt; element</source>
        <translation>&lt;WordCloud&gt; no tiene ningún elemento &lt;Words&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: expected a word, a tab and a positive whole number, got &quot;%3&quot;</source>
        <translation>%1: línea %2: se esperaba una palabra, un tabulador y un número entero positivo, no «%3»</translation>
    </message>
    <message>
        <source>the word file %1 holds no words</source>
        <translation>el archivo de palabras %1 no contiene ninguna palabra</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>MS Word (*.doc)|*.doc|Rich Text Format (*.rtf)|*.rtf|Word document (*.docx)|*.docx</source>
        <translation>MS Word (*.doc)|*.doc|Texto enriquecido RTF (*.rtf)|*.rtf|Documento de Word (*.docx)|*.docx</translation>
    </message>
    <message>
        <source>The HTML file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo HTML «%1».</translation>
    </message>
    <message>
        <source>No temporary folder could be made for &quot;%1&quot;: %2</source>
        <translation>No se pudo crear una carpeta temporal para «%1»: %2</translation>
    </message>
    <message>
        <source>The document could not be prepared for &quot;%1&quot;.</source>
        <translation>No se pudo preparar el documento para «%1».</translation>
    </message>
    <message>
        <source>pandoc wrote no file &quot;%1&quot;.</source>
        <translation>pandoc no escribió el archivo «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>No se pudo escribir el archivo «%1».</translation>
    </message>
</context>
<context>
    <name>WordExportCommand</name>
    <message>
        <source>Export as document</source>
        <translation>Exportar como documento</translation>
    </message>
    <message>
        <source>Do you want to view the document?</source>
        <translation>¿Desea ver el documento?</translation>
    </message>
</context>
<context>
    <name>WordProcessor</name>
    <message>
        <source>a ZIP archive (such as a DOCX or ODT file)</source>
        <translation>un archivo ZIP (como un archivo DOCX u ODT)</translation>
    </message>
    <message>
        <source>an OLE compound file (such as a DOC file)</source>
        <translation>un archivo compuesto OLE (como un archivo DOC)</translation>
    </message>
    <message>
        <source>a PDF file</source>
        <translation>un archivo PDF</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>una imagen</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>datos binarios</translation>
    </message>
    <message>
        <source>The document cannot be read: its content is %1, not HTML, RTF or text.</source>
        <translation>No se puede leer el documento: su contenido es %1, no HTML, RTF ni texto.</translation>
    </message>
    <message>
        <source>A picture embedded in the document could not be decoded and is shown as missing.</source>
        <translation>No se pudo decodificar una imagen incrustada en el documento y se muestra como ausente.</translation>
    </message>
    <message>
        <source>Data after the end of the RTF document was ignored.</source>
        <translation>Se omitieron los datos situados tras el final del documento RTF.</translation>
    </message>
    <message>
        <source>The RTF data ends before all its groups are closed; it may be truncated. What could be read was loaded.</source>
        <translation>Los datos RTF terminan antes de cerrar todos sus grupos; puede que estén truncados. Se cargó lo que se pudo leer.</translation>
    </message>
    <message>
        <source>Groups nested deeper than %1 levels were read as one level.</source>
        <translation>Los grupos anidados a más de %1 niveles se leyeron como un solo nivel.</translation>
    </message>
    <message>
        <source>The RTF data has a closing brace without an opening one.</source>
        <translation>Los datos RTF tienen una llave de cierre sin la de apertura.</translation>
    </message>
    <message>
        <source>Pictures stored as metafiles were left out.</source>
        <translation>Se omitieron las imágenes guardadas como metarchivos.</translation>
    </message>
    <message>
        <source>A picture that could not be decoded was left out.</source>
        <translation>Se omitió una imagen que no se pudo decodificar.</translation>
    </message>
    <message>
        <source>The data is not RTF: it does not begin with {\rtf.</source>
        <translation>Los datos no son RTF: no empiezan por {\rtf.</translation>
    </message>
</context>
</TS>
