<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AnnounceIntro</name>
    <message>
        <source>Announcers Module</source>
        <translation>Speakermodule</translation>
    </message>
    <message>
        <source>Announcer&apos;s Module</source>
        <translation>Speakermodule</translation>
    </message>
    <message>
        <source>Database Filename</source>
        <translation>Databasebestand</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>This is the file that is used by the Quorlane system to store messages for use by the announcer</source>
        <translation>In dit bestand zet het Quorlane-systeem de berichten voor de speaker klaar</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Made for the poolside announcer, 2005</source>
        <translation>Gemaakt voor de speaker aan het bad, 2005</translation>
    </message>
    <message>
        <source>Select Database for Announcer Messages</source>
        <translation>Database voor speakerberichten kiezen</translation>
    </message>
    <message>
        <source>No Database selected</source>
        <translation>Geen database gekozen</translation>
    </message>
    <message>
        <source>Cannot locate database for announcer messages</source>
        <translation>De database voor speakerberichten is niet te vinden</translation>
    </message>
    <message>
        <source>The database path cannot be remembered in %1 because %2. Rename the file or folder to have it remembered next time.</source>
        <translation>Het databasepad kan niet in %1 worden onthouden, omdat %2. Geef het bestand of de map een andere naam om het de volgende keer te laten onthouden.</translation>
    </message>
    <message>
        <source>The database path could not be remembered in %1: %2</source>
        <translation>Het databasepad kon niet in %1 worden onthouden: %2</translation>
    </message>
    <message>
        <source>is not encrypted</source>
        <translation>is niet versleuteld</translation>
    </message>
    <message>
        <source>may not be encrypted</source>
        <translation>is mogelijk niet versleuteld</translation>
    </message>
    <message>
        <source>The connection to the database server named in %1 %2 (sslmode=%3): anyone on the network can read the messages or pose as the server. Unless the network is closed to others, remove sslmode from the file.</source>
        <translation>De verbinding met de databaseserver die in %1 staat, %2 (sslmode=%3): iedereen op het netwerk kan de berichten meelezen of zich voordoen als de server. Haal sslmode uit het bestand, tenzij het netwerk voor anderen gesloten is.</translation>
    </message>
</context>
<context>
    <name>AnnouncerScreen</name>
    <message>
        <source>Announcers Screen</source>
        <translation>Speakerscherm</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Bericht afgehandeld</translation>
    </message>
    <message>
        <source> – display only</source>
        <translation> – alleen weergave</translation>
    </message>
    <message numerus="yes">
        <source> — %n new below</source>
        <translation>
            <numerusform> — %n nieuw hieronder</numerusform>
            <numerusform> — %n nieuwe hieronder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %n new above</source>
        <translation>
            <numerusform> — %n nieuw hierboven</numerusform>
            <numerusform> — %n nieuwe hierboven</numerusform>
        </translation>
    </message>
    <message>
        <source>A new message now arrives with a short sound.</source>
        <translation>Een nieuw bericht komt nu binnen met een kort geluid.</translation>
    </message>
    <message>
        <source>New messages now arrive without a sound.</source>
        <translation>Nieuwe berichten komen nu zonder geluid binnen.</translation>
    </message>
    <message>
        <source>URGENT</source>
        <translation>DRINGEND</translation>
    </message>
    <message numerus="yes">
        <source> — browser station on, pages connected: %n</source>
        <translation>
            <numerusform> — browserstation aan, verbonden pagina’s: %n</numerusform>
            <numerusform> — browserstation aan, verbonden pagina’s: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — URGENT, not yet shown: %n</source>
        <translation>
            <numerusform> — DRINGEND, nog niet getoond: %n</numerusform>
            <numerusform> — DRINGEND, nog niet getoond: %n</numerusform>
        </translation>
    </message>
    <message>
        <source> — caption screen blanked</source>
        <translation> — ondertitelscherm zwart</translation>
    </message>
    <message>
        <source> — held back from the caption screen</source>
        <translation> — tegengehouden voor het ondertitelscherm</translation>
    </message>
</context>
<context>
    <name>ClubRecords</name>
    <message>
        <source>Printer error: no printer has been set up.</source>
        <translation>Printerfout: er is geen printer ingesteld.</translation>
    </message>
    <message>
        <source>No printer is installed, so the record cards were saved as %1</source>
        <translation>Er is geen printer geïnstalleerd, daarom zijn de recordkaarten opgeslagen als %1</translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, not A4. The record cards are printed as A4 pages: load the A4 card sheets, or the last card of a page is cut off.</source>
        <translation>Het papier van de printer is %1, niet A4. De recordkaarten worden als A4-pagina&apos;s afgedrukt: plaats de A4-kaartvellen, anders valt de laatste kaart van een pagina er half af.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; holds &apos;%2&apos;, which is not a date.</source>
        <translation>Type komt niet overeen: &apos;%1&apos; bevat &apos;%2&apos;, en dat is geen datum.</translation>
    </message>
    <message>
        <source>The club database is not open.</source>
        <translation>De clubdatabase is niet geopend.</translation>
    </message>
    <message>
        <source>Multiple records exist for %1 %2 %3 %4 - Cannot continue</source>
        <translation>Er bestaan meerdere records voor %1 %2 %3 %4 - kan niet verder</translation>
    </message>
    <message>
        <source>Subscript out of range: the club setup has no record card %1.</source>
        <translation>Subscript valt buiten bereik: de clubinstellingen hebben geen recordkaart %1.</translation>
    </message>
    <message>
        <source>Invalid use of Null: &apos;%1&apos; is empty in the club setup.</source>
        <translation>Ongeldig gebruik van Null: &apos;%1&apos; is leeg in de clubinstellingen.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; of the club setup is &apos;%2&apos;, not a whole number.</source>
        <translation>Type komt niet overeen: &apos;%1&apos; van de clubinstellingen is &apos;%2&apos;, geen geheel getal.</translation>
    </message>
    <message>
        <source>The club setup has no &apos;%1&apos;.</source>
        <translation>De clubinstellingen hebben geen &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Subscript out of range: age group %1.</source>
        <translation>Subscript valt buiten bereik: leeftijdsgroep %1.</translation>
    </message>
    <message>
        <source>The club database lists %1 record cards numbered from 1 up, but its setup counts %2.</source>
        <translation>De clubdatabase vermeldt %1 recordkaarten, genummerd vanaf 1, maar de instellingen tellen er %2.</translation>
    </message>
    <message>
        <source>the record date of %1 %2 %3 %4</source>
        <translation>de recorddatum van %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>the start date</source>
        <translation>de begindatum</translation>
    </message>
    <message>
        <source>the finish date</source>
        <translation>de einddatum</translation>
    </message>
    <message>
        <source>Type mismatch: %1 &apos;%2&apos; is not a date.</source>
        <translation>Type komt niet overeen: %1 &apos;%2&apos; is geen datum.</translation>
    </message>
    <message>
        <source>Rec:Name</source>
        <translation>Rec:Naam</translation>
    </message>
    <message>
        <source>Year:Name</source>
        <translation>Jaar:Naam</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Leeftijd</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Slag</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Overall Club Record</source>
        <translation>Clubrecord open klasse</translation>
    </message>
