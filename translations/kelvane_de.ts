<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AnnounceIntro</name>
    <message>
        <source>Announcers Module</source>
        <translation>Sprechermodul</translation>
    </message>
    <message>
        <source>Announcer&apos;s Module</source>
        <translation>Sprechermodul</translation>
    </message>
    <message>
        <source>Database Filename</source>
        <translation>Datenbankdatei</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>This is the file that is used by the Quorlane system to store messages for use by the announcer</source>
        <translation>In dieser Datei legt das Quorlane-System die Meldungen für den Sprecher ab</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Made for the poolside announcer, 2005</source>
        <translation>Für den Sprecher am Beckenrand, 2005</translation>
    </message>
    <message>
        <source>Select Database for Announcer Messages</source>
        <translation>Datenbank für Sprechermeldungen wählen</translation>
    </message>
    <message>
        <source>No Database selected</source>
        <translation>Keine Datenbank gewählt</translation>
    </message>
    <message>
        <source>Cannot locate database for announcer messages</source>
        <translation>Die Datenbank für Sprechermeldungen ist nicht zu finden</translation>
    </message>
    <message>
        <source>The database path cannot be remembered in %1 because %2. Rename the file or folder to have it remembered next time.</source>
        <translation>Der Datenbankpfad kann nicht in %1 gespeichert werden, weil %2. Benennen Sie die Datei oder den Ordner um, damit er beim nächsten Mal bekannt ist.</translation>
    </message>
    <message>
        <source>The database path could not be remembered in %1: %2</source>
        <translation>Der Datenbankpfad konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>is not encrypted</source>
        <translation>ist nicht verschlüsselt</translation>
    </message>
    <message>
        <source>may not be encrypted</source>
        <translation>ist möglicherweise nicht verschlüsselt</translation>
    </message>
    <message>
        <source>The connection to the database server named in %1 %2 (sslmode=%3): anyone on the network can read the messages or pose as the server. Unless the network is closed to others, remove sslmode from the file.</source>
        <translation>Die Verbindung zum Datenbankserver, den %1 nennt, %2 (sslmode=%3): Jeder im Netzwerk kann die Meldungen mitlesen oder sich als der Server ausgeben. Entfernen Sie sslmode aus der Datei, sofern das Netzwerk nicht für andere gesperrt ist.</translation>
    </message>
</context>
<context>
    <name>AnnouncerScreen</name>
    <message>
        <source>Announcers Screen</source>
        <translation>Sprecheransicht</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Meldung erledigt</translation>
    </message>
    <message>
        <source> – display only</source>
        <translation> – nur Anzeige</translation>
    </message>
    <message numerus="yes">
        <source> — %n new below</source>
        <translation>
            <numerusform> — %n neue darunter</numerusform>
            <numerusform> — %n neue darunter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %n new above</source>
        <translation>
            <numerusform> — %n neue darüber</numerusform>
            <numerusform> — %n neue darüber</numerusform>
        </translation>
    </message>
    <message>
        <source>A new message now arrives with a short sound.</source>
        <translation>Neue Meldungen kommen jetzt mit einem kurzen Ton an.</translation>
    </message>
    <message>
        <source>New messages now arrive without a sound.</source>
        <translation>Neue Meldungen kommen jetzt ohne Ton an.</translation>
    </message>
    <message>
        <source>URGENT</source>
        <translation>DRINGEND</translation>
    </message>
    <message numerus="yes">
        <source> — browser station on, pages connected: %n</source>
        <translation>
            <numerusform> — Browserstation an, verbundene Seiten: %n</numerusform>
            <numerusform> — Browserstation an, verbundene Seiten: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — URGENT, not yet shown: %n</source>
        <translation>
            <numerusform> — DRINGEND, noch nicht angezeigt: %n</numerusform>
            <numerusform> — DRINGEND, noch nicht angezeigt: %n</numerusform>
        </translation>
    </message>
    <message>
        <source> — caption screen blanked</source>
        <translation> — Untertitelbildschirm schwarz</translation>
    </message>
    <message>
        <source> — held back from the caption screen</source>
        <translation> — vom Untertitelbildschirm zurückgehalten</translation>
    </message>
</context>
<context>
    <name>ClubRecords</name>
    <message>
        <source>Printer error: no printer has been set up.</source>
        <translation>Druckerfehler: Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <source>No printer is installed, so the record cards were saved as %1</source>
        <translation>Es ist kein Drucker installiert; die Rekordkarten wurden deshalb als %1 gespeichert</translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, not A4. The record cards are printed as A4 pages: load the A4 card sheets, or the last card of a page is cut off.</source>
        <translation>Das Papier des Druckers ist %1, nicht A4. Die Rekordkarten werden als A4-Seiten gedruckt: Legen Sie die A4-Kartenbögen ein, sonst wird die letzte Karte einer Seite abgeschnitten.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; holds &apos;%2&apos;, which is not a date.</source>
        <translation>Typen unverträglich: &apos;%1&apos; enthält &apos;%2&apos;, und das ist kein Datum.</translation>
    </message>
    <message>
        <source>The club database is not open.</source>
        <translation>Die Vereinsdatenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Multiple records exist for %1 %2 %3 %4 - Cannot continue</source>
        <translation>Für %1 %2 %3 %4 gibt es mehrere Rekorde – es kann nicht weitergehen</translation>
    </message>
    <message>
        <source>Subscript out of range: the club setup has no record card %1.</source>
        <translation>Index außerhalb des gültigen Bereichs: Die Vereinseinstellungen kennen keine Rekordkarte %1.</translation>
    </message>
    <message>
        <source>Invalid use of Null: &apos;%1&apos; is empty in the club setup.</source>
        <translation>Unzulässige Verwendung von Null: &apos;%1&apos; ist in den Vereinseinstellungen leer.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; of the club setup is &apos;%2&apos;, not a whole number.</source>
        <translation>Typen unverträglich: &apos;%1&apos; der Vereinseinstellungen ist &apos;%2&apos;, keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The club setup has no &apos;%1&apos;.</source>
        <translation>Die Vereinseinstellungen enthalten kein &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Subscript out of range: age group %1.</source>
        <translation>Index außerhalb des gültigen Bereichs: Altersklasse %1.</translation>
    </message>
    <message>
        <source>The club database lists %1 record cards numbered from 1 up, but its setup counts %2.</source>
        <translation>Die Vereinsdatenbank führt %1 Rekordkarten, ab 1 nummeriert, ihre Einstellungen zählen aber %2.</translation>
    </message>
    <message>
        <source>the record date of %1 %2 %3 %4</source>
        <translation>das Rekorddatum von %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>the start date</source>
        <translation>das Anfangsdatum</translation>
    </message>
    <message>
        <source>the finish date</source>
        <translation>das Enddatum</translation>
    </message>
    <message>
        <source>Type mismatch: %1 &apos;%2&apos; is not a date.</source>
        <translation>Typen unverträglich: %1 &apos;%2&apos; ist kein Datum.</translation>
    </message>
    <message>
        <source>Rec:Name</source>
        <translation>Rekord:Name</translation>
    </message>
    <message>
        <source>Year:Name</source>
        <translation>Jahr:Name</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Overall Club Record</source>
        <translation>Vereinsrekord, offene Klasse</translation>
    </message>
