<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AnnounceIntro</name>
    <message>
        <source>Announcers Module</source>
        <translation>Módulo del locutor</translation>
    </message>
    <message>
        <source>Announcer&apos;s Module</source>
        <translation>Módulo del locutor</translation>
    </message>
    <message>
        <source>Database Filename</source>
        <translation>Archivo de la base</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>This is the file that is used by the Quorlane system to store messages for use by the announcer</source>
        <translation>En este archivo el sistema Quorlane deja los mensajes para el locutor</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Made for the poolside announcer, 2005</source>
        <translation>Para el locutor a pie de piscina, 2005</translation>
    </message>
    <message>
        <source>Select Database for Announcer Messages</source>
        <translation>Elegir la base de mensajes del locutor</translation>
    </message>
    <message>
        <source>No Database selected</source>
        <translation>No se ha elegido ninguna base de datos</translation>
    </message>
    <message>
        <source>Cannot locate database for announcer messages</source>
        <translation>No se encuentra la base de mensajes del locutor</translation>
    </message>
    <message>
        <source>The database path cannot be remembered in %1 because %2. Rename the file or folder to have it remembered next time.</source>
        <translation>La ruta de la base no se puede recordar en %1 porque %2. Cambie el nombre del archivo o de la carpeta para que se recuerde la próxima vez.</translation>
    </message>
    <message>
        <source>The database path could not be remembered in %1: %2</source>
        <translation>No se pudo recordar la ruta de la base en %1: %2</translation>
    </message>
    <message>
        <source>is not encrypted</source>
        <translation>no está cifrada</translation>
    </message>
    <message>
        <source>may not be encrypted</source>
        <translation>puede no estar cifrada</translation>
    </message>
    <message>
        <source>The connection to the database server named in %1 %2 (sslmode=%3): anyone on the network can read the messages or pose as the server. Unless the network is closed to others, remove sslmode from the file.</source>
        <translation>La conexión con el servidor de base de datos indicado en %1 %2 (sslmode=%3): cualquiera en la red puede leer los mensajes o hacerse pasar por el servidor. Salvo que la red esté cerrada a otros, quite sslmode del archivo.</translation>
    </message>
</context>
<context>
    <name>AnnouncerScreen</name>
    <message>
        <source>Announcers Screen</source>
        <translation>Pantalla del locutor</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Retirar este mensaje</translation>
    </message>
    <message>
        <source> – display only</source>
        <translation> – solo visualización</translation>
    </message>
    <message numerus="yes">
        <source> — %n new below</source>
        <translation>
            <numerusform> — %n nuevo más abajo</numerusform>
            <numerusform> — %n nuevos más abajo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %n new above</source>
        <translation>
            <numerusform> — %n nuevo más arriba</numerusform>
            <numerusform> — %n nuevos más arriba</numerusform>
        </translation>
    </message>
    <message>
        <source>A new message now arrives with a short sound.</source>
        <translation>Ahora cada mensaje nuevo llega con un breve sonido.</translation>
    </message>
    <message>
        <source>New messages now arrive without a sound.</source>
        <translation>Ahora los mensajes nuevos llegan sin sonido.</translation>
    </message>
    <message>
        <source>URGENT</source>
        <translation>URGENTE</translation>
    </message>
    <message numerus="yes">
        <source> — browser station on, pages connected: %n</source>
        <translation>
            <numerusform> — estación de navegador activa, páginas conectadas: %n</numerusform>
            <numerusform> — estación de navegador activa, páginas conectadas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — URGENT, not yet shown: %n</source>
        <translation>
            <numerusform> — URGENTE, aún sin mostrar: %n</numerusform>
            <numerusform> — URGENTE, aún sin mostrar: %n</numerusform>
        </translation>
    </message>
    <message>
        <source> — caption screen blanked</source>
        <translation> — pantalla de subtítulos en negro</translation>
    </message>
    <message>
        <source> — held back from the caption screen</source>
        <translation> — retenido de la pantalla de subtítulos</translation>
    </message>
</context>
<context>
    <name>ClubRecords</name>
    <message>
        <source>Printer error: no printer has been set up.</source>
        <translation>Error de impresora: no se ha configurado ninguna impresora.</translation>
    </message>
    <message>
        <source>No printer is installed, so the record cards were saved as %1</source>
        <translation>No hay ninguna impresora instalada, así que las fichas de récords se han guardado como %1</translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, not A4. The record cards are printed as A4 pages: load the A4 card sheets, or the last card of a page is cut off.</source>
        <translation>El papel de la impresora es %1, no A4. Las fichas de récords se imprimen en páginas A4: cargue las hojas de fichas A4, o la última ficha de cada página saldrá cortada.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; holds &apos;%2&apos;, which is not a date.</source>
        <translation>No coinciden los tipos: &apos;%1&apos; contiene &apos;%2&apos;, que no es una fecha.</translation>
    </message>
    <message>
        <source>The club database is not open.</source>
        <translation>La base de datos del club no está abierta.</translation>
    </message>
    <message>
        <source>Multiple records exist for %1 %2 %3 %4 - Cannot continue</source>
        <translation>Existen varios récords para %1 %2 %3 %4 - no se puede continuar</translation>
    </message>
    <message>
        <source>Subscript out of range: the club setup has no record card %1.</source>
        <translation>El subíndice está fuera del intervalo: la configuración del club no tiene la ficha de récord %1.</translation>
    </message>
    <message>
        <source>Invalid use of Null: &apos;%1&apos; is empty in the club setup.</source>
        <translation>Uso no válido de Null: &apos;%1&apos; está vacío en la configuración del club.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; of the club setup is &apos;%2&apos;, not a whole number.</source>
        <translation>No coinciden los tipos: &apos;%1&apos; de la configuración del club es &apos;%2&apos;, no un número entero.</translation>
    </message>
    <message>
        <source>The club setup has no &apos;%1&apos;.</source>
        <translation>La configuración del club no tiene &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Subscript out of range: age group %1.</source>
        <translation>El subíndice está fuera del intervalo: grupo de edad %1.</translation>
    </message>
    <message>
        <source>The club database lists %1 record cards numbered from 1 up, but its setup counts %2.</source>
        <translation>La base de datos del club enumera %1 fichas de récords numeradas desde 1, pero su configuración cuenta %2.</translation>
    </message>
    <message>
        <source>the record date of %1 %2 %3 %4</source>
        <translation>la fecha del récord %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>the start date</source>
        <translation>la fecha de inicio</translation>
    </message>
    <message>
        <source>the finish date</source>
        <translation>la fecha final</translation>
    </message>
    <message>
        <source>Type mismatch: %1 &apos;%2&apos; is not a date.</source>
        <translation>No coinciden los tipos: %1 &apos;%2&apos; no es una fecha.</translation>
    </message>
    <message>
        <source>Rec:Name</source>
        <translation>Réc:Nombre</translation>
    </message>
    <message>
        <source>Year:Name</source>
        <translation>Año:Nombre</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Overall Club Record</source>
        <translation>Récord absoluto del club</translation>
    </message>