</context>
<context>
    <name>ClubRecordsProgram</name>
    <message>
        <source>Select Club Database</source>
        <translation>Clubdatabase kiezen</translation>
    </message>
    <message>
        <source>%1 cannot be used as the club database.</source>
        <translation>%1 kan niet als clubdatabase worden gebruikt.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Accept Time Conversion?</source>
        <translation>Tijdomrekening overnemen?</translation>
    </message>
    <message>
        <source>Recorded Time</source>
        <translation>Behaalde tijd</translation>
    </message>
    <message>
        <source>Distance Swum</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Converted Time</source>
        <translation>Omgerekend</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Doelafstand</translation>
    </message>
    <message>
        <source>Override Time</source>
        <translation>Eigen tijd</translation>
    </message>
    <message>
        <source>Override Distance</source>
        <translation>Eigen afstand</translation>
    </message>
    <message>
        <source>Accept This Conversion</source>
        <translation>Deze overnemen</translation>
    </message>
    <message>
        <source>Accept All Conversions</source>
        <translation>Alle overnemen</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Eigen waarden</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The connection file &apos;%1&apos; cannot be used: %2</source>
        <translation>Het verbindingsbestand &apos;%1&apos; is niet bruikbaar: %2</translation>
    </message>
    <message>
        <source>belongs to another user of this computer</source>
        <translation>is van een andere gebruiker van deze computer</translation>
    </message>
    <message>
        <source>may be changed by other users of this computer</source>
        <translation>kan door andere gebruikers van deze computer worden gewijzigd</translation>
    </message>
    <message>
        <source>it %1, who could send your password to another server. Use a connection file of your own that only you may change (&quot;chmod go-w&quot;).</source>
        <translation>het %1, zodat uw wachtwoord naar een andere server kan gaan. Gebruik een eigen verbindingsbestand dat alleen u mag wijzigen (&quot;chmod go-w&quot;).</translation>
    </message>
    <message>
        <source>its first line must be a URI such as postgresql://user@host:5432/dbname.</source>
        <translation>de eerste regel moet een URI zijn zoals postgresql://user@host:5432/dbname.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; in its URI is not understood.</source>
        <translation>de instelling &apos;%1&apos; in de URI is onbekend.</translation>
    </message>
    <message>
        <source>it gives the setting &apos;%1&apos; twice.</source>
        <translation>het noemt de instelling &apos;%1&apos; twee keer.</translation>
    </message>
    <message>
        <source>its setting &apos;%1&apos; differs from its URI.</source>
        <translation>de instelling &apos;%1&apos; wijkt af van de URI.</translation>
    </message>
    <message>
        <source>its port &apos;%1&apos; is not a port number.</source>
        <translation>de poort &apos;%1&apos; is geen poortnummer.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is not allowed in a connection file.</source>
        <translation>de instelling &apos;%1&apos; is niet toegestaan in een verbindingsbestand.</translation>
    </message>
    <message>
        <source>its client key &apos;%1&apos; (sslkey) names a crypto engine; name a key file.</source>
        <translation>de clientsleutel &apos;%1&apos; (sslkey) noemt een crypto-engine; noem een sleutelbestand.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) cannot be read: %3.</source>
        <translation>het genoemde bestand &apos;%1&apos; (%2) kan niet worden gelezen: %3.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>is geen bestand</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) %3.</source>
        <translation>het genoemde bestand &apos;%1&apos; (%2) %3.</translation>
    </message>
    <message>
        <source>it holds a password and other users of this computer can read it. Make it private with &quot;chmod 600 &apos;%1&apos;&quot;, or keep the password in ~/.pgpass instead.</source>
        <translation>het bevat een wachtwoord en andere gebruikers van deze computer kunnen het lezen. Maak het privé met &quot;chmod 600 &apos;%1&apos;&quot;, of zet het wachtwoord in plaats daarvan in ~/.pgpass.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads a column &apos;%2&apos; that the table &apos;%3&apos; does not have.</source>
        <translation>De opgeslagen query &apos;%1&apos; leest een kolom &apos;%2&apos; die de tabel &apos;%3&apos; niet heeft.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an %2: %3.</source>
        <translation>&apos;%1&apos; is geen %2: %3.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run: parameter queries of a Jet file cannot be read on this computer.</source>
        <translation>De opgeslagen query &apos;%1&apos; kan niet worden uitgevoerd: parameterquery&apos;s van een Jet-bestand kunnen op deze computer niet worden gelezen.</translation>
    </message>
    <message>
        <source>The database is closed.</source>
        <translation>De database is gesloten.</translation>
    </message>
    <message>
        <source>The Jet file &apos;%1&apos; could not be read: %2.</source>
        <translation>Het Jet-bestand &apos;%1&apos; kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads &apos;%2&apos;, which is not a table of this file.</source>
        <translation>De opgeslagen query &apos;%1&apos; leest &apos;%2&apos;, en dat is geen tabel van dit bestand.</translation>
    </message>
    <message>
        <source>Cannot find the table or query &apos;%1&apos;.</source>
        <translation>De tabel of query &apos;%1&apos; is niet gevonden.</translation>
    </message>
    <message>
        <source>it has no Jet header</source>
        <translation>het heeft geen Jet-kop</translation>
    </message>
    <message>
        <source>the file is incomplete (%1 bytes is not a whole number of %2-byte pages)</source>
        <translation>het bestand is onvolledig (%1 bytes is geen geheel aantal pagina&apos;s van %2 bytes)</translation>
    </message>
    <message>
        <source>it refers to byte %1, beyond its end at %2 bytes (it may be being written)</source>
        <translation>het verwijst naar byte %1, voorbij het einde bij %2 bytes (misschien wordt het nog geschreven)</translation>
    </message>
    <message>
        <source>it became shorter while it was read</source>
        <translation>het werd korter terwijl het werd gelezen</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: %2</source>
        <translation>Databasebewerking op &apos;%1&apos; mislukt: %2</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run from a Jet file.</source>
        <translation>De opgeslagen query &apos;%1&apos; kan niet vanuit een Jet-bestand worden uitgevoerd.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be read: kelvane reads only a select of columns from one table with an optional ORDER BY, and this query %2.</source>
        <translation>De opgeslagen query &apos;%1&apos; kan niet worden gelezen: kelvane leest alleen een selectie van kolommen uit één tabel met een optionele ORDER BY, en deze query %2.</translation>
    </message>
    <message>
        <source>asks for parameters</source>
        <translation>vraagt om parameters</translation>
    </message>
    <message>
        <source>reads another database</source>
        <translation>leest een andere database</translation>
    </message>
    <message>
        <source>joins tables</source>
        <translation>koppelt tabellen</translation>
    </message>
    <message>
        <source>has a WHERE condition</source>
        <translation>heeft een WHERE-voorwaarde</translation>
    </message>
    <message>
        <source>groups rows</source>
        <translation>groepeert rijen</translation>
    </message>
    <message>
        <source>holds a clause of kind %1</source>
        <translation>bevat een clausule van soort %1</translation>
    </message>
    <message>
        <source>reads from a subquery</source>
        <translation>leest uit een subquery</translation>
    </message>
    <message>
        <source>reads no table</source>
        <translation>leest geen tabel</translation>
    </message>
    <message>
        <source>reads from %1 tables</source>
        <translation>leest uit %1 tabellen</translation>
    </message>
    <message>
        <source>is not a select query (kind %1)</source>
        <translation>is geen selectiequery (soort %1)</translation>
    </message>
    <message>
        <source>has no query kind</source>
        <translation>heeft geen querysoort</translation>
    </message>
    <message>
        <source>orders by &apos;*&apos;</source>
        <translation>sorteert op &apos;*&apos;</translation>
    </message>
    <message>
        <source>selects no columns</source>
        <translation>selecteert geen kolommen</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>de kop is beschadigd</translation>
    </message>
    <message>
        <source>its pages cannot be read</source>
        <translation>de pagina&apos;s kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; is damaged</source>
        <translation>de tabel &apos;%1&apos; is beschadigd</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; has no column &apos;%2&apos;</source>
        <translation>de tabel &apos;%1&apos; heeft geen kolom &apos;%2&apos;</translation>
    </message>
    <message>
        <source>a page of &apos;%1&apos; is damaged</source>
        <translation>een pagina van &apos;%1&apos; is beschadigd</translation>
    </message>
    <message>
        <source>a row of &apos;%1&apos; is damaged</source>
        <translation>een rij van &apos;%1&apos; is beschadigd</translation>
    </message>
    <message>
        <source>a moved row of &apos;%1&apos; is damaged</source>
        <translation>een verplaatste rij van &apos;%1&apos; is beschadigd</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; is damaged or not there</source>
        <translation>de paginakaart van &apos;%1&apos; is beschadigd of ontbreekt</translation>
    </message>
    <message>
        <source>page %1, listed for &apos;%2&apos;, holds something else</source>
        <translation>pagina %1, vermeld voor &apos;%2&apos;, bevat iets anders</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; lies outside its page</source>
        <translation>een waarde van &apos;%1&apos; ligt buiten de pagina</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; is cut short</source>
        <translation>een waarde van &apos;%1&apos; is afgekapt</translation>
    </message>
    <message>
        <source>a text in &apos;%1&apos; cannot be converted</source>
        <translation>een tekst in &apos;%1&apos; kan niet worden omgezet</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is incomplete</source>
        <translation>een lange tekst in &apos;%1&apos; is onvolledig</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is of an unknown kind</source>
        <translation>een lange tekst in &apos;%1&apos; is van een onbekende soort</translation>
    </message>
    <message>
        <source>it holds no query definitions</source>
        <translation>het bevat geen querydefinities</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2.</source>
        <translation>&apos;%1&apos; kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>het bestand is geen database</translation>
    </message>
    <message>
        <source>Cannot reach the database server %1 that &apos;%2&apos; names for the %3: %4</source>
        <translation>De databaseserver %1 die &apos;%2&apos; noemt voor de %3, is niet bereikbaar: %4</translation>
    </message>
    <message>
        <source>The database server %1 that &apos;%2&apos; names is not answering: %3</source>
        <translation>De databaseserver %1 die &apos;%2&apos; noemt, antwoordt niet: %3</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>het is een named pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>er is geen bestand genoemd</translation>
    </message>
    <message>
        <source>Rows cannot be added to &apos;%1&apos; on this computer.</source>
        <translation>Op deze computer kunnen geen rijen aan &apos;%1&apos; worden toegevoegd.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Geen huidige record.</translation>
    </message>
    <message>
        <source>Item not found in this collection: field &apos;%1&apos;.</source>
        <translation>Item niet gevonden in deze verzameling: veld &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: the file can only be read here.</source>
        <translation>Rijen van &apos;%1&apos; kunnen niet worden verwijderd: het bestand kan hier alleen worden gelezen.</translation>
    </message>
    <message>
        <source>The record set is closed.</source>
        <translation>De recordset is gesloten.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: it has no &apos;%2&apos; key column.</source>
        <translation>Rijen van &apos;%1&apos; kunnen niet worden verwijderd: er is geen sleutelkolom &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Item not found in this collection: parameter &apos;%1&apos; of &apos;%2&apos;.</source>
        <translation>Item niet gevonden in deze verzameling: parameter &apos;%1&apos; van &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: the row was not added.</source>
        <translation>Databasebewerking op &apos;%1&apos; mislukt: de rij is niet toegevoegd.</translation>
    </message>
    <message>
        <source>Item not found in this collection: query &apos;%1&apos;.</source>
        <translation>Item niet gevonden in deze verzameling: query &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Saved query &apos;%1&apos; numbers its parameters wrongly.</source>
        <translation>De opgeslagen query &apos;%1&apos; nummert de parameters verkeerd.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; was stopped: it asks for far more work than any sound database needs.</source>
        <translation>Databasebewerking op &apos;%1&apos; is gestopt: ze vraagt veel meer werk dan een gezonde database ooit nodig heeft.</translation>
    </message>
    <message>
        <source>The database is locked by another program (%1).</source>
        <translation>De database is vergrendeld door een ander programma (%1).</translation>
    </message>
    <message>
        <source>The connection to the database server was lost (%1): %2</source>
        <translation>De verbinding met de databaseserver is verbroken (%1): %2</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3.</source>
        <translation>De %1 &apos;%2&apos; kan niet worden gelezen: %3.</translation>
    </message>
    <message>
        <source>the database file is damaged or incomplete</source>
        <translation>het databasebestand is beschadigd of onvolledig</translation>
    </message>
    <message>
        <source>uses DISTINCT or TOP</source>
        <translation>gebruikt DISTINCT of TOP</translation>
    </message>
    <message>
        <source>club database</source>
        <translation>clubdatabase</translation>
    </message>
    <message>
        <source>announcer database</source>
        <translation>speakerdatabase</translation>
    </message>
    <message>
        <source>the Microsoft Access ODBC driver could not open it (%1)</source>
        <translation>het ODBC-stuurprogramma van Microsoft Access kon het niet openen (%1)</translation>
    </message>
    <message>
        <source>two rows of &apos;%1&apos; point at the same moved row</source>
        <translation>twee rijen van &apos;%1&apos; verwijzen naar dezelfde verplaatste rij</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; lists page %2, beyond the file&apos;s end at %3 pages (it may be being written)</source>
        <translation>het paginaoverzicht van &apos;%1&apos; noemt pagina %2, voorbij het einde van het bestand bij %3 pagina&apos;s (misschien wordt het nog geschreven)</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; points back at a piece already read</source>
        <translation>een lange tekst in &apos;%1&apos; verwijst terug naar een al gelezen stuk</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a %2: %3.</source>
        <translation>&apos;%1&apos; is geen %2: %3.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would change other rows as well, so nothing was deleted.</source>
        <translation>De eigen verwijderregel van deze database voor &apos;%1&apos; zou ook andere rijen wijzigen, dus er is niets verwijderd.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would keep the row, so nothing was deleted.</source>
        <translation>De eigen verwijderregel van deze database voor &apos;%1&apos; zou de rij laten staan, dus er is niets verwijderd.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; in &apos;%2&apos; does more than read (it would change data or reach other files), so it was not run.</source>
        <translation>De opgeslagen query &apos;%1&apos; in &apos;%2&apos; doet meer dan lezen (hij zou gegevens wijzigen of andere bestanden bereiken), dus hij is niet uitgevoerd.</translation>
    </message>
    <message>
        <source>a read-only transaction</source>
        <translation>een alleen-lezen-transactie</translation>
    </message>
    <message>
        <source>This database&apos;s own insert rule for &apos;%1&apos; would change other rows as well, so nothing was added.</source>
        <translation>De eigen invoegregel van deze database voor &apos;%1&apos; zou ook andere rijen wijzigen, dus er is niets toegevoegd.</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot read it safely</source>
        <translation>de SQLite van deze computer kan het niet veilig lezen</translation>
    </message>
    <message>
        <source>it is a link, which kelvane never follows here</source>
        <translation>het is een koppeling, en die volgt kelvane hier nooit</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>de map kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it keeps changing</source>
        <translation>het blijft veranderen</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>het is van een andere gebruiker</translation>
    </message>
    <message>
        <source>other users may change it</source>
        <translation>andere gebruikers kunnen het wijzigen</translation>
    </message>
    <message>
        <source>other users may read it</source>
        <translation>andere gebruikers kunnen het lezen</translation>
    </message>
    <message>
        <source>it is linked to another file</source>
        <translation>het is gekoppeld aan een ander bestand</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full. Ask whoever runs the server to free some space on it, then try again.</source>
        <translation>De schijf van de databaseserver is vol. Vraag de beheerder van de server er ruimte vrij te maken en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The disk that holds the database %1 is full. Free some space on it (the disk mounted at %2), then try again.</source>
        <translation>De schijf met de database %1 is vol. Maak er ruimte vrij (de schijf gekoppeld op %2) en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>it is a database this program has open</source>
        <translation>het is een database die dit programma geopend heeft</translation>
    </message>