</context>
<context>
    <name>ClubRecordsProgram</name>
    <message>
        <source>Select Club Database</source>
        <translation>Vereinsdatenbank wählen</translation>
    </message>
    <message>
        <source>%1 cannot be used as the club database.</source>
        <translation>%1 kann nicht als Vereinsdatenbank verwendet werden.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Accept Time Conversion?</source>
        <translation>Zeitumrechnung übernehmen?</translation>
    </message>
    <message>
        <source>Recorded Time</source>
        <translation>Erzielte Zeit</translation>
    </message>
    <message>
        <source>Distance Swum</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Converted Time</source>
        <translation>Umgerechnet</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Zielstrecke</translation>
    </message>
    <message>
        <source>Override Time</source>
        <translation>Eigene Zeit</translation>
    </message>
    <message>
        <source>Override Distance</source>
        <translation>Eigene Strecke</translation>
    </message>
    <message>
        <source>Accept This Conversion</source>
        <translation>Diese übernehmen</translation>
    </message>
    <message>
        <source>Accept All Conversions</source>
        <translation>Alle übernehmen</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Eigene Werte</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The connection file &apos;%1&apos; cannot be used: %2</source>
        <translation>Die Verbindungsdatei &apos;%1&apos; kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>belongs to another user of this computer</source>
        <translation>gehört einem anderen Benutzer dieses Computers</translation>
    </message>
    <message>
        <source>may be changed by other users of this computer</source>
        <translation>kann von anderen Benutzern dieses Computers geändert werden</translation>
    </message>
    <message>
        <source>it %1, who could send your password to another server. Use a connection file of your own that only you may change (&quot;chmod go-w&quot;).</source>
        <translation>sie %1 – so könnte Ihr Passwort an einen anderen Server gehen. Verwenden Sie eine eigene Verbindungsdatei, die nur Sie ändern dürfen („chmod go-w“).</translation>
    </message>
    <message>
        <source>its first line must be a URI such as postgresql://user@host:5432/dbname.</source>
        <translation>ihre erste Zeile muss ein URI wie postgresql://user@host:5432/dbname sein.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; in its URI is not understood.</source>
        <translation>die Einstellung &apos;%1&apos; in ihrem URI ist unbekannt.</translation>
    </message>
    <message>
        <source>it gives the setting &apos;%1&apos; twice.</source>
        <translation>sie nennt die Einstellung &apos;%1&apos; zweimal.</translation>
    </message>
    <message>
        <source>its setting &apos;%1&apos; differs from its URI.</source>
        <translation>ihre Einstellung &apos;%1&apos; weicht von ihrem URI ab.</translation>
    </message>
    <message>
        <source>its port &apos;%1&apos; is not a port number.</source>
        <translation>ihr Port &apos;%1&apos; ist keine Portnummer.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is not allowed in a connection file.</source>
        <translation>die Einstellung &apos;%1&apos; ist in einer Verbindungsdatei nicht erlaubt.</translation>
    </message>
    <message>
        <source>its client key &apos;%1&apos; (sslkey) names a crypto engine; name a key file.</source>
        <translation>ihr Client-Schlüssel &apos;%1&apos; (sslkey) nennt eine Krypto-Engine; nennen Sie eine Schlüsseldatei.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) cannot be read: %3.</source>
        <translation>die darin genannte Datei &apos;%1&apos; (%2) kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) %3.</source>
        <translation>die darin genannte Datei &apos;%1&apos; (%2) %3.</translation>
    </message>
    <message>
        <source>it holds a password and other users of this computer can read it. Make it private with &quot;chmod 600 &apos;%1&apos;&quot;, or keep the password in ~/.pgpass instead.</source>
        <translation>sie enthält ein Passwort, und andere Benutzer dieses Computers können sie lesen. Machen Sie sie mit „chmod 600 &apos;%1&apos;“ privat, oder legen Sie das Passwort stattdessen in ~/.pgpass ab.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads a column &apos;%2&apos; that the table &apos;%3&apos; does not have.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; liest eine Spalte &apos;%2&apos;, die die Tabelle &apos;%3&apos; nicht hat.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an %2: %3.</source>
        <translation>&apos;%1&apos; ist keine %2: %3.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run: parameter queries of a Jet file cannot be read on this computer.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; kann nicht ausgeführt werden: Parameterabfragen einer Jet-Datei können auf diesem Computer nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The database is closed.</source>
        <translation>Die Datenbank ist geschlossen.</translation>
    </message>
    <message>
        <source>The Jet file &apos;%1&apos; could not be read: %2.</source>
        <translation>Die Jet-Datei &apos;%1&apos; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads &apos;%2&apos;, which is not a table of this file.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; liest &apos;%2&apos;, und das ist keine Tabelle dieser Datei.</translation>
    </message>
    <message>
        <source>Cannot find the table or query &apos;%1&apos;.</source>
        <translation>Die Tabelle oder Abfrage &apos;%1&apos; ist nicht zu finden.</translation>
    </message>
    <message>
        <source>it has no Jet header</source>
        <translation>sie hat keinen Jet-Kopf</translation>
    </message>
    <message>
        <source>the file is incomplete (%1 bytes is not a whole number of %2-byte pages)</source>
        <translation>die Datei ist unvollständig (%1 Bytes sind keine ganze Zahl von %2-Byte-Seiten)</translation>
    </message>
    <message>
        <source>it refers to byte %1, beyond its end at %2 bytes (it may be being written)</source>
        <translation>sie verweist auf Byte %1, hinter ihrem Ende bei %2 Bytes (vielleicht wird sie gerade geschrieben)</translation>
    </message>
    <message>
        <source>it became shorter while it was read</source>
        <translation>sie wurde beim Lesen kürzer</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: %2</source>
        <translation>Datenbankoperation auf &apos;%1&apos; fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run from a Jet file.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; kann aus einer Jet-Datei nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be read: kelvane reads only a select of columns from one table with an optional ORDER BY, and this query %2.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; kann nicht gelesen werden: kelvane liest nur eine Auswahl von Spalten aus einer Tabelle mit optionalem ORDER BY, und diese Abfrage %2.</translation>
    </message>
    <message>
        <source>asks for parameters</source>
        <translation>fragt nach Parametern</translation>
    </message>
    <message>
        <source>reads another database</source>
        <translation>liest eine andere Datenbank</translation>
    </message>
    <message>
        <source>joins tables</source>
        <translation>verknüpft Tabellen</translation>
    </message>
    <message>
        <source>has a WHERE condition</source>
        <translation>hat eine WHERE-Bedingung</translation>
    </message>
    <message>
        <source>groups rows</source>
        <translation>gruppiert Zeilen</translation>
    </message>
    <message>
        <source>holds a clause of kind %1</source>
        <translation>enthält eine Klausel der Art %1</translation>
    </message>
    <message>
        <source>reads from a subquery</source>
        <translation>liest aus einer Unterabfrage</translation>
    </message>
    <message>
        <source>reads no table</source>
        <translation>liest keine Tabelle</translation>
    </message>
    <message>
        <source>reads from %1 tables</source>
        <translation>liest aus %1 Tabellen</translation>
    </message>
    <message>
        <source>is not a select query (kind %1)</source>
        <translation>ist keine Auswahlabfrage (Art %1)</translation>
    </message>
    <message>
        <source>has no query kind</source>
        <translation>hat keine Abfrageart</translation>
    </message>
    <message>
        <source>orders by &apos;*&apos;</source>
        <translation>sortiert nach &apos;*&apos;</translation>
    </message>
    <message>
        <source>selects no columns</source>
        <translation>wählt keine Spalten aus</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>ihr Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>its pages cannot be read</source>
        <translation>ihre Seiten können nicht gelesen werden</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; is damaged</source>
        <translation>die Tabelle &apos;%1&apos; ist beschädigt</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; has no column &apos;%2&apos;</source>
        <translation>die Tabelle &apos;%1&apos; hat keine Spalte &apos;%2&apos;</translation>
    </message>
    <message>
        <source>a page of &apos;%1&apos; is damaged</source>
        <translation>eine Seite von &apos;%1&apos; ist beschädigt</translation>
    </message>
    <message>
        <source>a row of &apos;%1&apos; is damaged</source>
        <translation>eine Zeile von &apos;%1&apos; ist beschädigt</translation>
    </message>
    <message>
        <source>a moved row of &apos;%1&apos; is damaged</source>
        <translation>eine verschobene Zeile von &apos;%1&apos; ist beschädigt</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; is damaged or not there</source>
        <translation>die Seitenübersicht von &apos;%1&apos; ist beschädigt oder fehlt</translation>
    </message>
    <message>
        <source>page %1, listed for &apos;%2&apos;, holds something else</source>
        <translation>Seite %1, für &apos;%2&apos; verzeichnet, enthält etwas anderes</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; lies outside its page</source>
        <translation>ein Wert von &apos;%1&apos; liegt außerhalb seiner Seite</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; is cut short</source>
        <translation>ein Wert von &apos;%1&apos; ist abgeschnitten</translation>
    </message>
    <message>
        <source>a text in &apos;%1&apos; cannot be converted</source>
        <translation>ein Text in &apos;%1&apos; kann nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is incomplete</source>
        <translation>ein langer Text in &apos;%1&apos; ist unvollständig</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is of an unknown kind</source>
        <translation>ein langer Text in &apos;%1&apos; ist von unbekannter Art</translation>
    </message>
    <message>
        <source>it holds no query definitions</source>
        <translation>sie enthält keine Abfragedefinitionen</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2.</source>
        <translation>&apos;%1&apos; kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>die Datei ist keine Datenbank</translation>
    </message>
    <message>
        <source>Cannot reach the database server %1 that &apos;%2&apos; names for the %3: %4</source>
        <translation>Der Datenbankserver %1, den &apos;%2&apos; für die %3 nennt, ist nicht erreichbar: %4</translation>
    </message>
    <message>
        <source>The database server %1 that &apos;%2&apos; names is not answering: %3</source>
        <translation>Der Datenbankserver %1, den &apos;%2&apos; nennt, antwortet nicht: %3</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>es ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>es ist keine Datei angegeben</translation>
    </message>
    <message>
        <source>Rows cannot be added to &apos;%1&apos; on this computer.</source>
        <translation>Auf diesem Computer können &apos;%1&apos; keine Zeilen hinzugefügt werden.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
    <message>
        <source>Item not found in this collection: field &apos;%1&apos;.</source>
        <translation>Element in dieser Auflistung nicht gefunden: Feld &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: the file can only be read here.</source>
        <translation>Zeilen von &apos;%1&apos; können nicht gelöscht werden: Die Datei kann hier nur gelesen werden.</translation>
    </message>
    <message>
        <source>The record set is closed.</source>
        <translation>Die Datensatzgruppe ist geschlossen.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: it has no &apos;%2&apos; key column.</source>
        <translation>Zeilen von &apos;%1&apos; können nicht gelöscht werden: Es gibt keine Schlüsselspalte &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Item not found in this collection: parameter &apos;%1&apos; of &apos;%2&apos;.</source>
        <translation>Element in dieser Auflistung nicht gefunden: Parameter &apos;%1&apos; von &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: the row was not added.</source>
        <translation>Datenbankoperation auf &apos;%1&apos; fehlgeschlagen: Die Zeile wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Item not found in this collection: query &apos;%1&apos;.</source>
        <translation>Element in dieser Auflistung nicht gefunden: Abfrage &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Saved query &apos;%1&apos; numbers its parameters wrongly.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; nummeriert ihre Parameter falsch.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; was stopped: it asks for far more work than any sound database needs.</source>
        <translation>Datenbankoperation auf &apos;%1&apos; abgebrochen: Sie verlangt weit mehr Arbeit, als eine intakte Datenbank je braucht.</translation>
    </message>
    <message>
        <source>The database is locked by another program (%1).</source>
        <translation>Die Datenbank ist von einem anderen Programm gesperrt (%1).</translation>
    </message>
    <message>
        <source>The connection to the database server was lost (%1): %2</source>
        <translation>Die Verbindung zum Datenbankserver ist abgebrochen (%1): %2</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3.</source>
        <translation>Die %1 &apos;%2&apos; kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>the database file is damaged or incomplete</source>
        <translation>die Datenbankdatei ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>uses DISTINCT or TOP</source>
        <translation>verwendet DISTINCT oder TOP</translation>
    </message>
    <message>
        <source>club database</source>
        <translation>Vereinsdatenbank</translation>
    </message>
    <message>
        <source>announcer database</source>
        <translation>Sprecherdatenbank</translation>
    </message>
    <message>
        <source>the Microsoft Access ODBC driver could not open it (%1)</source>
        <translation>der ODBC-Treiber von Microsoft Access konnte sie nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>two rows of &apos;%1&apos; point at the same moved row</source>
        <translation>zwei Zeilen von &apos;%1&apos; verweisen auf dieselbe verschobene Zeile</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; lists page %2, beyond the file&apos;s end at %3 pages (it may be being written)</source>
        <translation>die Seitenübersicht von &apos;%1&apos; nennt Seite %2, hinter dem Dateiende bei %3 Seiten (vielleicht wird sie gerade geschrieben)</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; points back at a piece already read</source>
        <translation>ein langer Text in &apos;%1&apos; verweist zurück auf ein schon gelesenes Stück</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a %2: %3.</source>
        <translation>&apos;%1&apos; ist keine %2: %3.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would change other rows as well, so nothing was deleted.</source>
        <translation>Die eigene Löschregel dieser Datenbank für &apos;%1&apos; würde auch andere Zeilen ändern, daher wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would keep the row, so nothing was deleted.</source>
        <translation>Die eigene Löschregel dieser Datenbank für &apos;%1&apos; würde die Zeile behalten, daher wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; in &apos;%2&apos; does more than read (it would change data or reach other files), so it was not run.</source>
        <translation>Die gespeicherte Abfrage &apos;%1&apos; in &apos;%2&apos; tut mehr als lesen (sie würde Daten ändern oder auf andere Dateien zugreifen), daher wurde sie nicht ausgeführt.</translation>
    </message>
    <message>
        <source>a read-only transaction</source>
        <translation>eine Nur-Lese-Transaktion</translation>
    </message>
    <message>
        <source>This database&apos;s own insert rule for &apos;%1&apos; would change other rows as well, so nothing was added.</source>
        <translation>Die eigene Einfügeregel dieser Datenbank für &apos;%1&apos; würde auch andere Zeilen ändern, daher wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot read it safely</source>
        <translation>das SQLite dieses Computers kann sie nicht sicher lesen</translation>
    </message>
    <message>
        <source>it is a link, which kelvane never follows here</source>
        <translation>es ist eine Verknüpfung, und solchen folgt kelvane hier nie</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it keeps changing</source>
        <translation>es ändert sich ständig</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users may change it</source>
        <translation>andere Benutzer können es ändern</translation>
    </message>
    <message>
        <source>other users may read it</source>
        <translation>andere Benutzer können es lesen</translation>
    </message>
    <message>
        <source>it is linked to another file</source>
        <translation>es ist mit einer anderen Datei verknüpft</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full. Ask whoever runs the server to free some space on it, then try again.</source>
        <translation>Die Festplatte des Datenbankservers ist voll. Bitten Sie den Betreuer des Servers, dort Platz freizumachen, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The disk that holds the database %1 is full. Free some space on it (the disk mounted at %2), then try again.</source>
        <translation>Die Festplatte mit der Datenbank %1 ist voll. Machen Sie dort Platz frei (auf dem unter %2 eingehängten Datenträger) und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>it is a database this program has open</source>
        <translation>es ist eine Datenbank, die dieses Programm geöffnet hat</translation>
    </message>