</context>
<context>
    <name>ClubRecordsProgram</name>
    <message>
        <source>Select Club Database</source>
        <translation>Elegir la base del club</translation>
    </message>
    <message>
        <source>%1 cannot be used as the club database.</source>
        <translation>%1 no se puede usar como base de datos del club.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Accept Time Conversion?</source>
        <translation>¿Aceptar la conversión?</translation>
    </message>
    <message>
        <source>Recorded Time</source>
        <translation>Tiempo logrado</translation>
    </message>
    <message>
        <source>Distance Swum</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Converted Time</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia final</translation>
    </message>
    <message>
        <source>Override Time</source>
        <translation>Tiempo propio</translation>
    </message>
    <message>
        <source>Override Distance</source>
        <translation>Distancia propia</translation>
    </message>
    <message>
        <source>Accept This Conversion</source>
        <translation>Aceptar esta</translation>
    </message>
    <message>
        <source>Accept All Conversions</source>
        <translation>Aceptar todas</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Valores propios</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The connection file &apos;%1&apos; cannot be used: %2</source>
        <translation>El archivo de conexión &apos;%1&apos; no se puede usar: %2</translation>
    </message>
    <message>
        <source>belongs to another user of this computer</source>
        <translation>pertenece a otro usuario de este ordenador</translation>
    </message>
    <message>
        <source>may be changed by other users of this computer</source>
        <translation>otros usuarios de este equipo pueden modificarlo</translation>
    </message>
    <message>
        <source>it %1, who could send your password to another server. Use a connection file of your own that only you may change (&quot;chmod go-w&quot;).</source>
        <translation>el archivo %1, y así su contraseña podría acabar en otro servidor. Use un archivo de conexión propio que solo usted pueda modificar («chmod go-w»).</translation>
    </message>
    <message>
        <source>its first line must be a URI such as postgresql://user@host:5432/dbname.</source>
        <translation>su primera línea debe ser una URI como postgresql://user@host:5432/dbname.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; in its URI is not understood.</source>
        <translation>no se entiende el ajuste &apos;%1&apos; de su URI.</translation>
    </message>
    <message>
        <source>it gives the setting &apos;%1&apos; twice.</source>
        <translation>da dos veces el ajuste &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>its setting &apos;%1&apos; differs from its URI.</source>
        <translation>su ajuste &apos;%1&apos; no coincide con su URI.</translation>
    </message>
    <message>
        <source>its port &apos;%1&apos; is not a port number.</source>
        <translation>su puerto &apos;%1&apos; no es un número de puerto.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is not allowed in a connection file.</source>
        <translation>el ajuste &apos;%1&apos; no está permitido en un archivo de conexión.</translation>
    </message>
    <message>
        <source>its client key &apos;%1&apos; (sslkey) names a crypto engine; name a key file.</source>
        <translation>su clave de cliente &apos;%1&apos; (sslkey) indica un motor criptográfico; indique un archivo de clave.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) cannot be read: %3.</source>
        <translation>el archivo &apos;%1&apos; que indica (%2) no se puede leer: %3.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) %3.</source>
        <translation>el archivo &apos;%1&apos; que indica (%2) %3.</translation>
    </message>
    <message>
        <source>it holds a password and other users of this computer can read it. Make it private with &quot;chmod 600 &apos;%1&apos;&quot;, or keep the password in ~/.pgpass instead.</source>
        <translation>contiene una contraseña y otros usuarios de este equipo pueden leerlo. Hágalo privado con «chmod 600 &apos;%1&apos;», o guarde la contraseña en ~/.pgpass.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads a column &apos;%2&apos; that the table &apos;%3&apos; does not have.</source>
        <translation>La consulta guardada &apos;%1&apos; lee una columna &apos;%2&apos; que la tabla &apos;%3&apos; no tiene.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an %2: %3.</source>
        <translation>&apos;%1&apos; no es una %2: %3.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run: parameter queries of a Jet file cannot be read on this computer.</source>
        <translation>La consulta guardada &apos;%1&apos; no se puede ejecutar: las consultas con parámetros de un archivo Jet no se pueden leer en este equipo.</translation>
    </message>
    <message>
        <source>The database is closed.</source>
        <translation>La base de datos está cerrada.</translation>
    </message>
    <message>
        <source>The Jet file &apos;%1&apos; could not be read: %2.</source>
        <translation>No se pudo leer el archivo Jet &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads &apos;%2&apos;, which is not a table of this file.</source>
        <translation>La consulta guardada &apos;%1&apos; lee &apos;%2&apos;, que no es una tabla de este archivo.</translation>
    </message>
    <message>
        <source>Cannot find the table or query &apos;%1&apos;.</source>
        <translation>No se encuentra la tabla o consulta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>it has no Jet header</source>
        <translation>no tiene cabecera Jet</translation>
    </message>
    <message>
        <source>the file is incomplete (%1 bytes is not a whole number of %2-byte pages)</source>
        <translation>el archivo está incompleto (%1 bytes no son un número entero de páginas de %2 bytes)</translation>
    </message>
    <message>
        <source>it refers to byte %1, beyond its end at %2 bytes (it may be being written)</source>
        <translation>remite al byte %1, más allá de su final en %2 bytes (quizá se esté escribiendo)</translation>
    </message>
    <message>
        <source>it became shorter while it was read</source>
        <translation>se acortó mientras se leía</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: %2</source>
        <translation>Falló la operación sobre &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run from a Jet file.</source>
        <translation>La consulta guardada &apos;%1&apos; no se puede ejecutar desde un archivo Jet.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be read: kelvane reads only a select of columns from one table with an optional ORDER BY, and this query %2.</source>
        <translation>La consulta guardada &apos;%1&apos; no se puede leer: kelvane solo lee una selección de columnas de una tabla con un ORDER BY opcional, y esta consulta %2.</translation>
    </message>
    <message>
        <source>asks for parameters</source>
        <translation>pide parámetros</translation>
    </message>
    <message>
        <source>reads another database</source>
        <translation>lee otra base de datos</translation>
    </message>
    <message>
        <source>joins tables</source>
        <translation>combina tablas</translation>
    </message>
    <message>
        <source>has a WHERE condition</source>
        <translation>tiene una condición WHERE</translation>
    </message>
    <message>
        <source>groups rows</source>
        <translation>agrupa filas</translation>
    </message>
    <message>
        <source>holds a clause of kind %1</source>
        <translation>contiene una cláusula de tipo %1</translation>
    </message>
    <message>
        <source>reads from a subquery</source>
        <translation>lee de una subconsulta</translation>
    </message>
    <message>
        <source>reads no table</source>
        <translation>no lee ninguna tabla</translation>
    </message>
    <message>
        <source>reads from %1 tables</source>
        <translation>lee de %1 tablas</translation>
    </message>
    <message>
        <source>is not a select query (kind %1)</source>
        <translation>no es una consulta de selección (tipo %1)</translation>
    </message>
    <message>
        <source>has no query kind</source>
        <translation>no tiene tipo de consulta</translation>
    </message>
    <message>
        <source>orders by &apos;*&apos;</source>
        <translation>ordena por &apos;*&apos;</translation>
    </message>
    <message>
        <source>selects no columns</source>
        <translation>no selecciona ninguna columna</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>su cabecera está dañada</translation>
    </message>
    <message>
        <source>its pages cannot be read</source>
        <translation>sus páginas no se pueden leer</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; is damaged</source>
        <translation>la tabla &apos;%1&apos; está dañada</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; has no column &apos;%2&apos;</source>
        <translation>la tabla &apos;%1&apos; no tiene la columna &apos;%2&apos;</translation>
    </message>
    <message>
        <source>a page of &apos;%1&apos; is damaged</source>
        <translation>una página de &apos;%1&apos; está dañada</translation>
    </message>
    <message>
        <source>a row of &apos;%1&apos; is damaged</source>
        <translation>una fila de &apos;%1&apos; está dañada</translation>
    </message>
    <message>
        <source>a moved row of &apos;%1&apos; is damaged</source>
        <translation>una fila desplazada de &apos;%1&apos; está dañada</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; is damaged or not there</source>
        <translation>el mapa de páginas de &apos;%1&apos; está dañado o no existe</translation>
    </message>
    <message>
        <source>page %1, listed for &apos;%2&apos;, holds something else</source>
        <translation>la página %1, indicada para &apos;%2&apos;, contiene otra cosa</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; lies outside its page</source>
        <translation>un valor de &apos;%1&apos; queda fuera de su página</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; is cut short</source>
        <translation>un valor de &apos;%1&apos; está truncado</translation>
    </message>
    <message>
        <source>a text in &apos;%1&apos; cannot be converted</source>
        <translation>un texto de &apos;%1&apos; no se puede convertir</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is incomplete</source>
        <translation>un texto largo de &apos;%1&apos; está incompleto</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is of an unknown kind</source>
        <translation>un texto largo de &apos;%1&apos; es de un tipo desconocido</translation>
    </message>
    <message>
        <source>it holds no query definitions</source>
        <translation>no contiene definiciones de consultas</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2.</source>
        <translation>No se puede abrir &apos;%1&apos;: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>el archivo no es una base de datos</translation>
    </message>
    <message>
        <source>Cannot reach the database server %1 that &apos;%2&apos; names for the %3: %4</source>
        <translation>No se puede contactar con el servidor de base de datos %1 que &apos;%2&apos; indica para la %3: %4</translation>
    </message>
    <message>
        <source>The database server %1 that &apos;%2&apos; names is not answering: %3</source>
        <translation>El servidor de base de datos %1 que &apos;%2&apos; indica no responde: %3</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>no se indica ningún archivo</translation>
    </message>
    <message>
        <source>Rows cannot be added to &apos;%1&apos; on this computer.</source>
        <translation>En este equipo no se pueden añadir filas a &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>No hay registro activo.</translation>
    </message>
    <message>
        <source>Item not found in this collection: field &apos;%1&apos;.</source>
        <translation>No se encontró el elemento en esta colección: campo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: the file can only be read here.</source>
        <translation>Las filas de &apos;%1&apos; no se pueden eliminar: aquí el archivo solo se puede leer.</translation>
    </message>
    <message>
        <source>The record set is closed.</source>
        <translation>El conjunto de registros está cerrado.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: it has no &apos;%2&apos; key column.</source>
        <translation>Las filas de &apos;%1&apos; no se pueden eliminar: no hay columna clave &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Item not found in this collection: parameter &apos;%1&apos; of &apos;%2&apos;.</source>
        <translation>No se encontró el elemento en esta colección: parámetro &apos;%1&apos; de &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: the row was not added.</source>
        <translation>Falló la operación sobre &apos;%1&apos;: no se añadió la fila.</translation>
    </message>
    <message>
        <source>Item not found in this collection: query &apos;%1&apos;.</source>
        <translation>No se encontró el elemento en esta colección: consulta &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Saved query &apos;%1&apos; numbers its parameters wrongly.</source>
        <translation>La consulta guardada &apos;%1&apos; numera mal sus parámetros.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; was stopped: it asks for far more work than any sound database needs.</source>
        <translation>Se detuvo la operación sobre &apos;%1&apos;: pide mucho más trabajo del que necesita cualquier base de datos sana.</translation>
    </message>
    <message>
        <source>The database is locked by another program (%1).</source>
        <translation>La base de datos está bloqueada por otro programa (%1).</translation>
    </message>
    <message>
        <source>The connection to the database server was lost (%1): %2</source>
        <translation>Se perdió la conexión con el servidor de base de datos (%1): %2</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3.</source>
        <translation>La %1 &apos;%2&apos; no se puede leer: %3.</translation>
    </message>
    <message>
        <source>the database file is damaged or incomplete</source>
        <translation>el archivo de la base de datos está dañado o incompleto</translation>
    </message>
    <message>
        <source>uses DISTINCT or TOP</source>
        <translation>usa DISTINCT o TOP</translation>
    </message>
    <message>
        <source>club database</source>
        <translation>base de datos del club</translation>
    </message>
    <message>
        <source>announcer database</source>
        <translation>base de datos del locutor</translation>
    </message>
    <message>
        <source>the Microsoft Access ODBC driver could not open it (%1)</source>
        <translation>el controlador ODBC de Microsoft Access no pudo abrirlo (%1)</translation>
    </message>
    <message>
        <source>two rows of &apos;%1&apos; point at the same moved row</source>
        <translation>dos filas de &apos;%1&apos; apuntan a la misma fila movida</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; lists page %2, beyond the file&apos;s end at %3 pages (it may be being written)</source>
        <translation>el mapa de páginas de &apos;%1&apos; indica la página %2, más allá del final del archivo en %3 páginas (quizá se está escribiendo)</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; points back at a piece already read</source>
        <translation>un texto largo en &apos;%1&apos; apunta a un fragmento ya leído</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a %2: %3.</source>
        <translation>&apos;%1&apos; no es una %2: %3.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would change other rows as well, so nothing was deleted.</source>
        <translation>La regla de borrado propia de esta base para &apos;%1&apos; cambiaría también otras filas, así que no se borró nada.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would keep the row, so nothing was deleted.</source>
        <translation>La regla de borrado propia de esta base para &apos;%1&apos; conservaría la fila, así que no se borró nada.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; in &apos;%2&apos; does more than read (it would change data or reach other files), so it was not run.</source>
        <translation>La consulta guardada &apos;%1&apos; de &apos;%2&apos; hace algo más que leer (cambiaría datos o accedería a otros archivos), así que no se ejecutó.</translation>
    </message>
    <message>
        <source>a read-only transaction</source>
        <translation>una transacción de solo lectura</translation>
    </message>
    <message>
        <source>This database&apos;s own insert rule for &apos;%1&apos; would change other rows as well, so nothing was added.</source>
        <translation>La regla de inserción propia de esta base para &apos;%1&apos; cambiaría también otras filas, así que no se añadió nada.</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot read it safely</source>
        <translation>el SQLite de este ordenador no puede leerla de forma segura</translation>
    </message>
    <message>
        <source>it is a link, which kelvane never follows here</source>
        <translation>es un enlace, y kelvane nunca sigue enlaces aquí</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>it keeps changing</source>
        <translation>no deja de cambiar</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>other users may change it</source>
        <translation>otros usuarios pueden modificarlo</translation>
    </message>
    <message>
        <source>other users may read it</source>
        <translation>otros usuarios pueden leerlo</translation>
    </message>
    <message>
        <source>it is linked to another file</source>
        <translation>está enlazado con otro archivo</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full. Ask whoever runs the server to free some space on it, then try again.</source>
        <translation>El disco del servidor de base de datos está lleno. Pida a quien lo administra que libere espacio en él y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The disk that holds the database %1 is full. Free some space on it (the disk mounted at %2), then try again.</source>
        <translation>El disco que contiene la base de datos %1 está lleno. Libere espacio en él (el disco montado en %2) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>it is a database this program has open</source>
        <translation>es una base de datos que este programa tiene abierta</translation>
    </message>