</context>
<context>
    <name>DemoMessages</name>
    <message>
        <source>Would the parents of Tom Fielding please come to the recording desk.</source>
        <translation>Willen de ouders van Tom Fielding naar het wedstrijdsecretariaat komen?</translation>
    </message>
    <message>
        <source>The cafe closes at 4 pm. Please collect lost property from the poolside table.</source>
        <translation>De kantine sluit om 16.00 uur. Gevonden voorwerpen liggen op de tafel aan de badrand.</translation>
    </message>
    <message>
        <source>Event 12 Girls 100m Freestyle
Results are now available.
1st Amy Hartley 1:04.32
2nd Chloe Barnes 1:05.10
3rd Ruth Osei 1:06.87</source>
        <translation>Programma 12 – 100m vrije slag meisjes
De uitslagen zijn bekend.
1. Amy Hartley 1.04,32
2. Chloe Barnes 1.05,10
3. Ruth Osei 1.06,87</translation>
    </message>
    <message>
        <source>Marshalling
Event 15 Boys 50m Backstroke is now called to the marshalling area.</source>
        <translation>Callroom
Programma 15 – 50m rugslag jongens: meld je nu in de callroom.</translation>
    </message>
    <message>
        <source>NEW CLUB RECORD
Event 9 Girls 200m Individual Medley
Sophie Lindqvist 2:31.45
previous record 2:33.02 (2019)</source>
        <translation>NIEUW CLUBRECORD