</context>
<context>
    <name>DemoMessages</name>
    <message>
        <source>Would the parents of Tom Fielding please come to the recording desk.</source>
        <translation>Die Eltern von Tom Fielding werden gebeten, zum Wettkampfbüro zu kommen.</translation>
    </message>
    <message>
        <source>The cafe closes at 4 pm. Please collect lost property from the poolside table.</source>
        <translation>Die Cafeteria schließt um 16 Uhr. Fundsachen bitte am Tisch am Beckenrand abholen.</translation>
    </message>
    <message>
        <source>Event 12 Girls 100m Freestyle
Results are now available.
1st Amy Hartley 1:04.32
2nd Chloe Barnes 1:05.10
3rd Ruth Osei 1:06.87</source>
        <translation>Wettkampf 12 – 100 m Freistil weiblich
Die Ergebnisse liegen vor.
1. Amy Hartley 1:04,32
2. Chloe Barnes 1:05,10
3. Ruth Osei 1:06,87</translation>
    </message>
    <message>
        <source>Marshalling
Event 15 Boys 50m Backstroke is now called to the marshalling area.</source>
        <translation>Aufruf
Wettkampf 15 – 50 m Rücken männlich – bitte jetzt in den Callroom.</translation>
    </message>
    <message>
        <source>NEW CLUB RECORD
