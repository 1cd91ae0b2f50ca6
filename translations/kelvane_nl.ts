<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AnnounceIntro</name>
    <message>
        <source>Announcers Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorlane 2005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announcer&apos;s Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the file that is used by the Quorlane system to store messages for use by the announcer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made for the poolside announcer, 2005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Database for Announcer Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Database selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot locate database for announcer messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database path cannot be remembered in %1 because %2. Rename the file or folder to have it remembered next time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database path could not be remembered in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>may not be encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the database server named in %1 %2 (sslmode=%3): anyone on the network can read the messages or pose as the server. Unless the network is closed to others, remove sslmode from the file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnouncerDesk</name>
    <message>
        <source>The announcer database is busy: another program is writing to it. %1 in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database server is not answering. %1 once it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message is back, but the read-out log could not be written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another file has taken the place of the announcer database. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The announcer database &apos;%1&apos; is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message could not be read; choose it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message has not been dismissed; press Dismiss This Message again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message has not been dismissed: the read-out log could not be written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This announcer database can only be read on this computer. Dismissed messages are hidden from the list until kelvane is closed, but they stay in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no dismissal to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log (Ctrl+H).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log (Ctrl+H).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message has not been put back; press Ctrl+Z again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of messages could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>— no longer in the database —</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — read only here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — the message on display is no longer in the database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnouncerScreen</name>
    <message>
        <source>Announcers Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> – display only</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> — %n new below</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %n new above</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A new message now arrives with a short sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New messages now arrive without a sound.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClubRecords</name>
    <message>
        <source>Printer error: no printer has been set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed, so the record cards were saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, not A4. The record cards are printed as A4 pages: load the A4 card sheets, or the last card of a page is cut off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; holds &apos;%2&apos;, which is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The club database is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple records exist for %1 %2 %3 %4 - Cannot continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range: the club setup has no record card %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid use of Null: &apos;%1&apos; is empty in the club setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; of the club setup is &apos;%2&apos;, not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The club setup has no &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range: age group %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The club database lists %1 record cards numbered from 1 up, but its setup counts %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record date of %1 %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the finish date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch: %1 &apos;%2&apos; is not a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec:Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year:Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Club Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClubRecordsProgram</name>
    <message>
        <source>club database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Club Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be used as the club database.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Accept Time Conversion?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance Swum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Override Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Override Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept This Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept All Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Override</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The connection file &apos;%1&apos; cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belongs to another user of this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>may be changed by other users of this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it %1, who could send your password to another server. Use a connection file of your own that only you may change (&quot;chmod go-w&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line must be a URI such as postgresql://user@host:5432/dbname.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; in its URI is not understood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it gives the setting &apos;%1&apos; twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its setting &apos;%1&apos; differs from its URI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its port &apos;%1&apos; is not a port number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is not allowed in a connection file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its client key &apos;%1&apos; (sslkey) names a crypto engine; name a key file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) cannot be read: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a password and other users of this computer can read it. Make it private with &quot;chmod 600 &apos;%1&apos;&quot;, or keep the password in ~/.pgpass instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads a column &apos;%2&apos; that the table &apos;%3&apos; does not have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run: parameter queries of a Jet file cannot be read on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Jet file &apos;%1&apos; could not be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads &apos;%2&apos;, which is not a table of this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the table or query &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no Jet header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is incomplete (%1 bytes is not a whole number of %2-byte pages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it refers to byte %1, beyond its end at %2 bytes (it may be being written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it became shorter while it was read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an %2: the Microsoft Access ODBC driver could not open it (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run from a Jet file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be read: kelvane reads only a select of columns from one table with an optional ORDER BY, and this query %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>asks for parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reads another database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>joins tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has a WHERE condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>groups rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a clause of kind %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reads from a subquery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reads no table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reads from %1 tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a select query (kind %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no query kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orders by &apos;*&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>selects no columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pages cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; has no column &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a page of &apos;%1&apos; is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a row of &apos;%1&apos; is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a moved row of &apos;%1&apos; is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; is damaged or not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page %1, listed for &apos;%2&apos;, holds something else</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; lies outside its page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; is cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text in &apos;%1&apos; cannot be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no query definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot reach the database server %1 that &apos;%2&apos; names for the %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database server %1 that &apos;%2&apos; names is not answering: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows cannot be added to &apos;%1&apos; on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item not found in this collection: field &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: the file can only be read here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record set is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: it has no &apos;%2&apos; key column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item not found in this collection: parameter &apos;%1&apos; of &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: the row was not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item not found in this collection: query &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved query &apos;%1&apos; numbers its parameters wrongly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; was stopped: it asks for far more work than any sound database needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is locked by another program (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the database server was lost (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file is damaged or incomplete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desk</name>
    <message>
        <source>announcer database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a day and a time of day</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just now</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>arrived %1, %2</source>
        <comment>when, how long ago</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — the server has not answered since %1; trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — the database has been busy since %1; trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — the list could not be read since %1; trying again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[The message goes on for another %L1 characters, not shown here.]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is linked to another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link, which the read-out log never follows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it keeps changing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Invalid Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileDialogue</name>
    <message>
        <source>File already exists, what do you want to do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append to existing contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite existing contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileInfo</name>
    <message>
        <source>File Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Up, Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move through the list and show that message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the message at the list&apos;s cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismiss the message on display (marked in the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last dismissal (several times)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete and Ctrl+Z edit the text once you have typed or selected there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read out today: the messages dismissed today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the list again now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Plus, Ctrl+Minus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger or smaller text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text at its usual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound on a new message: on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move between the message, the list and the buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit to the intro screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intro screen: Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the database named (Alt+E as well)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intro screen: Alt+B, Alt+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse, Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys – kelvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it does</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocateDatabase</name>
    <message>
        <source>Announcer DB is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate announcer database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Announcer Database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error: no printer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value: font size %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: cannot write &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: the printer cannot start a job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadOutToday</name>
    <message>
        <source>Read out today – kelvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dismissed today, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(undone %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Print Club Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACRs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Undated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing stopped (error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Blue Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Pink Cards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it contains a double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an announcer database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists; it is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEQUENCE must be a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTERVAL_MS and COUNT must be whole numbers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>usage: kelvane [--display-only]
Opens the intro screen on the announcer database remembered in ~/kelvane.ini.
  --display-only  show the messages as usual but never delete one: for a second
                  announcer or a commentator on the same database

Keys on the announcer screen:
  Up, Down           move through the list and show that message
  Enter, Space       show the message at the list&apos;s cursor
  Delete             dismiss the message on display (the cursor marks it)
  Ctrl+Z             undo the last dismissal; again for the one before
  Ctrl+H             read out today: today&apos;s dismissals, whole texts
  F5                 read the list again now
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kelvane: unknown argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: kelvane-records
Asks for a club database, then prints the club&apos;s record cards.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: kelvane-clubdb init FILE   (a new club database with no records)
       kelvane-clubdb demo FILE   (a new club database with a demo club&apos;s records)
       kelvane-clubdb --help | --version
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: kelvane-feed init FILE
       kelvane-feed add FILE SEQUENCE [TEXT]   (TEXT from standard input if absent)
       kelvane-feed list FILE
       kelvane-feed demo FILE [INTERVAL_MS [COUNT [LOG]]]
       kelvane-feed --help | --version
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YesNo</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