Programma 9 – 200m wisselslag meisjes
Sophie Lindqvist 2.31,45
vorig record 2.33,02 (2019)</translation>
    </message>
    <message>
        <source>Event 17 Mixed 4 x 50m Medley Relay
Teams: please hand relay cards to the referee.</source>
        <translation>Programma 17 – 4x50m wisselslag estafette gemengd
Ploegen: geef de estafettekaarten af bij de scheidsrechter.</translation>
    </message>
    <message>
        <source>Session two warm-up starts at 1:15 pm.
Lanes 1-3 swimmers from Northgate, lanes 4-6 from Riverside.</source>
        <translation>Het inzwemmen voor het tweede dagdeel begint om 13.15 uur.
Baan 1-3 zwemmers van Northgate, baan 4-6 van Riverside.</translation>
    </message>
    <message>
        <source>Disqualification
Event 14 Boys 100m Breaststroke, heat 2 lane 5: non-simultaneous touch.</source>
        <translation>Diskwalificatie
Programma 14 – 100m schoolslag jongens, serie 2 baan 5: niet gelijktijdig aangetikt.</translation>
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
        <translation>zojuist</translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>%n min geleden</numerusform>
            <numerusform>%n min geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min ago</source>
        <translation>%1 u %2 min geleden</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>1 dag geleden</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n dag geleden</numerusform>
            <numerusform>%n dagen geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>arrived %1, %2</source>
        <comment>when, how long ago</comment>
        <translation>binnengekomen %1, %2</translation>
    </message>
    <message>
        <source>[The message goes on for another %L1 characters, not shown here.]</source>
        <translation>[Het bericht gaat nog %L1 tekens verder; die worden hier niet getoond.]</translation>
    </message>
    <message>
        <source>the server has not answered since %1; trying again</source>
        <translation>de server antwoordt al sinds %1 niet; nieuwe poging volgt</translation>
    </message>
    <message>
        <source>the database has been busy since %1; trying again</source>
        <translation>de database is al sinds %1 bezet; nieuwe poging volgt</translation>
    </message>
    <message>
        <source>the list could not be read since %1; trying again</source>
        <translation>de lijst is sinds %1 niet te lezen; nieuwe poging volgt</translation>
    </message>
    <message>
        <source>read only here</source>
        <translation>hier alleen-lezen</translation>
    </message>
    <message>
        <source>the message on display is no longer in the database</source>
        <translation>het getoonde bericht staat niet meer in de database</translation>
    </message>
</context>
<context>
    <name>DeskSettings</name>
    <message>
        <source>Lane timekeepers to the start</source>
        <translation>Baantijdwaarnemers naar de start</translation>
    </message>
    <message>
        <source>Medal ceremony in 5 minutes</source>
        <translation>Huldiging over 5 minuten</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Invalid Date</source>
        <translation>Ongeldige datum</translation>
    </message>
    <message>
        <source>Invalid Time</source>
        <translation>Ongeldige tijd</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1</source>
        <translation>Fout %1</translation>
    </message>
</context>
<context>
    <name>FileDialogue</name>
    <message>
        <source>File already exists, what do you want to do?</source>
        <translation>Het bestand bestaat al. Wat wilt u doen?</translation>
    </message>
    <message>
        <source>Append to existing contents</source>
        <translation>Achter de inhoud toevoegen</translation>
    </message>
    <message>
        <source>Overwrite existing contents</source>
        <translation>Inhoud overschrijven</translation>
    </message>
    <message>
        <source>Change File Name</source>
        <translation>Bestandsnaam wijzigen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>FileInfo</name>
    <message>
        <source>File Select</source>
        <translation>Bestand kiezen</translation>
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
    <name>KeysWindow</name>
    <message>
        <source>Up, Down</source>
        <translation>Omhoog, omlaag</translation>
    </message>
    <message>
        <source>Move through the list and show that message</source>
        <translation>Door de lijst gaan en dat bericht tonen</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Enter, spatie</translation>
    </message>
    <message>
        <source>Show the message at the list&apos;s cursor</source>
        <translation>Het bericht bij de cursor van de lijst tonen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Dismiss the message on display (marked in the list)</source>
        <translation>Het getoonde bericht afhandelen (gemarkeerd in de lijst)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last dismissal (several times)</source>
        <translation>De laatste afhandeling ongedaan maken (ook meermaals)</translation>
    </message>
    <message>
        <source>In the message</source>
        <translation>In het bericht</translation>
    </message>
    <message>
        <source>Delete and Ctrl+Z edit the text once you have typed or selected there</source>
        <translation>Delete en Ctrl+Z bewerken de tekst zodra u daar hebt getypt of geselecteerd</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>Read out today: the messages dismissed today</source>
        <translation>Vandaag omgeroepen: de vandaag afgehandelde berichten</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Read the list again now</source>
        <translation>De lijst nu opnieuw lezen</translation>
    </message>
    <message>
        <source>Ctrl+Plus, Ctrl+Minus</source>
        <translation>Ctrl+Plus, Ctrl+Min</translation>
    </message>
    <message>
        <source>Larger or smaller text</source>
        <translation>Grotere of kleinere tekst</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Text at its usual size</source>
        <translation>Tekst op normale grootte</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Sound on a new message: on or off</source>
        <translation>Geluid bij een nieuw bericht: aan of uit</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the message, the list and the buttons</source>
        <translation>Wisselen tussen bericht, lijst en knoppen</translation>
    </message>
    <message>
        <source>Exit to the intro screen</source>
        <translation>Terug naar het startscherm</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Deze lijst met toetsen</translation>
    </message>
    <message>
        <source>Intro screen: Enter</source>
        <translation>Startscherm: Enter</translation>
    </message>
    <message>
        <source>Browse, Exit</source>
        <translation>Bladeren, Afsluiten</translation>
    </message>
    <message>
        <source>Keys – kelvane</source>
        <translation>Toetsen – kelvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Werking</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Browser station: the desk on tablets and phones</source>
        <translation>Browserstation: de tafel op tablets en telefoons</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <comment>the intro screen&apos;s Enter button</comment>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <comment>the intro screen&apos;s Browse button</comment>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the intro screen&apos;s Exit button</comment>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the announcer screen&apos;s Exit button</comment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Open the database named (%1 as well)</source>
        <translation>De genoemde database openen (ook %1)</translation>
    </message>
    <message>
        <source>Intro screen: %1, %2</source>
        <translation>Startscherm: %1, %2</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Planned messages: your own, added when due</source>
        <translation>Geplande berichten: uw eigen, op tijd in de lijst</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Hold the message on display back from the caption screen, or show it</source>
        <translation>Het getoonde bericht tegenhouden voor het ondertitelscherm, of tonen</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back</source>
        <translation>Het ondertitelscherm zwart maken, of terughalen</translation>
    </message>