Event 9 Girls 200m Individual Medley
Sophie Lindqvist 2:31.45
previous record 2:33.02 (2019)</source>
        <translation>NEUER VEREINSREKORD
Wettkampf 9 – 200 m Lagen weiblich
Sophie Lindqvist 2:31,45
bisheriger Rekord 2:33,02 (2019)</translation>
    </message>
    <message>
        <source>Event 17 Mixed 4 x 50m Medley Relay
Teams: please hand relay cards to the referee.</source>
        <translation>Wettkampf 17 – 4 x 50 m Lagenstaffel mixed
Mannschaften: Bitte die Staffelkarten beim Schiedsrichter abgeben.</translation>
    </message>
    <message>
        <source>Session two warm-up starts at 1:15 pm.
Lanes 1-3 swimmers from Northgate, lanes 4-6 from Riverside.</source>
        <translation>Das Einschwimmen zum zweiten Abschnitt beginnt um 13:15 Uhr.
Bahnen 1-3 Northgate, Bahnen 4-6 Riverside.</translation>
    </message>
    <message>
        <source>Disqualification
Event 14 Boys 100m Breaststroke, heat 2 lane 5: non-simultaneous touch.</source>
        <translation>Disqualifikation
Wettkampf 14 – 100 m Brust männlich, Lauf 2, Bahn 5: Anschlag nicht beidhändig.</translation>
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
        <translation>gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>vor %n Min.</numerusform>
            <numerusform>vor %n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min ago</source>
        <translation>vor %1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>vor 1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>arrived %1, %2</source>
        <comment>when, how long ago</comment>
        <translation>eingegangen %1, %2</translation>
    </message>
    <message>
        <source>[The message goes on for another %L1 characters, not shown here.]</source>
        <translation>[Die Meldung geht noch %L1 Zeichen weiter, die hier nicht gezeigt werden.]</translation>
    </message>
    <message>
        <source>the server has not answered since %1; trying again</source>
        <translation>der Server antwortet seit %1 nicht; neuer Versuch läuft</translation>
    </message>
    <message>
        <source>the database has been busy since %1; trying again</source>
        <translation>die Datenbank ist seit %1 belegt; neuer Versuch läuft</translation>
    </message>
    <message>
        <source>the list could not be read since %1; trying again</source>
        <translation>die Liste ist seit %1 nicht lesbar; neuer Versuch läuft</translation>
    </message>
    <message>
        <source>read only here</source>
        <translation>hier nur lesbar</translation>
    </message>
    <message>
        <source>the message on display is no longer in the database</source>
        <translation>die angezeigte Meldung ist nicht mehr in der Datenbank</translation>
    </message>
</context>
<context>
    <name>DeskSettings</name>
    <message>
        <source>Lane timekeepers to the start</source>
        <translation>Bahnzeitnehmer bitte zum Start</translation>
    </message>
    <message>
        <source>Medal ceremony in 5 minutes</source>
        <translation>Siegerehrung in 5 Minuten</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Invalid Date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Invalid Time</source>
        <translation>Ungültige Zeit</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>FileDialogue</name>
    <message>
        <source>File already exists, what do you want to do?</source>
        <translation>Die Datei gibt es schon. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Append to existing contents</source>
        <translation>An den Inhalt anhängen</translation>
    </message>
    <message>
        <source>Overwrite existing contents</source>
        <translation>Inhalt überschreiben</translation>
    </message>
    <message>
        <source>Change File Name</source>
        <translation>Dateinamen ändern</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileInfo</name>
    <message>
        <source>File Select</source>
        <translation>Dateiauswahl</translation>
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
    <name>KeysWindow</name>
    <message>
        <source>Up, Down</source>
        <translation>Pfeil auf, Pfeil ab</translation>
    </message>
    <message>
        <source>Move through the list and show that message</source>
        <translation>Durch die Liste gehen und die Meldung zeigen</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Eingabe, Leertaste</translation>
    </message>
    <message>
        <source>Show the message at the list&apos;s cursor</source>
        <translation>Die Meldung an der Markierung der Liste zeigen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Dismiss the message on display (marked in the list)</source>
        <translation>Die angezeigte Meldung erledigen (in der Liste markiert)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>Undo the last dismissal (several times)</source>
        <translation>Die letzte Erledigung zurücknehmen (auch mehrmals)</translation>
    </message>
    <message>
        <source>In the message</source>
        <translation>In der Meldung</translation>
    </message>
    <message>
        <source>Delete and Ctrl+Z edit the text once you have typed or selected there</source>
        <translation>Entf und Strg+Z bearbeiten den Text, sobald Sie dort getippt oder markiert haben</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Strg+H</translation>
    </message>
    <message>
        <source>Read out today: the messages dismissed today</source>
        <translation>Heute verlesen: die heute erledigten Meldungen</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Read the list again now</source>
        <translation>Die Liste sofort neu lesen</translation>
    </message>
    <message>
        <source>Ctrl+Plus, Ctrl+Minus</source>
        <translation>Strg+Plus, Strg+Minus</translation>
    </message>
    <message>
        <source>Larger or smaller text</source>
        <translation>Größere oder kleinere Schrift</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Strg+0</translation>
    </message>
    <message>
        <source>Text at its usual size</source>
        <translation>Schrift in normaler Größe</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Strg+B</translation>
    </message>
    <message>
        <source>Sound on a new message: on or off</source>
        <translation>Ton bei neuer Meldung: ein oder aus</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the message, the list and the buttons</source>
        <translation>Zwischen Meldung, Liste und Schaltflächen wechseln</translation>
    </message>
    <message>
        <source>Exit to the intro screen</source>
        <translation>Zurück zum Startfenster</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Diese Tastenliste</translation>
    </message>
    <message>
        <source>Intro screen: Enter</source>
        <translation>Startfenster: Eingabe</translation>
    </message>
    <message>
        <source>Browse, Exit</source>
        <translation>Auswählen, Beenden</translation>
    </message>
    <message>
        <source>Keys – kelvane</source>
        <translation>Tasten – kelvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Browser station: the desk on tablets and phones</source>
        <translation>Browserstation: das Pult auf Tablets und Handys</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <comment>the intro screen&apos;s Enter button</comment>
        <translation>Alt+Ö</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <comment>the intro screen&apos;s Browse button</comment>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the intro screen&apos;s Exit button</comment>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the announcer screen&apos;s Exit button</comment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Open the database named (%1 as well)</source>
        <translation>Die genannte Datenbank öffnen (auch %1)</translation>
    </message>
    <message>
        <source>Intro screen: %1, %2</source>
        <translation>Startfenster: %1, %2</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Planned messages: your own, added when due</source>
        <translation>Geplante Meldungen: Ihre eigenen, zur Zeit in die Liste</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Hold the message on display back from the caption screen, or show it</source>
        <translation>Angezeigte Meldung vom Untertitelbildschirm zurückhalten oder zeigen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back</source>
        <translation>Untertitelbildschirm schwarz schalten oder zurückholen</translation>
    </message>