</context>
<context>
    <name>DemoMessages</name>
    <message>
        <source>Would the parents of Tom Fielding please come to the recording desk.</source>
        <translation>Se ruega a los padres de Tom Fielding que acudan a la secretaría.</translation>
    </message>
    <message>
        <source>The cafe closes at 4 pm. Please collect lost property from the poolside table.</source>
        <translation>La cafetería cierra a las 16:00. Recojan los objetos perdidos en la mesa junto a la piscina.</translation>
    </message>
    <message>
        <source>Event 12 Girls 100m Freestyle
Results are now available.
1st Amy Hartley 1:04.32
2nd Chloe Barnes 1:05.10
3rd Ruth Osei 1:06.87</source>
        <translation>Prueba 12 – 100 m libre femenino
Ya están los resultados.
1.ª Amy Hartley 1:04.32
2.ª Chloe Barnes 1:05.10
3.ª Ruth Osei 1:06.87</translation>
    </message>
    <message>
        <source>Marshalling
Event 15 Boys 50m Backstroke is now called to the marshalling area.</source>
        <translation>Cámara de llamadas
Prueba 15 – 50 m espalda masculino: preséntense ahora en la cámara de llamadas.</translation>
    </message>
    <message>
        <source>NEW CLUB RECORD
Event 9 Girls 200m Individual Medley
Sophie Lindqvist 2:31.45
previous record 2:33.02 (2019)</source>
        <translation>NUEVO RÉCORD DEL CLUB