</context>
<context>
    <name>LocateDatabase</name>
    <message>
        <source>Announcer DB is %1</source>
        <translation>Speaker-DB is %1</translation>
    </message>
    <message>
        <source>Locate announcer database</source>
        <translation>Speakerdatabase zoeken</translation>
    </message>
    <message>
        <source>No Announcer Database</source>
        <translation>Geen speakerdatabase</translation>
    </message>
</context>
<context>
    <name>PlannedMessages</name>
    <message>
        <source>The message has no text.</source>
        <translation>Het bericht heeft geen tekst.</translation>
    </message>
    <message>
        <source>The message is longer than 1000 characters.</source>
        <translation>Het bericht is langer dan 1000 tekens.</translation>
    </message>
    <message>
        <source>The message holds control characters.</source>
        <translation>Het bericht bevat stuurtekens.</translation>
    </message>
    <message>
        <source>The message needs a time not before.</source>
        <translation>Het bericht heeft een tijd „niet voor” nodig.</translation>
    </message>
    <message>
        <source>The time not after must be later than the time not before.</source>
        <translation>De tijd „niet na” moet later zijn dan „niet voor”.</translation>
    </message>
    <message>
        <source>The repeat must be between 0 and 1440 minutes.</source>
        <translation>De herhaling moet tussen 0 en 1440 minuten liggen.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file could not be planned: each needs a text, a time not before (such as 9:40) and fitting times.</source>
        <translation>
            <numerusform>%n regel van het bestand kon niet gepland worden: elke regel heeft een tekst, een tijd „niet voor” (zoals 9:40) en passende tijden nodig.</numerusform>
            <numerusform>%n regels van het bestand konden niet gepland worden: elke regel heeft een tekst, een tijd „niet voor” (zoals 9:40) en passende tijden nodig.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlannedWindow</name>
    <message>
        <source>Not after</source>
        <translation>Niet na</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Dringend</translation>
    </message>
    <message>
        <source>Planned messages – kelvane</source>
        <translation>Geplande berichten – kelvane</translation>
    </message>
    <message>
        <source>once</source>
        <translation>eenmaal</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Niet voor</translation>
    </message>
    <message>
        <source>Repeat every</source>
        <translation>Herhalen elke</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>Wijzigingen op&amp;slaan</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliceren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importeren…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporteren…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Nothing is added to the list now. %1</source>
        <translation>Er wordt nu niets aan de lijst toegevoegd. %1</translation>
    </message>
    <message>
        <source>The sheet cannot be kept for the next run: %1</source>
        <translation>Het draaiboek kan niet bewaard worden voor de volgende keer: %1</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Elk bericht komt op zijn tijd in de lijst.</translation>
    </message>
    <message>
        <source>Import planned messages</source>
        <translation>Geplande berichten importeren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB: it holds no running sheet.</source>
        <translation>Het bestand is groter dan 1 MiB: het bevat geen draaiboek.</translation>
    </message>
    <message>
        <source>Export planned messages</source>
        <translation>Geplande berichten exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error: no printer is installed.</source>
        <translation>Printerfout: er is geen printer geïnstalleerd.</translation>
    </message>
    <message>
        <source>Invalid property value: font size %1.</source>
        <translation>Ongeldige eigenschapswaarde: lettergrootte %1.</translation>
    </message>
    <message>
        <source>Printer error: cannot write &apos;%1&apos;.</source>
        <translation>Printerfout: &apos;%1&apos; kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Printer error: the printer cannot start a job.</source>
        <translation>Printerfout: de printer kan geen afdruktaak starten.</translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page.</source>
        <translation>Printerfout: er kan geen nieuwe pagina worden begonnen.</translation>
    </message>