</context>
<context>
    <name>LocateDatabase</name>
    <message>
        <source>Announcer DB is %1</source>
        <translation>Sprecher-DB ist %1</translation>
    </message>
    <message>
        <source>Locate announcer database</source>
        <translation>Sprecherdatenbank suchen</translation>
    </message>
    <message>
        <source>No Announcer Database</source>
        <translation>Keine Sprecherdatenbank</translation>
    </message>
</context>
<context>
    <name>PlannedMessages</name>
    <message>
        <source>The message has no text.</source>
        <translation>Die Meldung hat keinen Text.</translation>
    </message>
    <message>
        <source>The message is longer than 1000 characters.</source>
        <translation>Die Meldung ist länger als 1000 Zeichen.</translation>
    </message>
    <message>
        <source>The message holds control characters.</source>
        <translation>Die Meldung enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>The message needs a time not before.</source>
        <translation>Die Meldung braucht eine Zeit „nicht vor“.</translation>
    </message>
    <message>
        <source>The time not after must be later than the time not before.</source>
        <translation>Die Zeit „nicht nach“ muss später sein als „nicht vor“.</translation>
    </message>
    <message>
        <source>The repeat must be between 0 and 1440 minutes.</source>
        <translation>Die Wiederholung muss zwischen 0 und 1440 Minuten liegen.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file could not be planned: each needs a text, a time not before (such as 9:40) and fitting times.</source>
        <translation>
            <numerusform>%n Zeile der Datei konnte nicht geplant werden: Jede braucht einen Text, eine Zeit „nicht vor“ (etwa 9:40) und passende Zeiten.</numerusform>
            <numerusform>%n Zeilen der Datei konnten nicht geplant werden: Jede braucht einen Text, eine Zeit „nicht vor“ (etwa 9:40) und passende Zeiten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlannedWindow</name>
    <message>
        <source>Not after</source>
        <translation>Nicht nach</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Dringend</translation>
    </message>
    <message>
        <source>Planned messages – kelvane</source>
        <translation>Geplante Meldungen – kelvane</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Nicht vor</translation>
    </message>
    <message>
        <source>Repeat every</source>
        <translation>Wiederholen alle</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Änderungen &amp;speichern</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Nothing is added to the list now. %1</source>
        <translation>Zurzeit kommt nichts in die Liste. %1</translation>
    </message>
    <message>
        <source>The sheet cannot be kept for the next run: %1</source>
        <translation>Der Ablaufplan kann nicht für den nächsten Start gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Jede Meldung kommt zu ihrer Zeit in die Liste.</translation>
    </message>
    <message>
        <source>Import planned messages</source>
        <translation>Geplante Meldungen importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB: it holds no running sheet.</source>
        <translation>Die Datei ist größer als 1 MiB: Sie enthält keinen Ablaufplan.</translation>
    </message>
    <message>
        <source>Export planned messages</source>
        <translation>Geplante Meldungen exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error: no printer is installed.</source>
        <translation>Druckerfehler: Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>Invalid property value: font size %1.</source>
        <translation>Unzulässiger Eigenschaftswert: Schriftgröße %1.</translation>
    </message>
    <message>
        <source>Printer error: cannot write &apos;%1&apos;.</source>
        <translation>Druckerfehler: &apos;%1&apos; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Printer error: the printer cannot start a job.</source>
        <translation>Druckerfehler: Der Drucker kann keinen Auftrag beginnen.</translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page.</source>
        <translation>Druckerfehler: Es kann keine neue Seite begonnen werden.</translation>
    </message>