Prueba 9 – 200 m estilos femenino
Sophie Lindqvist 2:31.45
récord anterior 2:33.02 (2019)</translation>
    </message>
    <message>
        <source>Event 17 Mixed 4 x 50m Medley Relay
Teams: please hand relay cards to the referee.</source>
        <translation>Prueba 17 – relevo 4 x 50 m estilos mixto
Equipos: entreguen las fichas de relevo al juez árbitro.</translation>
    </message>
    <message>
        <source>Session two warm-up starts at 1:15 pm.
Lanes 1-3 swimmers from Northgate, lanes 4-6 from Riverside.</source>
        <translation>El calentamiento de la segunda jornada empieza a las 13:15.
Calles 1-3 nadadores de Northgate, calles 4-6 de Riverside.</translation>
    </message>
    <message>
        <source>Disqualification
Event 14 Boys 100m Breaststroke, heat 2 lane 5: non-simultaneous touch.</source>
        <translation>Descalificación
Prueba 14 – 100 m braza masculino, serie 2 calle 5: llegada sin tocar con ambas manos a la vez.</translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>%1 %2</source>
        <comment>a day and a time of day</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>hace %n min</numerusform>
            <numerusform>hace %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min ago</source>
        <translation>hace %1 h %2 min</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>hace 1 día</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>arrived %1, %2</source>
        <comment>when, how long ago</comment>
        <translation>llegó %1, %2</translation>
    </message>
    <message>
        <source>[The message goes on for another %L1 characters, not shown here.]</source>
        <translation>[El mensaje sigue con otros %L1 caracteres, que no se muestran aquí.]</translation>
    </message>
    <message>
        <source>the server has not answered since %1; trying again</source>
        <translation>el servidor no responde desde las %1; se sigue intentando</translation>
    </message>
    <message>
        <source>the database has been busy since %1; trying again</source>
        <translation>la base de datos está ocupada desde las %1; se sigue intentando</translation>
    </message>
    <message>
        <source>the list could not be read since %1; trying again</source>
        <translation>la lista no se puede leer desde las %1; se sigue intentando</translation>
    </message>
    <message>
        <source>read only here</source>
        <translation>aquí solo lectura</translation>
    </message>
    <message>
        <source>the message on display is no longer in the database</source>
        <translation>el mensaje mostrado ya no está en la base de datos</translation>
    </message>
</context>
<context>
    <name>DeskSettings</name>
    <message>
        <source>Lane timekeepers to the start</source>
        <translation>Cronometradores, a la salida</translation>
    </message>
    <message>
        <source>Medal ceremony in 5 minutes</source>
        <translation>Entrega de medallas en 5 minutos</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Invalid Date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Invalid Time</source>
        <translation>Tiempo no válido</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1</source>
        <translation>Error %1</translation>
    </message>
</context>
<context>
    <name>FileDialogue</name>
    <message>
        <source>File already exists, what do you want to do?</source>
        <translation>El archivo ya existe. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Append to existing contents</source>
        <translation>Añadir al contenido actual</translation>
    </message>
    <message>
        <source>Overwrite existing contents</source>
        <translation>Sobrescribir el contenido</translation>
    </message>
    <message>
        <source>Change File Name</source>
        <translation>Cambiar el nombre</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FileInfo</name>
    <message>
        <source>File Select</source>
        <translation>Elegir archivo</translation>
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
    <name>KeysWindow</name>
    <message>
        <source>Up, Down</source>
        <translation>Arriba, Abajo</translation>
    </message>
    <message>
        <source>Move through the list and show that message</source>
        <translation>Recorrer la lista y mostrar ese mensaje</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Intro, Espacio</translation>
    </message>
    <message>
        <source>Show the message at the list&apos;s cursor</source>
        <translation>Mostrar el mensaje del cursor de la lista</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Dismiss the message on display (marked in the list)</source>
        <translation>Retirar el mensaje mostrado (marcado en la lista)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last dismissal (several times)</source>
        <translation>Deshacer la última retirada (varias veces)</translation>
    </message>
    <message>
        <source>In the message</source>
        <translation>En el mensaje</translation>
    </message>
    <message>
        <source>Delete and Ctrl+Z edit the text once you have typed or selected there</source>
        <translation>Supr y Ctrl+Z editan el texto en cuanto haya escrito o seleccionado en él</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>Read out today: the messages dismissed today</source>
        <translation>Leído hoy: los mensajes retirados hoy</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Read the list again now</source>
        <translation>Volver a leer la lista ahora</translation>
    </message>
    <message>
        <source>Ctrl+Plus, Ctrl+Minus</source>
        <translation>Ctrl+Más, Ctrl+Menos</translation>
    </message>
    <message>
        <source>Larger or smaller text</source>
        <translation>Texto más grande o más pequeño</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Text at its usual size</source>
        <translation>Texto a su tamaño habitual</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Sound on a new message: on or off</source>
        <translation>Sonido con cada mensaje nuevo: sí o no</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the message, the list and the buttons</source>
        <translation>Pasar entre el mensaje, la lista y los botones</translation>
    </message>
    <message>
        <source>Exit to the intro screen</source>
        <translation>Volver a la pantalla de inicio</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Esta lista de teclas</translation>
    </message>
    <message>
        <source>Intro screen: Enter</source>
        <translation>Pantalla de inicio: Intro</translation>
    </message>
    <message>
        <source>Browse, Exit</source>
        <translation>Examinar, Salir</translation>
    </message>
    <message>
        <source>Keys – kelvane</source>
        <translation>Teclas – kelvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Browser station: the desk on tablets and phones</source>
        <translation>Estación de navegador: el puesto en tabletas y móviles</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <comment>the intro screen&apos;s Enter button</comment>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <comment>the intro screen&apos;s Browse button</comment>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the intro screen&apos;s Exit button</comment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the announcer screen&apos;s Exit button</comment>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Open the database named (%1 as well)</source>
        <translation>Abrir la base indicada (también %1)</translation>
    </message>
    <message>
        <source>Intro screen: %1, %2</source>
        <translation>Pantalla de inicio: %1, %2</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Planned messages: your own, added when due</source>
        <translation>Mensajes previstos: los suyos, añadidos a su hora</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Hold the message on display back from the caption screen, or show it</source>
        <translation>Retener el mensaje en pantalla de la pantalla de subtítulos, o mostrarlo</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back</source>
        <translation>Poner en negro la pantalla de subtítulos, o recuperarla</translation>
    </message>