</context>
<context>
    <name>ReadOutToday</name>
    <message>
        <source>Read out today – kelvane</source>
        <translation>Vandaag omgeroepen – kelvane</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Tekst kopiëren</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Er is vandaag nog niets afgehandeld.</translation>
    </message>
    <message>
        <source>Dismissed today, newest first:</source>
        <translation>Vandaag afgehandeld, nieuwste eerst:</translation>
    </message>
    <message>
        <source>(undone %1)</source>
        <translation>(ongedaan %1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Print Club Records</source>
        <translation>Clubrecords afdrukken</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geslacht</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Heren</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Dames</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>ACRs</source>
        <translation>Leeftijd</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Tot</translation>
    </message>
    <message>
        <source>Include Undated</source>
        <translation>Ook zonder datum</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Printing stopped (error %1).</source>
        <translation>Afdrukken gestopt (fout %1).</translation>
    </message>
    <message>
        <source>Load Blue Cards</source>
        <translation>Blauwe kaarten plaatsen</translation>
    </message>
    <message>
        <source>Load Pink Cards</source>
        <translation>Roze kaarten plaatsen</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>stopped</source>
        <translation>gestopt</translation>
    </message>
    <message numerus="yes">
        <source>serving %1: %n messages listed</source>
        <translation>
            <numerusform>%1 draait: %n bericht in de lijst</numerusform>
            <numerusform>%1 draait: %n berichten in de lijst</numerusform>
        </translation>
    </message>
    <message>
        <source>refused %1: its link is not valid (any more)</source>
        <translation>%1 geweigerd: de link is niet (meer) geldig</translation>
    </message>
    <message>
        <source>refused %1: too many connections</source>
        <translation>%1 geweigerd: te veel verbindingen</translation>
    </message>
    <message>
        <source>the connection to the database server is not encrypted (sslmode=%1)</source>
        <translation>de verbinding met de databaseserver is niet versleuteld (sslmode=%1)</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it contains a double quote</source>
        <translation>het een dubbel aanhalingsteken bevat</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>het een regeleinde bevat</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 is no address: an IPv6 address goes in brackets, [::1]:8088</source>
        <translation>%1 is geen adres: een IPv6-adres staat tussen haken, [::1]:8088</translation>
    </message>
    <message>
        <source>%1 is no port number (1 to 65535)</source>
        <translation>%1 is geen poortnummer (1 tot 65535)</translation>
    </message>
    <message>
        <source>%1 is no IP address</source>
        <translation>%1 is geen IP-adres</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer</source>
        <translation>%1 is geen adres van deze computer</translation>
    </message>
    <message>
        <source>That message is no longer listed.</source>
        <translation>Dit bericht staat niet meer in de lijst.</translation>
    </message>
    <message>
        <source>Nothing was dismissed: choose the message first.</source>
        <translation>Er is niets afgehandeld: kies eerst het bericht.</translation>
    </message>
    <message>
        <source>The browser station cannot use its certificate: %1</source>
        <translation>Het browserstation kan zijn certificaat niet gebruiken: %1</translation>
    </message>
    <message>
        <source>%1: too large for a certificate or a key</source>
        <translation>%1: te groot voor een certificaat of een sleutel</translation>
    </message>
    <message>
        <source>this computer&apos;s Qt has no TLS support</source>
        <translation>de Qt van deze computer ondersteunt geen TLS</translation>
    </message>
    <message>
        <source>%1 holds no certificate</source>
        <translation>%1 bevat geen certificaat</translation>
    </message>
    <message>
        <source>%1 holds no private key kelvane can use (PEM, RSA or EC, no pass phrase)</source>
        <translation>%1 bevat geen privésleutel die kelvane kan gebruiken (PEM, RSA of EC, zonder wachtwoordzin)</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Vul in wie het stuurt: uw naam of functie.</translation>
    </message>
    <message>
        <source>The name must be one line of at most 60 characters.</source>
        <translation>De naam moet één regel van hoogstens 60 tekens zijn.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Het bericht is leeg.</translation>
    </message>
    <message>
        <source>The message is longer than 1,000 characters.</source>
        <translation>Het bericht is langer dan 1.000 tekens.</translation>
    </message>
    <message>
        <source>The message holds control characters: only line breaks are allowed.</source>
        <translation>Het bericht bevat stuurtekens: alleen regeleinden zijn toegestaan.</translation>
    </message>
    <message>
        <source>The name or the message holds a character that is not valid text.</source>
        <translation>De naam of het bericht bevat een teken dat geen geldige tekst is.</translation>
    </message>
    <message>
        <source>The name may not hold characters that change the writing direction.</source>
        <translation>De naam mag geen tekens bevatten die de schrijfrichting veranderen.</translation>
    </message>
    <message>
        <source>Too many messages have been sent on this link in the last minute. This one can be sent at %1.</source>
        <translation>Via deze link zijn in de afgelopen minuut te veel berichten verstuurd. Dit bericht kan om %1 worden verstuurd.</translation>
    </message>
    <message>
        <source>Ten messages have been sent from this page in the last minute. This one can be sent at %1.</source>
        <translation>Vanaf deze pagina zijn in de afgelopen minuut tien berichten verstuurd. Dit bericht kan om %1 worden verstuurd.</translation>
    </message>
    <message>
        <source>%1: %2; a private key must be a file of your own that only you may read (chmod 600 &apos;%1&apos;).</source>
        <translation>%1: %2; een privésleutel moet een eigen bestand zijn dat alleen u mag lezen (chmod 600 &apos;%1&apos;).</translation>
    </message>
    <message>
        <source>The browser station cannot listen on %1: %2.</source>
        <translation>Het browserstation kan niet luisteren op %1: %2.</translation>
    </message>
    <message>
        <source>Another program uses that port; kelvane may be running already. Choose another port, or close that program.</source>
        <translation>Een ander programma gebruikt die poort; misschien draait kelvane al. Kies een andere poort of sluit dat programma.</translation>
    </message>
    <message>
        <source>Choose one of this computer&apos;s addresses.</source>
        <translation>Kies een adres van deze computer.</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>De nieuwe links werken, maar kunnen niet worden bewaard voor de volgende keer: %1</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Smaller text</source>
        <translation>Kleinere tekst</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Grotere tekst</translation>
    </message>
    <message>
        <source>On the announcer’s display</source>
        <translation>Op het scherm van de speaker</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Uw bericht</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Bericht afgehandeld</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Berichten</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Geen berichten.</translation>
    </message>
    <message>
        <source>The announcer screen is closed.</source>
        <translation>Het speakerscherm is gesloten.</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>omroepen</translation>
    </message>
    <message>
        <source>watch</source>
        <translation>meekijken</translation>
    </message>
    <message>
        <source>This link no longer works. Ask the announcer for the new one.</source>
        <translation>Deze link werkt niet meer. Vraag de speaker om de nieuwe.</translation>
    </message>
    <message>
        <source>The station closed this page: this link does not allow that.</source>
        <translation>Het station heeft deze pagina gesloten: deze link staat dat niet toe.</translation>
    </message>
    <message>
        <source>Not connected since %1, trying again</source>
        <translation>Niet verbonden sinds %1, opnieuw proberen</translation>
    </message>
    <message>
        <source>Open this page with a link from the announcer’s station window.</source>
        <translation>Open deze pagina met een link uit het stationvenster van de speaker.</translation>
    </message>
    <message>
        <source>send</source>
        <translation>versturen</translation>
    </message>
    <message>
        <source>From (your name or post)</source>
        <translation>Van (uw naam of functie)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Dringend</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Versturen</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Uw berichten</translation>
    </message>
    <message>
        <source>None sent yet.</source>
        <translation>Nog niets verstuurd.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Bezig met versturen…</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Verstuurd.</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Vul in wie het stuurt: uw naam of functie.</translation>
    </message>
    <message>
        <source>on the announcer’s list</source>
        <translation>op de lijst van de speaker</translation>
    </message>
    <message>
        <source>read out at %1</source>
        <translation>om %1 omgeroepen</translation>
    </message>
    <message>
        <source>put back on the announcer’s list</source>
        <translation>teruggezet op de lijst van de speaker</translation>
    </message>
    <message>
        <source>dismissed unread</source>
        <translation>afgehandeld zonder omroepen</translation>
    </message>
    <message>
        <source>Not connected: the message goes as soon as the connection is back.</source>
        <translation>Niet verbonden: het bericht gaat weg zodra de verbinding terug is.</translation>
    </message>
    <message>
        <source>Urgent message: %1</source>
        <translation>Dringend bericht: %1</translation>
    </message>
    <message>
        <source>Read out today</source>
        <translation>Vandaag omgeroepen</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Sound for new messages</source>
        <translation>Geluid bij nieuwe berichten</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Reading the read-out log…</source>
        <translation>Het omroeplogboek wordt gelezen…</translation>
    </message>
    <message>
        <source>No announcer database is open.</source>
        <translation>Er is geen speakerdatabase geopend.</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Er is vandaag nog niets afgehandeld.</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>ongedaan %1</translation>
    </message>
    <message>
        <source>The rest, %1 characters, is in the read-out log at the desk.</source>
        <translation>De rest, %1 tekens, staat in het omroeplogboek bij de speakertafel.</translation>
    </message>
    <message>
        <source>Older dismissals of today, in the read-out log at the desk: %1</source>
        <translation>Oudere afhandelingen van vandaag, in het omroeplogboek bij de speakertafel: %1</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>De lijst en het getoonde bericht, alleen lezen</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>Ook kiezen, afhandelen en ongedaan maken</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Officials sturen berichten naar de lijst en zien wanneer ze zijn omgeroepen</translation>
    </message>
    <message>
        <source>Pages connected now besides this one: %1</source>
        <translation>Nu verbonden pagina’s naast deze: %1</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Nieuwe links</translation>
    </message>
    <message>
        <source>Make new links</source>
        <translation>Nieuwe links maken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>New links are made: the old ones no longer work.</source>
        <translation>Er zijn nieuwe links gemaakt: de oude werken niet meer.</translation>
    </message>
    <message>
        <source>Make new links?</source>
        <translation>Nieuwe links maken?</translation>
    </message>
    <message>
        <source>The old links stop working on every device. Pages dropped now: %1</source>
        <translation>De oude links werken dan op geen enkel apparaat meer. Nu verbroken pagina’s: %1</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Gepland</translation>
    </message>
    <message>
        <source>Planned messages</source>
        <translation>Geplande berichten</translation>
    </message>
    <message>
        <source>No planned messages.</source>
        <translation>Geen geplande berichten.</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Niet voor</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>Niet na</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Herhalen elke (minuten)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Wijzigingen opslaan</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>every %1 min</source>
        <translation>elke %1 min</translation>
    </message>
    <message>
        <source>once</source>
        <translation>eenmaal</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>in de lijst (sinds %1)</translation>
    </message>
    <message>
        <source>read out at %1 (%2 min ago)</source>
        <translation>omgeroepen om %1 (%2 min geleden)</translation>
    </message>
    <message>
        <source>due again at %1</source>
        <translation>weer aan de beurt om %1</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>verlopen</translation>
    </message>
    <message>
        <source>done</source>
        <translation>klaar</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>wacht (aan de beurt om %1)</translation>
    </message>
    <message>
        <source>Nothing is added to the list now.</source>
        <translation>Er wordt nu niets aan de lijst toegevoegd.</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Elk bericht komt op zijn tijd in de lijst.</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>scherm</translation>
    </message>
    <message>
        <source>The pool’s caption screen: what is read out, in large type</source>
        <translation>Het ondertitelscherm bij het bad: wat wordt omgeroepen, in grote letters</translation>
    </message>
    <message>
        <source>Hold back from the screen</source>
        <translation>Tegenhouden voor het scherm</translation>
    </message>
    <message>
        <source>Keep this message off the caption screen (F7)</source>
        <translation>Dit bericht niet op het ondertitelscherm tonen (F7)</translation>
    </message>
    <message>
        <source>Blank the screen</source>
        <translation>Scherm zwart</translation>
    </message>
    <message>
        <source>Bring the screen back</source>
        <translation>Scherm terughalen</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back (F6)</source>
        <translation>Het ondertitelscherm zwart maken, of terughalen (F6)</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>watch</source>
        <translation>Meekijken</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>Omroepen</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>&amp;New links</source>
        <translation>&amp;Nieuwe links</translation>
    </message>
    <message>
        <source>Browser station – kelvane</source>
        <translation>Browserstation – kelvane</translation>
    </message>
    <message>
        <source>All networks of this computer</source>
        <translation>Alle netwerken van deze computer</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Sinds</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Nu verbonden</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>De nieuwe links werken, maar kunnen niet worden bewaard voor de volgende keer: %1</translation>
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
        <translation>Het station staat uit: geen browser kan de tafel zien.</translation>
    </message>
    <message>
        <source>Listening on %1://%2</source>
        <translation>Luistert op %1://%2</translation>
    </message>
    <message>
        <source> (all networks of this computer)</source>
        <translation> (alle netwerken van deze computer)</translation>
    </message>
    <message>
        <source>Unencrypted: anyone on this network can read the messages as they pass. Use it on the gala&apos;s own network only.</source>
        <translation>Onversleuteld: iedereen op dit netwerk kan de berichten onderweg lezen. Gebruik het alleen op het eigen netwerk van de wedstrijd.</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>De lijst en het getoonde bericht, alleen lezen</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>Ook kiezen, afhandelen en ongedaan maken</translation>
    </message>
    <message>
        <source>send</source>
        <translation>Versturen</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Officials sturen berichten naar de lijst en zien wanneer ze zijn omgeroepen</translation>
    </message>
    <message>
        <source>Ready texts for send pages, one a line</source>
        <translation>Standaardteksten voor Versturen, één per regel</translation>
    </message>
    <message>
        <source>Connections without a link yet: %1</source>
        <translation>Verbindingen nog zonder link: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stop the browser station? Pages connected now: %n. They lose the desk until the station is started again.</source>
        <translation>
            <numerusform>Het browserstation stoppen? Nu verbonden pagina’s: %n. Zij verliezen de tafel tot het station weer wordt gestart.</numerusform>
            <numerusform>Het browserstation stoppen? Nu verbonden pagina’s: %n. Zij verliezen de tafel tot het station weer wordt gestart.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop the station</source>
        <translation>Station stoppen</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Laten draaien</translation>
    </message>
    <message numerus="yes">
        <source>Replace every link? The links handed out stop working, and the pages connected now (%n) are closed: each needs the new link.</source>
        <translation>
            <numerusform>Alle links vervangen? De uitgedeelde links werken niet meer en de nu verbonden pagina’s (%n) worden gesloten: elke pagina heeft de nieuwe link nodig.</numerusform>
            <numerusform>Alle links vervangen? De uitgedeelde links werken niet meer en de nu verbonden pagina’s (%n) worden gesloten: elke pagina heeft de nieuwe link nodig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the links</source>
        <translation>Links vervangen</translation>
    </message>
    <message>
        <source>Keep the links</source>
        <translation>Links houden</translation>
    </message>
    <message>
        <source>The station could not start: %1</source>
        <translation>Het station kon niet starten: %1</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>scherm</translation>
    </message>
    <message>
        <source>The pool&apos;s caption screen: what is read out, in large type</source>
        <translation>Het ondertitelscherm bij het bad: wat wordt omgeroepen, in grote letters</translation>
    </message>
    <message>
        <source>Hold back from the screen (F7)</source>
        <translation>Tegenhouden voor het scherm (F7)</translation>
    </message>
    <message>
        <source>Blank the screen (F6)</source>
        <translation>Scherm zwart (F6)</translation>
    </message>
    <message>
        <source>Caption screen:</source>
        <translation>Ondertitelscherm:</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 bestaat al</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 bestaat niet</translation>
    </message>
    <message>
        <source>%1 is not an announcer database</source>
        <translation>%1 is geen speakerdatabase</translation>
    </message>
    <message>
        <source>%1 already exists; it is left as it is</source>
        <translation>%1 bestaat al en blijft zoals het is</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>standaardinvoer kan niet worden gelezen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>SEQUENCE must be a whole number</source>
        <translation>NUMMER moet een geheel getal zijn</translation>
    </message>
    <message>
        <source>INTERVAL_MS and COUNT must be whole numbers</source>
        <translation>INTERVAL_MS en AANTAL moeten gehele getallen zijn</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot open it safely</source>
        <translation>de SQLite van deze computer kan het niet veilig openen</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>kelvane: unknown argument %1</source>
        <translation>kelvane: onbekend argument %1</translation>
    </message>
    <message>
        <source>usage: kelvane-records
Asks for a club database, then prints the club&apos;s record cards.
</source>
        <translation>gebruik: kelvane-records
Vraagt om een clubdatabase en drukt dan de recordkaarten van de club af.
</translation>
    </message>
    <message>
        <source>usage: kelvane-clubdb init FILE   (a new club database with no records)
       kelvane-clubdb demo FILE   (a new club database with a demo club&apos;s records)
       kelvane-clubdb --help | --version
</source>
        <translation>gebruik: kelvane-clubdb init BESTAND   (een nieuwe clubdatabase zonder records)
         kelvane-clubdb demo BESTAND   (een nieuwe clubdatabase met de records
                                       van een voorbeeldclub)
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
        <translation>gebruik: kelvane-feed init BESTAND
         kelvane-feed add BESTAND NUMMER [TEKST]   (zonder TEKST van standaardinvoer)
         kelvane-feed list BESTAND
         kelvane-feed demo BESTAND [INTERVAL_MS [AANTAL [LOGBOEK]]]
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
        <translation>gebruik: kelvane [--display-only] [--station [ADRES][:POORT]]
Opent het startscherm met de speakerdatabase die in ~/kelvane.ini staat.
  --display-only  de berichten gewoon tonen, maar er nooit een verwijderen: voor
                  een tweede speaker of een commentator op dezelfde database
  --station       de tafel aanbieden aan browsers op dit netwerk, op het eerste
                  adres van deze computer (of ADRES, 0.0.0.0 voor alle) en
                  poort 8088 (of POORT); toont elke link als regel ROL URL

Toetsen op het speakerscherm:
  Omhoog, omlaag     door de lijst gaan en dat bericht tonen
  Enter, spatie      het bericht bij de cursor van de lijst tonen
  Delete             het getoonde bericht afhandelen (de cursor markeert het)
  Ctrl+Z             de laatste afhandeling ongedaan maken; nogmaals voor de
                     vorige
  Ctrl+H             vandaag omgeroepen: de afhandelingen van vandaag, hele teksten
  F5                 de lijst nu opnieuw lezen
  F9                 het browserstation: de tafel op tablets en telefoons
  Ctrl+Plus, Ctrl+Min, Ctrl+0
                     grotere, kleinere, normale tekst (wordt onthouden)
  Ctrl+B             een geluid bij een nieuw bericht: aan of uit
  Alt+S              terug naar het startscherm;  F1  de lijst met toetsen
In het berichtvak bewerken Delete en Ctrl+Z de tekst zodra u daar hebt getypt
of geselecteerd.

Elke afhandeling komt in het omroeplogboek voordat de rij wordt verwijderd:
  $XDG_DATA_HOME/kelvane/read-out-JJJJ-MM-DD.csv (~/.local/share/kelvane/)
Een Jet-bestand (.mdb) wordt op Linux alleen gelezen: een afgehandeld bericht
wordt verborgen, niet verwijderd, en blijft die dag verborgen (het
omroeplogboek onthoudt het).
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
gebruik: kelvane serve [--display-only] [--station [ADRES][:POORT]] [DATABASE]
Laat de tafel en haar browserstation draaien zonder venster of beeldscherm, op
DATABASE (een speakerbestand of een verbindingsbestand) of de database die in
~/kelvane.ini staat; toont elke link als regel ROL URL, haar meldingen op de
standaardfoutuitvoer, en stopt bij SIGTERM of SIGINT. Het station luistert waar
--station zegt, of waar het de vorige keer luisterde.
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
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>desk::AnnouncerDesk</name>
    <message>
        <source>The announcer database is busy: another program is writing to it. %1 in a moment.</source>
        <translation>De speakerdatabase is bezet: een ander programma schrijft erin. %1 – over een ogenblik.</translation>
    </message>
    <message>
        <source>The database server is not answering. %1 once it is back.</source>
        <translation>De databaseserver antwoordt niet. %1 zodra hij terug is.</translation>
    </message>
    <message>
        <source>The message is back, but the read-out log could not be written (%1).</source>
        <translation>Het bericht is terug, maar het omroeplogboek kon niet worden geschreven (%1).</translation>
    </message>
    <message>
        <source>Another file has taken the place of the announcer database. %1</source>
        <translation>Een ander bestand heeft de plaats van de speakerdatabase ingenomen. %1</translation>
    </message>
    <message>
        <source>The announcer database &apos;%1&apos; is no longer there.</source>
        <translation>De speakerdatabase &apos;%1&apos; is er niet meer.</translation>
    </message>
    <message>
        <source>The message could not be read; choose it again</source>
        <translation>Het bericht kon niet worden gelezen; kies het opnieuw</translation>
    </message>
    <message>
        <source>The message has not been dismissed; press Dismiss This Message again</source>
        <translation>Het bericht is niet afgehandeld; druk nogmaals op ‘Bericht afgehandeld’</translation>
    </message>
    <message>
        <source>The message has not been dismissed: the read-out log could not be written (%1).</source>
        <translation>Het bericht is niet afgehandeld: het omroeplogboek kon niet worden geschreven (%1).</translation>
    </message>
    <message>
        <source>This announcer database can only be read on this computer. Dismissed messages are hidden from the list until kelvane is closed, but they stay in the file.</source>
        <translation>Deze speakerdatabase kan op deze computer alleen worden gelezen. Afgehandelde berichten verdwijnen uit de lijst tot kelvane wordt gesloten, maar blijven in het bestand staan.</translation>
    </message>
    <message>
        <source>There is no dismissal to undo.</source>
        <translation>Er is geen afhandeling om ongedaan te maken.</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log (Ctrl+H).</source>
        <translation>Dit bericht is te lang om terug te zetten. Het begin staat in het omroeplogboek (Ctrl+H).</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log (Ctrl+H).</source>
        <translation>De afhandeling kan niet ongedaan worden gemaakt: deze speakerdatabase laat kelvane het bericht niet terugzetten (%1). Het bericht staat in het omroeplogboek van vandaag (Ctrl+H).</translation>
    </message>
    <message>
        <source>The message has not been put back; press Ctrl+Z again</source>
        <translation>Het bericht is niet teruggezet; druk nogmaals op Ctrl+Z</translation>
    </message>
    <message>
        <source>The list of messages could not be read: %1</source>
        <translation>De lijst met berichten kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>— no longer in the database —</source>
        <translation>— niet meer in de database —</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log at the desk.</source>
        <translation>Dit bericht is te lang om terug te zetten. Het begin staat in het omroeplogboek bij de speakertafel.</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log at the desk.</source>
        <translation>De afhandeling kan niet ongedaan worden gemaakt: deze speakerdatabase laat kelvane het bericht niet terugzetten (%1). Het bericht staat in het omroeplogboek van vandaag bij de speakertafel.</translation>
    </message>
    <message>
        <source>The message has not been put back; press Undo again</source>
        <translation>Het bericht is niet teruggezet; kies nogmaals ‘Ongedaan maken’</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>A sent message&apos;s text: %1 the sender&apos;s name or post as typed (&quot;Referee&quot;, &quot;Anna&quot;), %2 the message. Use the form that reads well before any name or post, with no preposition where one would need an article (&quot;Referee: …&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Send the message again</source>
        <translation>Verstuur het bericht opnieuw</translation>
    </message>
    <message>
        <source>This desk cannot take messages: %1</source>
        <translation>Deze tafel kan geen berichten aannemen: %1</translation>
    </message>
    <message>
        <source>it only shows the list.</source>
        <translation>hij toont alleen de lijst.</translation>
    </message>
    <message>
        <source>the announcer has no database open.</source>
        <translation>de speaker heeft geen database open.</translation>
    </message>
    <message>
        <source>its announcer database can only be read on this computer.</source>
        <translation>de speakerdatabase kan op deze computer alleen worden gelezen.</translation>
    </message>
</context>
<context>
    <name>desk::PlannedModel</name>
    <message numerus="yes">
        <source>every %n min</source>
        <translation>
            <numerusform>elke %n min</numerusform>
            <numerusform>elke %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <translation>eenmaal</translation>
    </message>
    <message>
        <source>urgent</source>
        <translation>dringend</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Niet voor</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>Niet na</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Dringend</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>wacht (aan de beurt om %1)</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>in de lijst (sinds %1)</translation>
    </message>
    <message numerus="yes">
        <source>read out at %1 (%n minute(s) ago)</source>
        <translation>
            <numerusform>omgeroepen om %1 (%n minuut geleden)</numerusform>
            <numerusform>omgeroepen om %1 (%n minuten geleden)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, due again at %2</source>
        <translation>%1, weer aan de beurt om %2</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>verlopen</translation>
    </message>
    <message>
        <source>done</source>
        <translation>klaar</translation>
    </message>
</context>
</TS>