</context>
<context>
    <name>ReadOutToday</name>
    <message>
        <source>Read out today – kelvane</source>
        <translation>Heute verlesen – kelvane</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Heute wurde noch nichts erledigt.</translation>
    </message>
    <message>
        <source>Dismissed today, newest first:</source>
        <translation>Heute erledigt, neueste zuerst:</translation>
    </message>
    <message>
        <source>(undone %1)</source>
        <translation>(zurückgenommen %1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Print Club Records</source>
        <translation>Vereinsrekorde drucken</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>männl.</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>weibl.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>ACRs</source>
        <translation>AK</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Include Undated</source>
        <translation>Auch ohne Datum</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Printing stopped (error %1).</source>
        <translation>Drucken abgebrochen (Fehler %1).</translation>
    </message>
    <message>
        <source>Load Blue Cards</source>
        <translation>Blaue Karten einlegen</translation>
    </message>
    <message>
        <source>Load Pink Cards</source>
        <translation>Rosa Karten einlegen</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>stopped</source>
        <translation>beendet</translation>
    </message>
    <message numerus="yes">
        <source>serving %1: %n messages listed</source>
        <translation>
            <numerusform>%1 wird betrieben: %n Meldung gelistet</numerusform>
            <numerusform>%1 wird betrieben: %n Meldungen gelistet</numerusform>
        </translation>
    </message>
    <message>
        <source>refused %1: its link is not valid (any more)</source>
        <translation>%1 abgewiesen: sein Link gilt nicht (mehr)</translation>
    </message>
    <message>
        <source>refused %1: too many connections</source>
        <translation>%1 abgewiesen: zu viele Verbindungen</translation>
    </message>
    <message>
        <source>the connection to the database server is not encrypted (sslmode=%1)</source>
        <translation>die Verbindung zum Datenbankserver ist nicht verschlüsselt (sslmode=%1)</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it contains a double quote</source>
        <translation>er ein doppeltes Anführungszeichen enthält</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>er einen Zeilenumbruch enthält</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 is no address: an IPv6 address goes in brackets, [::1]:8088</source>
        <translation>%1 ist keine Adresse: Eine IPv6-Adresse steht in eckigen Klammern, [::1]:8088</translation>
    </message>
    <message>
        <source>%1 is no port number (1 to 65535)</source>
        <translation>%1 ist keine Portnummer (1 bis 65535)</translation>
    </message>
    <message>
        <source>%1 is no IP address</source>
        <translation>%1 ist keine IP-Adresse</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer</source>
        <translation>%1 ist keine Adresse dieses Computers</translation>
    </message>
    <message>
        <source>That message is no longer listed.</source>
        <translation>Diese Nachricht steht nicht mehr in der Liste.</translation>
    </message>
    <message>
        <source>Nothing was dismissed: choose the message first.</source>
        <translation>Nichts wurde erledigt: Wählen Sie zuerst die Meldung.</translation>
    </message>
    <message>
        <source>The browser station cannot use its certificate: %1</source>
        <translation>Die Browserstation kann ihr Zertifikat nicht verwenden: %1</translation>
    </message>
    <message>
        <source>%1: too large for a certificate or a key</source>
        <translation>%1: zu groß für ein Zertifikat oder einen Schlüssel</translation>
    </message>
    <message>
        <source>this computer&apos;s Qt has no TLS support</source>
        <translation>das Qt dieses Computers kann kein TLS</translation>
    </message>
    <message>
        <source>%1 holds no certificate</source>
        <translation>%1 enthält kein Zertifikat</translation>
    </message>
    <message>
        <source>%1 holds no private key kelvane can use (PEM, RSA or EC, no pass phrase)</source>
        <translation>%1 enthält keinen privaten Schlüssel, den kelvane verwenden kann (PEM, RSA oder EC, ohne Passphrase)</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Geben Sie an, wer sendet: Ihren Namen oder Ihre Funktion.</translation>
    </message>
    <message>
        <source>The name must be one line of at most 60 characters.</source>
        <translation>Der Name muss eine Zeile mit höchstens 60 Zeichen sein.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Die Meldung ist leer.</translation>
    </message>
    <message>
        <source>The message is longer than 1,000 characters.</source>
        <translation>Die Meldung ist länger als 1.000 Zeichen.</translation>
    </message>
    <message>
        <source>The message holds control characters: only line breaks are allowed.</source>
        <translation>Die Meldung enthält Steuerzeichen: Nur Zeilenumbrüche sind erlaubt.</translation>
    </message>
    <message>
        <source>The name or the message holds a character that is not valid text.</source>
        <translation>Der Name oder die Meldung enthält ein Zeichen, das kein gültiger Text ist.</translation>
    </message>
    <message>
        <source>The name may not hold characters that change the writing direction.</source>
        <translation>Der Name darf keine Zeichen enthalten, die die Schreibrichtung ändern.</translation>
    </message>
    <message>
        <source>Too many messages have been sent on this link in the last minute. This one can be sent at %1.</source>
        <translation>Über diesen Link wurden in der letzten Minute zu viele Meldungen gesendet. Diese kann um %1 gesendet werden.</translation>
    </message>
    <message>
        <source>Ten messages have been sent from this page in the last minute. This one can be sent at %1.</source>
        <translation>Von dieser Seite wurden in der letzten Minute zehn Meldungen gesendet. Diese kann um %1 gesendet werden.</translation>
    </message>
    <message>
        <source>%1: %2; a private key must be a file of your own that only you may read (chmod 600 &apos;%1&apos;).</source>
        <translation>%1: %2; ein privater Schlüssel muss eine eigene Datei sein, die nur Sie lesen dürfen (chmod 600 &apos;%1&apos;).</translation>
    </message>
    <message>
        <source>The browser station cannot listen on %1: %2.</source>
        <translation>Die Browserstation kann nicht auf %1 lauschen: %2.</translation>
    </message>
    <message>
        <source>Another program uses that port; kelvane may be running already. Choose another port, or close that program.</source>
        <translation>Ein anderes Programm belegt diesen Port; vielleicht läuft kelvane schon. Wählen Sie einen anderen Port oder schließen Sie jenes Programm.</translation>
    </message>
    <message>
        <source>Choose one of this computer&apos;s addresses.</source>
        <translation>Wählen Sie eine Adresse dieses Computers.</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>Die neuen Links funktionieren, können aber nicht für den nächsten Start gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Smaller text</source>
        <translation>Kleinere Schrift</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Größere Schrift</translation>
    </message>
    <message>
        <source>On the announcer’s display</source>
        <translation>In der Sprecheranzeige</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Meldung</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Meldung erledigt</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Keine Meldungen.</translation>
    </message>
    <message>
        <source>The announcer screen is closed.</source>
        <translation>Die Sprecheransicht ist geschlossen.</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>ansagen</translation>
    </message>
    <message>
        <source>watch</source>
        <translation>mitlesen</translation>
    </message>
    <message>
        <source>This link no longer works. Ask the announcer for the new one.</source>
        <translation>Dieser Link gilt nicht mehr. Fragen Sie den Sprecher nach dem neuen.</translation>
    </message>
    <message>
        <source>The station closed this page: this link does not allow that.</source>
        <translation>Die Station hat diese Seite geschlossen: Dieser Link erlaubt das nicht.</translation>
    </message>
    <message>
        <source>Not connected since %1, trying again</source>
        <translation>Seit %1 nicht verbunden, neuer Versuch läuft</translation>
    </message>
    <message>
        <source>Open this page with a link from the announcer’s station window.</source>
        <translation>Öffnen Sie diese Seite mit einem Link aus dem Stationsfenster des Sprechers.</translation>
    </message>
    <message>
        <source>send</source>
        <translation>senden</translation>
    </message>
    <message>
        <source>From (your name or post)</source>
        <translation>Von (Ihr Name oder Ihre Funktion)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Dringend</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Ihre Meldungen</translation>
    </message>
    <message>
        <source>None sent yet.</source>
        <translation>Noch keine gesendet.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Wird gesendet…</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Gesendet.</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Geben Sie an, wer sendet: Ihren Namen oder Ihre Funktion.</translation>
    </message>
    <message>
        <source>on the announcer’s list</source>
        <translation>in der Liste des Sprechers</translation>
    </message>
    <message>
        <source>read out at %1</source>
        <translation>um %1 verlesen</translation>
    </message>
    <message>
        <source>put back on the announcer’s list</source>
        <translation>in die Liste des Sprechers zurückgeholt</translation>
    </message>
    <message>
        <source>dismissed unread</source>
        <translation>ohne Verlesung erledigt</translation>
    </message>
    <message>
        <source>Not connected: the message goes as soon as the connection is back.</source>
        <translation>Nicht verbunden: Die Meldung geht hinaus, sobald die Verbindung wieder steht.</translation>
    </message>
    <message>
        <source>Urgent message: %1</source>
        <translation>Dringende Meldung: %1</translation>
    </message>
    <message>
        <source>Read out today</source>
        <translation>Heute verlesen</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Sound for new messages</source>
        <translation>Ton bei neuen Meldungen</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reading the read-out log…</source>
        <translation>Das Verlesungsprotokoll wird gelesen…</translation>
    </message>
    <message>
        <source>No announcer database is open.</source>
        <translation>Es ist keine Sprecherdatenbank geöffnet.</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Heute wurde noch nichts erledigt.</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>zurückgenommen %1</translation>
    </message>
    <message>
        <source>The rest, %1 characters, is in the read-out log at the desk.</source>
        <translation>Der Rest, %1 Zeichen, steht im Verlesungsprotokoll am Sprecherplatz.</translation>
    </message>
    <message>
        <source>Older dismissals of today, in the read-out log at the desk: %1</source>
        <translation>Ältere Erledigungen von heute, im Verlesungsprotokoll am Sprecherplatz: %1</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>Die Liste und die angezeigte Meldung, nur lesen</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>Auch wählen, erledigen und zurücknehmen</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Offizielle senden Meldungen in die Liste und sehen, wann sie verlesen werden</translation>
    </message>
    <message>
        <source>Pages connected now besides this one: %1</source>
        <translation>Außer dieser jetzt verbundene Seiten: %1</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Neue Links</translation>
    </message>
    <message>
        <source>Make new links</source>
        <translation>Neue Links erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New links are made: the old ones no longer work.</source>
        <translation>Neue Links sind erstellt: Die alten funktionieren nicht mehr.</translation>
    </message>
    <message>
        <source>Make new links?</source>
        <translation>Neue Links erstellen?</translation>
    </message>
    <message>
        <source>The old links stop working on every device. Pages dropped now: %1</source>
        <translation>Die alten Links funktionieren dann auf keinem Gerät mehr. Jetzt getrennte Seiten: %1</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Planned messages</source>
        <translation>Geplante Meldungen</translation>
    </message>
    <message>
        <source>No planned messages.</source>
        <translation>Keine geplanten Meldungen.</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Nicht vor</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>Nicht nach</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Wiederholen alle (Minuten)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>every %1 min</source>
        <translation>alle %1 Min.</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>in der Liste (seit %1)</translation>
    </message>
    <message>
        <source>read out at %1 (%2 min ago)</source>
        <translation>vorgelesen um %1 (vor %2 Min.)</translation>
    </message>
    <message>
        <source>due again at %1</source>
        <translation>wieder fällig um %1</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>abgelaufen</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>wartet (fällig um %1)</translation>
    </message>
    <message>
        <source>Nothing is added to the list now.</source>
        <translation>Zurzeit kommt nichts in die Liste.</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Jede Meldung kommt zu ihrer Zeit in die Liste.</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>The pool’s caption screen: what is read out, in large type</source>
        <translation>Der Untertitelbildschirm am Becken: was vorgelesen wird, in großer Schrift</translation>
    </message>
    <message>
        <source>Hold back from the screen</source>
        <translation>Vom Bildschirm zurückhalten</translation>
    </message>
    <message>
        <source>Keep this message off the caption screen (F7)</source>
        <translation>Diese Meldung nicht auf dem Untertitelbildschirm zeigen (F7)</translation>
    </message>
    <message>
        <source>Blank the screen</source>
        <translation>Bildschirm schwarz</translation>
    </message>
    <message>
        <source>Bring the screen back</source>
        <translation>Bildschirm zurückholen</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back (F6)</source>
        <translation>Untertitelbildschirm schwarz schalten oder zurückholen (F6)</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>watch</source>
        <translation>Mitlesen</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>&amp;New links</source>
        <translation>&amp;Neue Links</translation>
    </message>
    <message>
        <source>Browser station – kelvane</source>
        <translation>Browserstation – kelvane</translation>
    </message>
    <message>
        <source>All networks of this computer</source>
        <translation>Alle Netze dieses Computers</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Seit</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Jetzt verbunden</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>Die neuen Links funktionieren, können aber nicht für den nächsten Start gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stoppen</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>The station is off: no browser can see the desk.</source>
        <translation>Die Station ist aus: Kein Browser sieht das Pult.</translation>
    </message>
    <message>
        <source>Listening on %1://%2</source>
        <translation>Erreichbar unter %1://%2</translation>
    </message>
    <message>
        <source> (all networks of this computer)</source>
        <translation> (alle Netze dieses Computers)</translation>
    </message>
    <message>
        <source>Unencrypted: anyone on this network can read the messages as they pass. Use it on the gala&apos;s own network only.</source>
        <translation>Unverschlüsselt: Jeder in diesem Netz kann die Meldungen unterwegs mitlesen. Nur im eigenen Netz der Veranstaltung verwenden.</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>Die Liste und die angezeigte Meldung, nur lesen</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>Auch wählen, erledigen und zurücknehmen</translation>
    </message>
    <message>
        <source>send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Offizielle senden Meldungen in die Liste und sehen, wann sie verlesen werden</translation>
    </message>
    <message>
        <source>Ready texts for send pages, one a line</source>
        <translation>Textvorlagen für Senden-Seiten, eine pro Zeile</translation>
    </message>
    <message>
        <source>Connections without a link yet: %1</source>
        <translation>Verbindungen noch ohne Link: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stop the browser station? Pages connected now: %n. They lose the desk until the station is started again.</source>
        <translation>
            <numerusform>Die Browserstation anhalten? Jetzt verbundene Seiten: %n. Sie verlieren das Pult, bis die Station wieder gestartet wird.</numerusform>
            <numerusform>Die Browserstation anhalten? Jetzt verbundene Seiten: %n. Sie verlieren das Pult, bis die Station wieder gestartet wird.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop the station</source>
        <translation>Station anhalten</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message numerus="yes">
        <source>Replace every link? The links handed out stop working, and the pages connected now (%n) are closed: each needs the new link.</source>
        <translation>
            <numerusform>Alle Links ersetzen? Die ausgegebenen Links funktionieren nicht mehr, und die jetzt verbundenen Seiten (%n) werden geschlossen: Jede braucht den neuen Link.</numerusform>
            <numerusform>Alle Links ersetzen? Die ausgegebenen Links funktionieren nicht mehr, und die jetzt verbundenen Seiten (%n) werden geschlossen: Jede braucht den neuen Link.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the links</source>
        <translation>Links ersetzen</translation>
    </message>
    <message>
        <source>Keep the links</source>
        <translation>Links behalten</translation>
    </message>
    <message>
        <source>The station could not start: %1</source>
        <translation>Die Station konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>The pool&apos;s caption screen: what is read out, in large type</source>
        <translation>Der Untertitelbildschirm am Becken: was vorgelesen wird, in großer Schrift</translation>
    </message>
    <message>
        <source>Hold back from the screen (F7)</source>
        <translation>Vom Bildschirm zurückhalten (F7)</translation>
    </message>
    <message>
        <source>Blank the screen (F6)</source>
        <translation>Bildschirm schwarz (F6)</translation>
    </message>
    <message>
        <source>Caption screen:</source>
        <translation>Untertitelbildschirm:</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existiert bereits</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not an announcer database</source>
        <translation>%1 ist keine Sprecherdatenbank</translation>
    </message>
    <message>
        <source>%1 already exists; it is left as it is</source>
        <translation>%1 existiert bereits und bleibt, wie es ist</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>die Standardeingabe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>SEQUENCE must be a whole number</source>
        <translation>NUMMER muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>INTERVAL_MS and COUNT must be whole numbers</source>
        <translation>INTERVALL_MS und ANZAHL müssen ganze Zahlen sein</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot open it safely</source>
        <translation>das SQLite dieses Computers kann sie nicht sicher öffnen</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>kelvane: unknown argument %1</source>
        <translation>kelvane: unbekanntes Argument %1</translation>
    </message>
    <message>
        <source>usage: kelvane-records
Asks for a club database, then prints the club&apos;s record cards.
</source>
        <translation>Aufruf: kelvane-records
Fragt nach einer Vereinsdatenbank und druckt dann die Rekordkarten des Vereins.
</translation>
    </message>
    <message>
        <source>usage: kelvane-clubdb init FILE   (a new club database with no records)
       kelvane-clubdb demo FILE   (a new club database with a demo club&apos;s records)
       kelvane-clubdb --help | --version
</source>
        <translation>Aufruf: kelvane-clubdb init DATEI   (eine neue Vereinsdatenbank ohne Rekorde)
        kelvane-clubdb demo DATEI   (eine neue Vereinsdatenbank mit den Rekorden
                                     eines Beispielvereins)
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
        <translation>Aufruf: kelvane-feed init DATEI
        kelvane-feed add DATEI NUMMER [TEXT]   (ohne TEXT von der Standardeingabe)
        kelvane-feed list DATEI
        kelvane-feed demo DATEI [INTERVALL_MS [ANZAHL [PROTOKOLL]]]
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
        <translation>Aufruf: kelvane [--display-only] [--station [ADRESSE][:PORT]]
Öffnet das Startfenster mit der in ~/kelvane.ini gemerkten Sprecherdatenbank.
  --display-only  Meldungen wie gewohnt zeigen, aber nie eine löschen: für einen
                  zweiten Sprecher oder einen Kommentator an derselben Datenbank
  --station       das Pult den Browsern in diesem Netz anbieten, an der ersten
                  Adresse dieses Computers (oder ADRESSE, 0.0.0.0 für alle) und
                  Port 8088 (oder PORT); gibt jeden Link als Zeile ROLLE URL aus

Tasten in der Sprecheransicht:
  Pfeil auf, ab      durch die Liste gehen und die Meldung zeigen
  Eingabe, Leertaste die Meldung an der Markierung der Liste zeigen
  Entf               die angezeigte Meldung erledigen (die Markierung zeigt sie)
  Strg+Z             die letzte Erledigung zurücknehmen; erneut für die davor
  Strg+H             heute verlesen: die heute erledigten Meldungen, ganzer Text
  F5                 die Liste sofort neu lesen
  F9                 die Browserstation: das Pult auf Tablets und Handys
  Strg+Plus, Strg+Minus, Strg+0
                     größere, kleinere, normale Schrift (wird gemerkt)
  Strg+B             ein Ton bei neuer Meldung: ein oder aus
  Alt+S              zurück zum Startfenster;  F1  die Tastenliste
Im Meldungsfeld bearbeiten Entf und Strg+Z den Text, sobald Sie dort getippt
oder markiert haben.

Jede Erledigung steht im Verlesungsprotokoll, bevor ihre Zeile gelöscht wird:
  $XDG_DATA_HOME/kelvane/read-out-JJJJ-MM-TT.csv (~/.local/share/kelvane/)
Eine Jet-Datei (.mdb) wird unter Linux nur gelesen: Eine erledigte Meldung wird
ausgeblendet statt gelöscht und bleibt den Tag über verborgen (das
Verlesungsprotokoll merkt sie sich).
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
Aufruf: kelvane serve [--display-only] [--station [ADRESSE][:PORT]] [DATENBANK]
Betreibt das Pult und seine Browserstation ohne Fenster und ohne Bildschirm, an
DATENBANK (einer Sprecherdatei oder einer Verbindungsdatei) oder der in
~/kelvane.ini gemerkten; gibt jeden Link als Zeile ROLLE URL aus, seine Hinweise
auf der Standardfehlerausgabe, und endet bei SIGTERM oder SIGINT. Die Station
lauscht, wo --station es sagt, oder wo sie zuletzt gelauscht hat.
</translation>
    </message>
</context>
<context>
    <name>YesNo</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>desk::AnnouncerDesk</name>
    <message>
        <source>The announcer database is busy: another program is writing to it. %1 in a moment.</source>
        <translation>Die Sprecherdatenbank ist belegt: Ein anderes Programm schreibt gerade hinein. %1 – in einem Moment.</translation>
    </message>
    <message>
        <source>The database server is not answering. %1 once it is back.</source>
        <translation>Der Datenbankserver antwortet nicht. %1, sobald er wieder da ist.</translation>
    </message>
    <message>
        <source>The message is back, but the read-out log could not be written (%1).</source>
        <translation>Die Meldung ist zurück, aber das Verlesungsprotokoll konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Another file has taken the place of the announcer database. %1</source>
        <translation>Eine andere Datei ist an die Stelle der Sprecherdatenbank getreten. %1</translation>
    </message>
    <message>
        <source>The announcer database &apos;%1&apos; is no longer there.</source>
        <translation>Die Sprecherdatenbank &apos;%1&apos; ist nicht mehr da.</translation>
    </message>
    <message>
        <source>The message could not be read; choose it again</source>
        <translation>Die Meldung konnte nicht gelesen werden; wählen Sie sie erneut</translation>
    </message>
    <message>
        <source>The message has not been dismissed; press Dismiss This Message again</source>
        <translation>Die Meldung wurde nicht erledigt; drücken Sie erneut „Meldung erledigt“</translation>
    </message>
    <message>
        <source>The message has not been dismissed: the read-out log could not be written (%1).</source>
        <translation>Die Meldung wurde nicht erledigt: Das Verlesungsprotokoll konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>This announcer database can only be read on this computer. Dismissed messages are hidden from the list until kelvane is closed, but they stay in the file.</source>
        <translation>Diese Sprecherdatenbank kann auf diesem Computer nur gelesen werden. Erledigte Meldungen werden bis zum Beenden von kelvane in der Liste ausgeblendet, bleiben aber in der Datei.</translation>
    </message>
    <message>
        <source>There is no dismissal to undo.</source>
        <translation>Es gibt keine Erledigung, die sich zurücknehmen ließe.</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log (Ctrl+H).</source>
        <translation>Diese Meldung ist zu lang, um sie zurückzuholen. Ihr Anfang steht im Verlesungsprotokoll (Strg+H).</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log (Ctrl+H).</source>
        <translation>Die Erledigung kann nicht zurückgenommen werden: Diese Sprecherdatenbank lässt kelvane die Meldung nicht wieder einfügen (%1). Die Meldung steht im heutigen Verlesungsprotokoll (Strg+H).</translation>
    </message>
    <message>
        <source>The message has not been put back; press Ctrl+Z again</source>
        <translation>Die Meldung wurde nicht zurückgeholt; drücken Sie erneut Strg+Z</translation>
    </message>
    <message>
        <source>The list of messages could not be read: %1</source>
        <translation>Die Liste der Meldungen konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>— no longer in the database —</source>
        <translation>— nicht mehr in der Datenbank —</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log at the desk.</source>
        <translation>Diese Meldung ist zu lang, um sie zurückzuholen. Ihr Anfang steht im Verlesungsprotokoll am Sprecherplatz.</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log at the desk.</source>
        <translation>Die Erledigung kann nicht zurückgenommen werden: Diese Sprecherdatenbank lässt kelvane die Meldung nicht wieder einfügen (%1). Die Meldung steht im heutigen Verlesungsprotokoll am Sprecherplatz.</translation>
    </message>
    <message>
        <source>The message has not been put back; press Undo again</source>
        <translation>Die Meldung wurde nicht zurückgeholt; wählen Sie erneut „Zurücknehmen“</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>A sent message&apos;s text: %1 the sender&apos;s name or post as typed (&quot;Referee&quot;, &quot;Anna&quot;), %2 the message. Use the form that reads well before any name or post, with no preposition where one would need an article (&quot;Referee: …&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Send the message again</source>
        <translation>Senden Sie die Meldung erneut</translation>
    </message>
    <message>
        <source>This desk cannot take messages: %1</source>
        <translation>Dieses Pult kann keine Meldungen annehmen: %1</translation>
    </message>
    <message>
        <source>it only shows the list.</source>
        <translation>Es zeigt nur die Liste an.</translation>
    </message>
    <message>
        <source>the announcer has no database open.</source>
        <translation>Der Sprecher hat keine Datenbank geöffnet.</translation>
    </message>
    <message>
        <source>its announcer database can only be read on this computer.</source>
        <translation>Seine Sprecherdatenbank kann auf diesem Computer nur gelesen werden.</translation>
    </message>
</context>
<context>
    <name>desk::PlannedModel</name>
    <message numerus="yes">
        <source>every %n min</source>
        <translation>
            <numerusform>alle %n Min.</numerusform>
            <numerusform>alle %n Min.</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>urgent</source>
        <translation>dringend</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Nicht vor</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>Nicht nach</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Dringend</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>wartet (fällig um %1)</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>in der Liste (seit %1)</translation>
    </message>
    <message numerus="yes">
        <source>read out at %1 (%n minute(s) ago)</source>
        <translation>
            <numerusform>vorgelesen um %1 (vor %n Minute)</numerusform>
            <numerusform>vorgelesen um %1 (vor %n Minuten)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, due again at %2</source>
        <translation>%1, wieder fällig um %2</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>abgelaufen</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
</context>
</TS>