</context>
<context>
    <name>LocateDatabase</name>
    <message>
        <source>Announcer DB is %1</source>
        <translation>La base del locutor es %1</translation>
    </message>
    <message>
        <source>Locate announcer database</source>
        <translation>Buscar la base del locutor</translation>
    </message>
    <message>
        <source>No Announcer Database</source>
        <translation>No hay base del locutor</translation>
    </message>
</context>
<context>
    <name>PlannedMessages</name>
    <message>
        <source>The message has no text.</source>
        <translation>El mensaje no tiene texto.</translation>
    </message>
    <message>
        <source>The message is longer than 1000 characters.</source>
        <translation>El mensaje tiene más de 1000 caracteres.</translation>
    </message>
    <message>
        <source>The message holds control characters.</source>
        <translation>El mensaje contiene caracteres de control.</translation>
    </message>
    <message>
        <source>The message needs a time not before.</source>
        <translation>El mensaje necesita una hora «no antes de».</translation>
    </message>
    <message>
        <source>The time not after must be later than the time not before.</source>
        <translation>La hora «no después de» debe ser posterior a «no antes de».</translation>
    </message>
    <message>
        <source>The repeat must be between 0 and 1440 minutes.</source>
        <translation>La repetición debe estar entre 0 y 1440 minutos.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file could not be planned: each needs a text, a time not before (such as 9:40) and fitting times.</source>
        <translation>
            <numerusform>%n línea del archivo no se pudo prever: cada una necesita un texto, una hora «no antes de» (como 9:40) y horas coherentes.</numerusform>
            <numerusform>%n líneas del archivo no se pudieron prever: cada una necesita un texto, una hora «no antes de» (como 9:40) y horas coherentes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlannedWindow</name>
    <message>
        <source>Not after</source>
        <translation>No después de</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Urgente</translation>
    </message>
    <message>
        <source>Planned messages – kelvane</source>
        <translation>Mensajes previstos – kelvane</translation>
    </message>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>No antes de</translation>
    </message>
    <message>
        <source>Repeat every</source>
        <translation>Repetir cada</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplicar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Nothing is added to the list now. %1</source>
        <translation>Ahora no se añade nada a la lista. %1</translation>
    </message>
    <message>
        <source>The sheet cannot be kept for the next run: %1</source>
        <translation>El guion no se puede guardar para la próxima vez: %1</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Cada mensaje se añade a la lista a su hora.</translation>
    </message>
    <message>
        <source>Import planned messages</source>
        <translation>Importar mensajes previstos</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB: it holds no running sheet.</source>
        <translation>El archivo supera 1 MiB: no contiene un guion.</translation>
    </message>
    <message>
        <source>Export planned messages</source>
        <translation>Exportar mensajes previstos</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error: no printer is installed.</source>
        <translation>Error de impresora: no hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>Invalid property value: font size %1.</source>
        <translation>Valor de propiedad no válido: tamaño de letra %1.</translation>
    </message>
    <message>
        <source>Printer error: cannot write &apos;%1&apos;.</source>
        <translation>Error de impresora: no se puede escribir &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Printer error: the printer cannot start a job.</source>
        <translation>Error de impresora: la impresora no puede empezar un trabajo.</translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page.</source>
        <translation>Error de impresora: no se puede empezar una página nueva.</translation>
    </message>
</context>
<context>
    <name>ReadOutToday</name>
    <message>
        <source>Read out today – kelvane</source>
        <translation>Leído hoy – kelvane</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Hoy no se ha retirado nada.</translation>
    </message>
    <message>
        <source>Dismissed today, newest first:</source>
        <translation>Retirados hoy, los más recientes primero:</translation>
    </message>
    <message>
        <source>(undone %1)</source>
        <translation>(deshecho %1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Print Club Records</source>
        <translation>Imprimir récords del club</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masc.</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Fem.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>ACRs</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Include Undated</source>
        <translation>Incluir sin fecha</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Printing stopped (error %1).</source>
        <translation>Impresión detenida (error %1).</translation>
    </message>
    <message>
        <source>Load Blue Cards</source>
        <translation>Cargue las fichas azules</translation>
    </message>
    <message>
        <source>Load Pink Cards</source>
        <translation>Cargue las fichas rosas</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message numerus="yes">
        <source>serving %1: %n messages listed</source>
        <translation>
            <numerusform>sirviendo %1: %n mensaje en la lista</numerusform>
            <numerusform>sirviendo %1: %n mensajes en la lista</numerusform>
        </translation>
    </message>
    <message>
        <source>refused %1: its link is not valid (any more)</source>
        <translation>rechazado %1: su enlace no es válido (ya)</translation>
    </message>
    <message>
        <source>refused %1: too many connections</source>
        <translation>rechazado %1: demasiadas conexiones</translation>
    </message>
    <message>
        <source>the connection to the database server is not encrypted (sslmode=%1)</source>
        <translation>la conexión con el servidor de la base no está cifrada (sslmode=%1)</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it contains a double quote</source>
        <translation>contiene unas comillas dobles</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>contiene un salto de línea</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 is no address: an IPv6 address goes in brackets, [::1]:8088</source>
        <translation>%1 no es una dirección: una dirección IPv6 va entre corchetes, [::1]:8088</translation>
    </message>
    <message>
        <source>%1 is no port number (1 to 65535)</source>
        <translation>%1 no es un número de puerto (1 a 65535)</translation>
    </message>
    <message>
        <source>%1 is no IP address</source>
        <translation>%1 no es una dirección IP</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer</source>
        <translation>%1 no es una dirección de este ordenador</translation>
    </message>
    <message>
        <source>That message is no longer listed.</source>
        <translation>Ese mensaje ya no está en la lista.</translation>
    </message>
    <message>
        <source>Nothing was dismissed: choose the message first.</source>
        <translation>No se retiró nada: elija primero el mensaje.</translation>
    </message>
    <message>
        <source>The browser station cannot use its certificate: %1</source>
        <translation>La estación de navegador no puede usar su certificado: %1</translation>
    </message>
    <message>
        <source>%1: too large for a certificate or a key</source>
        <translation>%1: demasiado grande para un certificado o una clave</translation>
    </message>
    <message>
        <source>this computer&apos;s Qt has no TLS support</source>
        <translation>el Qt de este ordenador no admite TLS</translation>
    </message>
    <message>
        <source>%1 holds no certificate</source>
        <translation>%1 no contiene ningún certificado</translation>
    </message>
    <message>
        <source>%1 holds no private key kelvane can use (PEM, RSA or EC, no pass phrase)</source>
        <translation>%1 no contiene ninguna clave privada que kelvane pueda usar (PEM, RSA o EC, sin frase de paso)</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Indique quién envía: su nombre o su cargo.</translation>
    </message>
    <message>
        <source>The name must be one line of at most 60 characters.</source>
        <translation>El nombre debe ser una sola línea de 60 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>El mensaje está vacío.</translation>
    </message>
    <message>
        <source>The message is longer than 1,000 characters.</source>
        <translation>El mensaje tiene más de 1000 caracteres.</translation>
    </message>
    <message>
        <source>The message holds control characters: only line breaks are allowed.</source>
        <translation>El mensaje contiene caracteres de control: solo se admiten saltos de línea.</translation>
    </message>
    <message>
        <source>The name or the message holds a character that is not valid text.</source>
        <translation>El nombre o el mensaje contiene un carácter que no es texto válido.</translation>
    </message>
    <message>
        <source>The name may not hold characters that change the writing direction.</source>
        <translation>El nombre no puede contener caracteres que cambien la dirección de escritura.</translation>
    </message>
    <message>
        <source>Too many messages have been sent on this link in the last minute. This one can be sent at %1.</source>
        <translation>Se han enviado demasiados mensajes por este enlace en el último minuto. Este se podrá enviar a las %1.</translation>
    </message>
    <message>
        <source>Ten messages have been sent from this page in the last minute. This one can be sent at %1.</source>
        <translation>Se han enviado diez mensajes desde esta página en el último minuto. Este se podrá enviar a las %1.</translation>
    </message>
    <message>
        <source>%1: %2; a private key must be a file of your own that only you may read (chmod 600 &apos;%1&apos;).</source>
        <translation>%1: %2; una clave privada debe ser un archivo propio que solo usted pueda leer (chmod 600 &apos;%1&apos;).</translation>
    </message>
    <message>
        <source>The browser station cannot listen on %1: %2.</source>
        <translation>La estación de navegador no puede escuchar en %1: %2.</translation>
    </message>
    <message>
        <source>Another program uses that port; kelvane may be running already. Choose another port, or close that program.</source>
        <translation>Otro programa usa ese puerto; quizá kelvane ya está en marcha. Elija otro puerto o cierre ese programa.</translation>
    </message>
    <message>
        <source>Choose one of this computer&apos;s addresses.</source>
        <translation>Elija una dirección de este ordenador.</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>Los nuevos enlaces funcionan, pero no se pueden guardar para la próxima vez: %1</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Smaller text</source>
        <translation>Texto más pequeño</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Texto más grande</translation>
    </message>
    <message>
        <source>On the announcer’s display</source>
        <translation>En la pantalla del locutor</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Retirar este mensaje</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>No hay mensajes.</translation>
    </message>
    <message>
        <source>The announcer screen is closed.</source>
        <translation>La pantalla del locutor está cerrada.</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>anunciar</translation>
    </message>
    <message>
        <source>watch</source>
        <translation>ver</translation>
    </message>
    <message>
        <source>This link no longer works. Ask the announcer for the new one.</source>
        <translation>Este enlace ya no funciona. Pida el nuevo al locutor.</translation>
    </message>
    <message>
        <source>The station closed this page: this link does not allow that.</source>
        <translation>La estación cerró esta página: este enlace no lo permite.</translation>
    </message>
    <message>
        <source>Not connected since %1, trying again</source>
        <translation>Sin conexión desde las %1, reintentando</translation>
    </message>
    <message>
        <source>Open this page with a link from the announcer’s station window.</source>
        <translation>Abra esta página con un enlace de la ventana de estación del locutor.</translation>
    </message>
    <message>
        <source>send</source>
        <translation>enviar</translation>
    </message>
    <message>
        <source>From (your name or post)</source>
        <translation>De (su nombre o cargo)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Urgente</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Sus mensajes</translation>
    </message>
    <message>
        <source>None sent yet.</source>
        <translation>Aún no ha enviado ninguno.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Enviado.</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Indique quién envía: su nombre o su cargo.</translation>
    </message>
    <message>
        <source>on the announcer’s list</source>
        <translation>en la lista del locutor</translation>
    </message>
    <message>
        <source>read out at %1</source>
        <translation>leído a las %1</translation>
    </message>
    <message>
        <source>put back on the announcer’s list</source>
        <translation>repuesto en la lista del locutor</translation>
    </message>
    <message>
        <source>dismissed unread</source>
        <translation>retirado sin leer</translation>
    </message>
    <message>
        <source>Not connected: the message goes as soon as the connection is back.</source>
        <translation>Sin conexión: el mensaje se enviará en cuanto vuelva la conexión.</translation>
    </message>
    <message>
        <source>Urgent message: %1</source>
        <translation>Mensaje urgente: %1</translation>
    </message>
    <message>
        <source>Read out today</source>
        <translation>Leído hoy</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>Sound for new messages</source>
        <translation>Sonido con cada mensaje nuevo</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reading the read-out log…</source>
        <translation>Leyendo el registro de anuncios…</translation>
    </message>
    <message>
        <source>No announcer database is open.</source>
        <translation>No hay ninguna base de datos del locutor abierta.</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Hoy no se ha retirado nada.</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>deshecho %1</translation>
    </message>
    <message>
        <source>The rest, %1 characters, is in the read-out log at the desk.</source>
        <translation>El resto, %1 caracteres, está en el registro de anuncios, en el puesto del locutor.</translation>
    </message>
    <message>
        <source>Older dismissals of today, in the read-out log at the desk: %1</source>
        <translation>Retiradas anteriores de hoy, en el registro de anuncios del puesto del locutor: %1</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>La lista y el mensaje mostrado, solo lectura</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>También elegir, retirar y deshacer</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Los oficiales envían mensajes a la lista y ven cuándo se leen</translation>
    </message>
    <message>
        <source>Pages connected now besides this one: %1</source>
        <translation>Páginas conectadas ahora, además de esta: %1</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Nuevos enlaces</translation>
    </message>
    <message>
        <source>Make new links</source>
        <translation>Crear nuevos enlaces</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New links are made: the old ones no longer work.</source>
        <translation>Se han creado nuevos enlaces: los antiguos ya no funcionan.</translation>
    </message>
    <message>
        <source>Make new links?</source>
        <translation>¿Crear nuevos enlaces?</translation>
    </message>
    <message>
        <source>The old links stop working on every device. Pages dropped now: %1</source>
        <translation>Los enlaces antiguos dejan de funcionar en todos los dispositivos. Páginas desconectadas ahora: %1</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Previstos</translation>
    </message>
    <message>
        <source>Planned messages</source>
        <translation>Mensajes previstos</translation>
    </message>
    <message>
        <source>No planned messages.</source>
        <translation>No hay mensajes previstos.</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>No antes de</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>No después de</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Repetir cada (minutos)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>every %1 min</source>
        <translation>cada %1 min</translation>
    </message>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>en la lista (desde las %1)</translation>
    </message>
    <message>
        <source>read out at %1 (%2 min ago)</source>
        <translation>leído a las %1 (hace %2 min)</translation>
    </message>
    <message>
        <source>due again at %1</source>
        <translation>de nuevo a las %1</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>caducado</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>en espera (a las %1)</translation>
    </message>
    <message>
        <source>Nothing is added to the list now.</source>
        <translation>Ahora no se añade nada a la lista.</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Cada mensaje se añade a la lista a su hora.</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>pantalla</translation>
    </message>
    <message>
        <source>The pool’s caption screen: what is read out, in large type</source>
        <translation>La pantalla de subtítulos de la piscina: lo que se lee, en letra grande</translation>
    </message>
    <message>
        <source>Hold back from the screen</source>
        <translation>Retener de la pantalla</translation>
    </message>
    <message>
        <source>Keep this message off the caption screen (F7)</source>
        <translation>No mostrar este mensaje en la pantalla de subtítulos (F7)</translation>
    </message>
    <message>
        <source>Blank the screen</source>
        <translation>Pantalla en negro</translation>
    </message>
    <message>
        <source>Bring the screen back</source>
        <translation>Recuperar la pantalla</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back (F6)</source>
        <translation>Poner en negro la pantalla de subtítulos, o recuperarla (F6)</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>Anunciar</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>&amp;New links</source>
        <translation>&amp;Nuevos enlaces</translation>
    </message>
    <message>
        <source>Browser station – kelvane</source>
        <translation>Estación de navegador – kelvane</translation>
    </message>
    <message>
        <source>All networks of this computer</source>
        <translation>Todas las redes de este ordenador</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Conectadas ahora</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>Los nuevos enlaces funcionan, pero no se pueden guardar para la próxima vez: %1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>The station is off: no browser can see the desk.</source>
        <translation>La estación está apagada: ningún navegador puede ver el puesto.</translation>
    </message>
    <message>
        <source>Listening on %1://%2</source>
        <translation>Escuchando en %1://%2</translation>
    </message>
    <message>
        <source> (all networks of this computer)</source>
        <translation> (todas las redes de este ordenador)</translation>
    </message>
    <message>
        <source>Unencrypted: anyone on this network can read the messages as they pass. Use it on the gala&apos;s own network only.</source>
        <translation>Sin cifrar: cualquiera en esta red puede leer los mensajes al pasar. Úselo solo en la red propia de la competición.</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>La lista y el mensaje mostrado, solo lectura</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>También elegir, retirar y deshacer</translation>
    </message>
    <message>
        <source>send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Los oficiales envían mensajes a la lista y ven cuándo se leen</translation>
    </message>
    <message>
        <source>Ready texts for send pages, one a line</source>
        <translation>Textos preparados para Enviar, uno por línea</translation>
    </message>
    <message>
        <source>Connections without a link yet: %1</source>
        <translation>Conexiones aún sin enlace: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stop the browser station? Pages connected now: %n. They lose the desk until the station is started again.</source>
        <translation>
            <numerusform>¿Detener la estación de navegador? Páginas conectadas ahora: %n. Pierden el puesto hasta que la estación vuelva a arrancar.</numerusform>
            <numerusform>¿Detener la estación de navegador? Páginas conectadas ahora: %n. Pierden el puesto hasta que la estación vuelva a arrancar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop the station</source>
        <translation>Detener la estación</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Dejarla activa</translation>
    </message>
    <message numerus="yes">
        <source>Replace every link? The links handed out stop working, and the pages connected now (%n) are closed: each needs the new link.</source>
        <translation>
            <numerusform>¿Sustituir todos los enlaces? Los enlaces repartidos dejan de funcionar y las páginas conectadas ahora (%n) se cierran: cada una necesita el enlace nuevo.</numerusform>
            <numerusform>¿Sustituir todos los enlaces? Los enlaces repartidos dejan de funcionar y las páginas conectadas ahora (%n) se cierran: cada una necesita el enlace nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the links</source>
        <translation>Sustituir los enlaces</translation>
    </message>
    <message>
        <source>Keep the links</source>
        <translation>Conservar los enlaces</translation>
    </message>
    <message>
        <source>The station could not start: %1</source>
        <translation>La estación no ha podido arrancar: %1</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>pantalla</translation>
    </message>
    <message>
        <source>The pool&apos;s caption screen: what is read out, in large type</source>
        <translation>La pantalla de subtítulos de la piscina: lo que se lee, en letra grande</translation>
    </message>
    <message>
        <source>Hold back from the screen (F7)</source>
        <translation>Retener de la pantalla (F7)</translation>
    </message>
    <message>
        <source>Blank the screen (F6)</source>
        <translation>Pantalla en negro (F6)</translation>
    </message>
    <message>
        <source>Caption screen:</source>
        <translation>Pantalla de subtítulos:</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is not an announcer database</source>
        <translation>%1 no es una base de datos del locutor</translation>
    </message>
    <message>
        <source>%1 already exists; it is left as it is</source>
        <translation>%1 ya existe; se deja tal como está</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>no se puede leer la entrada estándar</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>SEQUENCE must be a whole number</source>
        <translation>NÚMERO debe ser un número entero</translation>
    </message>
    <message>
        <source>INTERVAL_MS and COUNT must be whole numbers</source>
        <translation>INTERVALO_MS y CANTIDAD deben ser números enteros</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot open it safely</source>
        <translation>el SQLite de este ordenador no puede abrirla de forma segura</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>kelvane: unknown argument %1</source>
        <translation>kelvane: argumento desconocido %1</translation>
    </message>
    <message>
        <source>usage: kelvane-records
Asks for a club database, then prints the club&apos;s record cards.
</source>
        <translation>uso: kelvane-records
Pide una base de datos de club y después imprime las fichas de récords del club.
</translation>
    </message>
    <message>
        <source>usage: kelvane-clubdb init FILE   (a new club database with no records)
       kelvane-clubdb demo FILE   (a new club database with a demo club&apos;s records)
       kelvane-clubdb --help | --version
</source>
        <translation>uso: kelvane-clubdb init ARCHIVO   (una base de club nueva sin récords)
     kelvane-clubdb demo ARCHIVO   (una base de club nueva con los récords de un
                                   club de ejemplo)
     kelvane-clubdb --help | --version
</translation>
    </message>
    <message>
        <source>usage: kelvane-feed init FILE
       kelvane-feed add FILE SEQUENCE [TEXT]   (TEXT from standard input if absent)
       kelvane-feed list FILE
       kelvane-feed demo FILE [INTERVAL_MS [COUNT [LOG]]]
       kelvane-feed --help | --version
</source>
        <translation>uso: kelvane-feed init ARCHIVO
     kelvane-feed add ARCHIVO NÚMERO [TEXTO]   (sin TEXTO, de la entrada estándar)
     kelvane-feed list ARCHIVO
     kelvane-feed demo ARCHIVO [INTERVALO_MS [CANTIDAD [REGISTRO]]]
     kelvane-feed --help | --version
</translation>
    </message>
    <message>
        <source>usage: kelvane [--display-only] [--station [ADDRESS][:PORT]]
Opens the intro screen on the announcer database remembered in ~/kelvane.ini.
  --display-only  show the messages as usual but never delete one: for a second
                  announcer or a commentator on the same database
  --station       serve the desk to browsers on this network, at this computer&apos;s
                  first address (or ADDRESS, 0.0.0.0 for all) and port 8088 (or
                  PORT); prints each link as a line ROLE URL

Keys on the announcer screen:
  Up, Down           move through the list and show that message
  Enter, Space       show the message at the list&apos;s cursor
  Delete             dismiss the message on display (the cursor marks it)
  Ctrl+Z             undo the last dismissal; again for the one before
  Ctrl+H             read out today: today&apos;s dismissals, whole texts
  F5                 read the list again now
  F9                 the browser station: the desk on tablets and phones
  Ctrl+Plus, Ctrl+Minus, Ctrl+0
                     larger, smaller, usual text (remembered)
  Ctrl+B             a sound on a new message: on or off
  Alt+X              exit to the intro screen;  F1  the list of keys
In the message box, Delete and Ctrl+Z edit once you have typed or selected there.

Every dismissal is written to the read-out log before its row is deleted:
  $XDG_DATA_HOME/kelvane/read-out-YYYY-MM-DD.csv (~/.local/share/kelvane/)
A Jet (.mdb) file is only read on Linux: a dismissed message is hidden, not
deleted, and stays hidden for the day (the read-out log remembers it).
</source>
        <translation>uso: kelvane [--display-only] [--station [DIRECCIÓN][:PUERTO]]
Abre la pantalla de inicio con la base del locutor recordada en ~/kelvane.ini.
  --display-only  mostrar los mensajes como siempre pero no borrar ninguno: para
                  un segundo locutor o un comentarista con la misma base
  --station       ofrecer el puesto a los navegadores de esta red, en la primera
                  dirección de este ordenador (o DIRECCIÓN, 0.0.0.0 para todas) y
                  el puerto 8088 (o PUERTO); muestra cada enlace como una línea
                  FUNCIÓN URL

Teclas en la pantalla del locutor:
  Arriba, Abajo      recorrer la lista y mostrar ese mensaje
  Intro, Espacio     mostrar el mensaje del cursor de la lista
  Supr               retirar el mensaje mostrado (el cursor lo marca)
  Ctrl+Z             deshacer la última retirada; otra vez para la anterior
  Ctrl+H             leído hoy: las retiradas de hoy, textos completos
  F5                 volver a leer la lista ahora
  F9                 la estación de navegador: el puesto en tabletas y móviles
  Ctrl+Más, Ctrl+Menos, Ctrl+0
                     texto más grande, más pequeño, habitual (se recuerda)
  Ctrl+B             un sonido con cada mensaje nuevo: sí o no
  Alt+C              volver a la pantalla de inicio;  F1  la lista de teclas
En el cuadro del mensaje, Supr y Ctrl+Z editan en cuanto haya escrito o
seleccionado en él.

Cada retirada se escribe en el registro de anuncios antes de borrar su fila:
  $XDG_DATA_HOME/kelvane/read-out-AAAA-MM-DD.csv (~/.local/share/kelvane/)
En Linux un archivo Jet (.mdb) solo se lee: un mensaje retirado se oculta, no
se borra, y sigue oculto durante el día (el registro de anuncios lo recuerda).
</translation>
    </message>
    <message>
        <source>
usage: kelvane serve [--display-only] [--station [ADDRESS][:PORT]] [DATABASE]
Runs the desk and its browser station without a window or a display, on DATABASE
(an announcer file or a connection file) or the one remembered in ~/kelvane.ini;
prints each link as a line ROLE URL, its notices on standard error, and stops
on SIGTERM or SIGINT. The station listens where --station says, or where it
listened last.
</source>
        <translation>
uso: kelvane serve [--display-only] [--station [DIRECCIÓN][:PUERTO]] [BASE]
Hace funcionar el puesto y su estación de navegador sin ventana ni pantalla, con
BASE (un archivo del locutor o un archivo de conexión) o la recordada en
~/kelvane.ini; muestra cada enlace como una línea FUNCIÓN URL, sus avisos en la
salida de errores, y termina con SIGTERM o SIGINT. La estación escucha donde
dice --station, o donde escuchó la última vez.
</translation>
    </message>
</context>
<context>
    <name>YesNo</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>desk::AnnouncerDesk</name>
    <message>
        <source>The announcer database is busy: another program is writing to it. %1 in a moment.</source>
        <translation>La base de datos del locutor está ocupada: otro programa está escribiendo en ella. %1 dentro de un momento.</translation>
    </message>
    <message>
        <source>The database server is not answering. %1 once it is back.</source>
        <translation>El servidor de base de datos no responde. %1 cuando vuelva.</translation>
    </message>
    <message>
        <source>The message is back, but the read-out log could not be written (%1).</source>
        <translation>El mensaje ha vuelto, pero no se pudo escribir el registro de anuncios (%1).</translation>
    </message>
    <message>
        <source>Another file has taken the place of the announcer database. %1</source>
        <translation>Otro archivo ha ocupado el lugar de la base de datos del locutor. %1</translation>
    </message>
    <message>
        <source>The announcer database &apos;%1&apos; is no longer there.</source>
        <translation>La base de datos del locutor &apos;%1&apos; ya no está.</translation>
    </message>
    <message>
        <source>The message could not be read; choose it again</source>
        <translation>No se pudo leer el mensaje; elíjalo de nuevo</translation>
    </message>
    <message>
        <source>The message has not been dismissed; press Dismiss This Message again</source>
        <translation>El mensaje no se ha retirado; pulse de nuevo «Retirar este mensaje»</translation>
    </message>
    <message>
        <source>The message has not been dismissed: the read-out log could not be written (%1).</source>
        <translation>El mensaje no se ha retirado: no se pudo escribir el registro de anuncios (%1).</translation>
    </message>
    <message>
        <source>This announcer database can only be read on this computer. Dismissed messages are hidden from the list until kelvane is closed, but they stay in the file.</source>
        <translation>En este equipo esta base de datos del locutor solo se puede leer. Los mensajes retirados se ocultan en la lista hasta cerrar kelvane, pero siguen en el archivo.</translation>
    </message>
    <message>
        <source>There is no dismissal to undo.</source>
        <translation>No hay ninguna retirada que deshacer.</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log (Ctrl+H).</source>
        <translation>Este mensaje es demasiado largo para reponerlo. Su comienzo está en el registro de anuncios (Ctrl+H).</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log (Ctrl+H).</source>
        <translation>La retirada no se puede deshacer: esta base de datos del locutor no permite a kelvane volver a añadir el mensaje (%1). El mensaje está en el registro de anuncios de hoy (Ctrl+H).</translation>
    </message>
    <message>
        <source>The message has not been put back; press Ctrl+Z again</source>
        <translation>El mensaje no se ha repuesto; pulse de nuevo Ctrl+Z</translation>
    </message>
    <message>
        <source>The list of messages could not be read: %1</source>
        <translation>No se pudo leer la lista de mensajes: %1</translation>
    </message>
    <message>
        <source>— no longer in the database —</source>
        <translation>— ya no está en la base de datos —</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log at the desk.</source>
        <translation>Este mensaje es demasiado largo para reponerlo. Su comienzo está en el registro de anuncios, en el puesto del locutor.</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log at the desk.</source>
        <translation>La retirada no se puede deshacer: esta base de datos del locutor no permite a kelvane volver a añadir el mensaje (%1). El mensaje está en el registro de anuncios de hoy, en el puesto del locutor.</translation>
    </message>
    <message>
        <source>The message has not been put back; press Undo again</source>
        <translation>El mensaje no se ha repuesto; pulse de nuevo «Deshacer»</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>A sent message&apos;s text: %1 the sender&apos;s name or post as typed (&quot;Referee&quot;, &quot;Anna&quot;), %2 the message. Use the form that reads well before any name or post, with no preposition where one would need an article (&quot;Referee: …&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Send the message again</source>
        <translation>Envíe de nuevo el mensaje</translation>
    </message>
    <message>
        <source>This desk cannot take messages: %1</source>
        <translation>Este puesto no puede recibir mensajes: %1</translation>
    </message>
    <message>
        <source>it only shows the list.</source>
        <translation>solo muestra la lista.</translation>
    </message>
    <message>
        <source>the announcer has no database open.</source>
        <translation>el locutor no tiene ninguna base de datos abierta.</translation>
    </message>
    <message>
        <source>its announcer database can only be read on this computer.</source>
        <translation>en este equipo su base de datos del locutor solo se puede leer.</translation>
    </message>
</context>
<context>
    <name>desk::PlannedModel</name>
    <message numerus="yes">
        <source>every %n min</source>
        <translation>
            <numerusform>cada %n min</numerusform>
            <numerusform>cada %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <translation>una vez</translation>
    </message>
    <message>
        <source>urgent</source>
        <translation>urgente</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>No antes de</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>No después de</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Urgente</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>en espera (a las %1)</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>en la lista (desde las %1)</translation>
    </message>
    <message numerus="yes">
        <source>read out at %1 (%n minute(s) ago)</source>
        <translation>
            <numerusform>leído a las %1 (hace %n minuto)</numerusform>
            <numerusform>leído a las %1 (hace %n minutos)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, due again at %2</source>
        <translation>%1, de nuevo a las %2</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>caducado</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
</context>
</TS>
