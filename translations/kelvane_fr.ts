<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnnounceIntro</name>
    <message>
        <source>Announcers Module</source>
        <translation>Module du speaker</translation>
    </message>
    <message>
        <source>Announcer&apos;s Module</source>
        <translation>Module du speaker</translation>
    </message>
    <message>
        <source>Database Filename</source>
        <translation>Fichier de la base</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>This is the file that is used by the Quorlane system to store messages for use by the announcer</source>
        <translation>C&apos;est dans ce fichier que le système Quorlane dépose les messages destinés au speaker</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Made for the poolside announcer, 2005</source>
        <translation>Pour le speaker au bord du bassin, 2005</translation>
    </message>
    <message>
        <source>Select Database for Announcer Messages</source>
        <translation>Choisir la base des messages du speaker</translation>
    </message>
    <message>
        <source>No Database selected</source>
        <translation>Aucune base de données choisie</translation>
    </message>
    <message>
        <source>Cannot locate database for announcer messages</source>
        <translation>La base des messages du speaker est introuvable</translation>
    </message>
    <message>
        <source>The database path cannot be remembered in %1 because %2. Rename the file or folder to have it remembered next time.</source>
        <translation>Le chemin de la base ne peut pas être retenu dans %1 parce que %2. Renommez le fichier ou le dossier pour qu&apos;il soit retenu la prochaine fois.</translation>
    </message>
    <message>
        <source>The database path could not be remembered in %1: %2</source>
        <translation>Le chemin de la base n&apos;a pas pu être retenu dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>is not encrypted</source>
        <translation>n&apos;est pas chiffrée</translation>
    </message>
    <message>
        <source>may not be encrypted</source>
        <translation>n&apos;est peut-être pas chiffrée</translation>
    </message>
    <message>
        <source>The connection to the database server named in %1 %2 (sslmode=%3): anyone on the network can read the messages or pose as the server. Unless the network is closed to others, remove sslmode from the file.</source>
        <translation>La connexion au serveur de base de données nommé dans %1 %2 (sslmode=%3)&#xa0;: n&apos;importe qui sur le réseau peut lire les messages ou se faire passer pour le serveur. Sauf si le réseau est fermé aux autres, retirez sslmode du fichier.</translation>
    </message>
</context>
<context>
    <name>AnnouncerScreen</name>
    <message>
        <source>Announcers Screen</source>
        <translation>Écran du speaker</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Retirer ce message</translation>
    </message>
    <message>
        <source> – display only</source>
        <translation> – affichage seul</translation>
    </message>
    <message numerus="yes">
        <source> — %n new below</source>
        <translation>
            <numerusform> — %n nouveau plus bas</numerusform>
            <numerusform> — %n nouveaux plus bas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %n new above</source>
        <translation>
            <numerusform> — %n nouveau plus haut</numerusform>
            <numerusform> — %n nouveaux plus haut</numerusform>
        </translation>
    </message>
    <message>
        <source>A new message now arrives with a short sound.</source>
        <translation>Un nouveau message arrive désormais avec un bref son.</translation>
    </message>
    <message>
        <source>New messages now arrive without a sound.</source>
        <translation>Les nouveaux messages arrivent désormais sans son.</translation>
    </message>
    <message>
        <source>URGENT</source>
        <translation>URGENT</translation>
    </message>
    <message numerus="yes">
        <source> — browser station on, pages connected: %n</source>
        <translation>
            <numerusform> — station navigateur active, page connectée&#xa0;: %n</numerusform>
            <numerusform> — station navigateur active, pages connectées&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — URGENT, not yet shown: %n</source>
        <translation>
            <numerusform> — URGENT, pas encore affiché&#xa0;: %n</numerusform>
            <numerusform> — URGENTS, pas encore affichés&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source> — caption screen blanked</source>
        <translation> — écran de sous-titres masqué</translation>
    </message>
    <message>
        <source> — held back from the caption screen</source>
        <translation> — retenu de l’écran de sous-titres</translation>
    </message>
</context>
<context>
    <name>ClubRecords</name>
    <message>
        <source>Printer error: no printer has been set up.</source>
        <translation>Erreur d&apos;imprimante&#xa0;: aucune imprimante n&apos;a été configurée.</translation>
    </message>
    <message>
        <source>No printer is installed, so the record cards were saved as %1</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;; les fiches de records ont donc été enregistrées sous %1</translation>
    </message>
    <message>
        <source>The printer&apos;s paper is %1, not A4. The record cards are printed as A4 pages: load the A4 card sheets, or the last card of a page is cut off.</source>
        <translation>Le papier de l&apos;imprimante est %1, pas A4. Les fiches de records sont imprimées sur des pages A4&#xa0;: chargez les planches de fiches A4, sinon la dernière fiche de chaque page sera coupée.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; holds &apos;%2&apos;, which is not a date.</source>
        <translation>Incompatibilité de type&#xa0;: &apos;%1&apos; contient &apos;%2&apos;, qui n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>The club database is not open.</source>
        <translation>La base de données du club n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>Multiple records exist for %1 %2 %3 %4 - Cannot continue</source>
        <translation>Plusieurs records existent pour %1 %2 %3 %4 - impossible de continuer</translation>
    </message>
    <message>
        <source>Subscript out of range: the club setup has no record card %1.</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection&#xa0;: la configuration du club n&apos;a pas de fiche de record %1.</translation>
    </message>
    <message>
        <source>Invalid use of Null: &apos;%1&apos; is empty in the club setup.</source>
        <translation>Utilisation incorrecte de Null&#xa0;: &apos;%1&apos; est vide dans la configuration du club.</translation>
    </message>
    <message>
        <source>Type mismatch: &apos;%1&apos; of the club setup is &apos;%2&apos;, not a whole number.</source>
        <translation>Incompatibilité de type&#xa0;: &apos;%1&apos; de la configuration du club vaut &apos;%2&apos;, pas un nombre entier.</translation>
    </message>
    <message>
        <source>The club setup has no &apos;%1&apos;.</source>
        <translation>La configuration du club n&apos;a pas de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Subscript out of range: age group %1.</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection&#xa0;: catégorie d&apos;âge %1.</translation>
    </message>
    <message>
        <source>The club database lists %1 record cards numbered from 1 up, but its setup counts %2.</source>
        <translation>La base de données du club liste %1 fiches de records numérotées à partir de 1, mais sa configuration en compte %2.</translation>
    </message>
    <message>
        <source>the record date of %1 %2 %3 %4</source>
        <translation>la date du record %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>the start date</source>
        <translation>la date de début</translation>
    </message>
    <message>
        <source>the finish date</source>
        <translation>la date de fin</translation>
    </message>
    <message>
        <source>Type mismatch: %1 &apos;%2&apos; is not a date.</source>
        <translation>Incompatibilité de type&#xa0;: %1 &apos;%2&apos; n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Rec:Name</source>
        <translation>Rec:Nom</translation>
    </message>
    <message>
        <source>Year:Name</source>
        <translation>Année:Nom</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Âge</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Nage</translation>
    </message>
    <message>
        <source>Dist</source>
        <translation>Dist</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Overall Club Record</source>
        <translation>Record du club toutes catégories</translation>
    </message>
</context>
<context>
    <name>ClubRecordsProgram</name>
    <message>
        <source>Select Club Database</source>
        <translation>Choisir la base du club</translation>
    </message>
    <message>
        <source>%1 cannot be used as the club database.</source>
        <translation>Impossible d&apos;utiliser %1 comme base de données du club.</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>Accept Time Conversion?</source>
        <translation>Accepter la conversion&#xa0;?</translation>
    </message>
    <message>
        <source>Recorded Time</source>
        <translation>Temps réalisé</translation>
    </message>
    <message>
        <source>Distance Swum</source>
        <translation>Distance nagée</translation>
    </message>
    <message>
        <source>Converted Time</source>
        <translation>Temps converti</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance cible</translation>
    </message>
    <message>
        <source>Override Time</source>
        <translation>Autre temps</translation>
    </message>
    <message>
        <source>Override Distance</source>
        <translation>Autre distance</translation>
    </message>
    <message>
        <source>Accept This Conversion</source>
        <translation>Accepter celle-ci</translation>
    </message>
    <message>
        <source>Accept All Conversions</source>
        <translation>Tout accepter</translation>
    </message>
    <message>
        <source>Override</source>
        <translation>Mes valeurs</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The connection file &apos;%1&apos; cannot be used: %2</source>
        <translation>Le fichier de connexion &apos;%1&apos; est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>belongs to another user of this computer</source>
        <translation>appartient à un autre utilisateur de cet ordinateur</translation>
    </message>
    <message>
        <source>may be changed by other users of this computer</source>
        <translation>peut être modifié par d&apos;autres utilisateurs de cet ordinateur</translation>
    </message>
    <message>
        <source>it %1, who could send your password to another server. Use a connection file of your own that only you may change (&quot;chmod go-w&quot;).</source>
        <translation>il %1, qui pourrait envoyer votre mot de passe à un autre serveur. Utilisez votre propre fichier de connexion, que vous seul pouvez modifier («&#xa0;chmod go-w&#xa0;»).</translation>
    </message>
    <message>
        <source>its first line must be a URI such as postgresql://user@host:5432/dbname.</source>
        <translation>sa première ligne doit être une URI comme postgresql://user@host:5432/dbname.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; in its URI is not understood.</source>
        <translation>le paramètre &apos;%1&apos; de son URI est inconnu.</translation>
    </message>
    <message>
        <source>it gives the setting &apos;%1&apos; twice.</source>
        <translation>il donne deux fois le paramètre &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>its setting &apos;%1&apos; differs from its URI.</source>
        <translation>son paramètre &apos;%1&apos; diffère de son URI.</translation>
    </message>
    <message>
        <source>its port &apos;%1&apos; is not a port number.</source>
        <translation>son port &apos;%1&apos; n&apos;est pas un numéro de port.</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is not allowed in a connection file.</source>
        <translation>le paramètre &apos;%1&apos; n&apos;est pas permis dans un fichier de connexion.</translation>
    </message>
    <message>
        <source>its client key &apos;%1&apos; (sslkey) names a crypto engine; name a key file.</source>
        <translation>sa clé client &apos;%1&apos; (sslkey) désigne un moteur cryptographique&#xa0;; indiquez un fichier de clé.</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) cannot be read: %3.</source>
        <translation>le fichier &apos;%1&apos; qu&apos;il désigne (%2) ne peut pas être lu&#xa0;: %3.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the file &apos;%1&apos; it names (%2) %3.</source>
        <translation>le fichier &apos;%1&apos; qu&apos;il désigne (%2) %3.</translation>
    </message>
    <message>
        <source>it holds a password and other users of this computer can read it. Make it private with &quot;chmod 600 &apos;%1&apos;&quot;, or keep the password in ~/.pgpass instead.</source>
        <translation>il contient un mot de passe et d&apos;autres utilisateurs de cet ordinateur peuvent le lire. Rendez-le privé avec «&#xa0;chmod 600 &apos;%1&apos;&#xa0;», ou gardez plutôt le mot de passe dans ~/.pgpass.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads a column &apos;%2&apos; that the table &apos;%3&apos; does not have.</source>
        <translation>La requête enregistrée &apos;%1&apos; lit une colonne &apos;%2&apos; que la table &apos;%3&apos; n&apos;a pas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an %2: %3.</source>
        <translation>&apos;%1&apos; n&apos;est pas une %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run: parameter queries of a Jet file cannot be read on this computer.</source>
        <translation>La requête enregistrée &apos;%1&apos; ne peut pas être exécutée&#xa0;: les requêtes paramétrées d&apos;un fichier Jet ne peuvent pas être lues sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The database is closed.</source>
        <translation>La base de données est fermée.</translation>
    </message>
    <message>
        <source>The Jet file &apos;%1&apos; could not be read: %2.</source>
        <translation>Le fichier Jet &apos;%1&apos; n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; reads &apos;%2&apos;, which is not a table of this file.</source>
        <translation>La requête enregistrée &apos;%1&apos; lit &apos;%2&apos;, qui n&apos;est pas une table de ce fichier.</translation>
    </message>
    <message>
        <source>Cannot find the table or query &apos;%1&apos;.</source>
        <translation>La table ou la requête &apos;%1&apos; est introuvable.</translation>
    </message>
    <message>
        <source>it has no Jet header</source>
        <translation>il n&apos;a pas d&apos;en-tête Jet</translation>
    </message>
    <message>
        <source>the file is incomplete (%1 bytes is not a whole number of %2-byte pages)</source>
        <translation>le fichier est incomplet (%1 octets ne font pas un nombre entier de pages de %2 octets)</translation>
    </message>
    <message>
        <source>it refers to byte %1, beyond its end at %2 bytes (it may be being written)</source>
        <translation>il renvoie à l&apos;octet %1, au-delà de sa fin à %2 octets (il est peut-être en cours d&apos;écriture)</translation>
    </message>
    <message>
        <source>it became shorter while it was read</source>
        <translation>il a raccourci pendant sa lecture</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: %2</source>
        <translation>L&apos;opération sur &apos;%1&apos; a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be run from a Jet file.</source>
        <translation>La requête enregistrée &apos;%1&apos; ne peut pas être exécutée depuis un fichier Jet.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; cannot be read: kelvane reads only a select of columns from one table with an optional ORDER BY, and this query %2.</source>
        <translation>La requête enregistrée &apos;%1&apos; ne peut pas être lue&#xa0;: kelvane ne lit qu&apos;une sélection de colonnes d&apos;une seule table avec un ORDER BY facultatif, et cette requête %2.</translation>
    </message>
    <message>
        <source>asks for parameters</source>
        <translation>demande des paramètres</translation>
    </message>
    <message>
        <source>reads another database</source>
        <translation>lit une autre base de données</translation>
    </message>
    <message>
        <source>joins tables</source>
        <translation>joint des tables</translation>
    </message>
    <message>
        <source>has a WHERE condition</source>
        <translation>a une condition WHERE</translation>
    </message>
    <message>
        <source>groups rows</source>
        <translation>regroupe des lignes</translation>
    </message>
    <message>
        <source>holds a clause of kind %1</source>
        <translation>contient une clause de type %1</translation>
    </message>
    <message>
        <source>reads from a subquery</source>
        <translation>lit une sous-requête</translation>
    </message>
    <message>
        <source>reads no table</source>
        <translation>ne lit aucune table</translation>
    </message>
    <message>
        <source>reads from %1 tables</source>
        <translation>lit %1 tables</translation>
    </message>
    <message>
        <source>is not a select query (kind %1)</source>
        <translation>n&apos;est pas une requête de sélection (type %1)</translation>
    </message>
    <message>
        <source>has no query kind</source>
        <translation>n&apos;a pas de type de requête</translation>
    </message>
    <message>
        <source>orders by &apos;*&apos;</source>
        <translation>trie par &apos;*&apos;</translation>
    </message>
    <message>
        <source>selects no columns</source>
        <translation>ne sélectionne aucune colonne</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>son en-tête est endommagé</translation>
    </message>
    <message>
        <source>its pages cannot be read</source>
        <translation>ses pages ne peuvent pas être lues</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; is damaged</source>
        <translation>la table &apos;%1&apos; est endommagée</translation>
    </message>
    <message>
        <source>the table &apos;%1&apos; has no column &apos;%2&apos;</source>
        <translation>la table &apos;%1&apos; n&apos;a pas de colonne &apos;%2&apos;</translation>
    </message>
    <message>
        <source>a page of &apos;%1&apos; is damaged</source>
        <translation>une page de &apos;%1&apos; est endommagée</translation>
    </message>
    <message>
        <source>a row of &apos;%1&apos; is damaged</source>
        <translation>une ligne de &apos;%1&apos; est endommagée</translation>
    </message>
    <message>
        <source>a moved row of &apos;%1&apos; is damaged</source>
        <translation>une ligne déplacée de &apos;%1&apos; est endommagée</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; is damaged or not there</source>
        <translation>la carte des pages de &apos;%1&apos; est endommagée ou absente</translation>
    </message>
    <message>
        <source>page %1, listed for &apos;%2&apos;, holds something else</source>
        <translation>la page %1, indiquée pour &apos;%2&apos;, contient autre chose</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; lies outside its page</source>
        <translation>une valeur de &apos;%1&apos; se trouve hors de sa page</translation>
    </message>
    <message>
        <source>a value of &apos;%1&apos; is cut short</source>
        <translation>une valeur de &apos;%1&apos; est tronquée</translation>
    </message>
    <message>
        <source>a text in &apos;%1&apos; cannot be converted</source>
        <translation>un texte de &apos;%1&apos; ne peut pas être converti</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is incomplete</source>
        <translation>un texte long de &apos;%1&apos; est incomplet</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; is of an unknown kind</source>
        <translation>un texte long de &apos;%1&apos; est d&apos;un type inconnu</translation>
    </message>
    <message>
        <source>it holds no query definitions</source>
        <translation>il ne contient aucune définition de requête</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot open &apos;%1&apos;: %2.</source>
        <translation>Impossible d&apos;ouvrir &apos;%1&apos;&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file is not a database</source>
        <translation>le fichier n&apos;est pas une base de données</translation>
    </message>
    <message>
        <source>Cannot reach the database server %1 that &apos;%2&apos; names for the %3: %4</source>
        <translation>Impossible de joindre le serveur de base de données %1 que &apos;%2&apos; désigne pour la %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>The database server %1 that &apos;%2&apos; names is not answering: %3</source>
        <translation>Le serveur de base de données %1 que &apos;%2&apos; désigne ne répond pas&#xa0;: %3</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>c&apos;est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est une socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>no file is named</source>
        <translation>aucun fichier n&apos;est indiqué</translation>
    </message>
    <message>
        <source>Rows cannot be added to &apos;%1&apos; on this computer.</source>
        <translation>Impossible d&apos;ajouter des lignes à &apos;%1&apos; sur cet ordinateur.</translation>
    </message>
    <message>
        <source>No current record.</source>
        <translation>Aucun enregistrement en cours.</translation>
    </message>
    <message>
        <source>Item not found in this collection: field &apos;%1&apos;.</source>
        <translation>Élément non trouvé dans cette collection&#xa0;: champ &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: the file can only be read here.</source>
        <translation>Les lignes de &apos;%1&apos; ne peuvent pas être supprimées&#xa0;: le fichier ne peut être que lu ici.</translation>
    </message>
    <message>
        <source>The record set is closed.</source>
        <translation>Le jeu d&apos;enregistrements est fermé.</translation>
    </message>
    <message>
        <source>Rows of &apos;%1&apos; cannot be deleted: it has no &apos;%2&apos; key column.</source>
        <translation>Les lignes de &apos;%1&apos; ne peuvent pas être supprimées&#xa0;: il n&apos;y a pas de colonne clé &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Item not found in this collection: parameter &apos;%1&apos; of &apos;%2&apos;.</source>
        <translation>Élément non trouvé dans cette collection&#xa0;: paramètre &apos;%1&apos; de &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; failed: the row was not added.</source>
        <translation>L&apos;opération sur &apos;%1&apos; a échoué&#xa0;: la ligne n&apos;a pas été ajoutée.</translation>
    </message>
    <message>
        <source>Item not found in this collection: query &apos;%1&apos;.</source>
        <translation>Élément non trouvé dans cette collection&#xa0;: requête &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Saved query &apos;%1&apos; numbers its parameters wrongly.</source>
        <translation>La requête enregistrée &apos;%1&apos; numérote mal ses paramètres.</translation>
    </message>
    <message>
        <source>Database operation on &apos;%1&apos; was stopped: it asks for far more work than any sound database needs.</source>
        <translation>L&apos;opération sur &apos;%1&apos; a été arrêtée&#xa0;: elle demande bien plus de travail qu&apos;aucune base saine n&apos;en exige.</translation>
    </message>
    <message>
        <source>The database is locked by another program (%1).</source>
        <translation>La base de données est verrouillée par un autre programme (%1).</translation>
    </message>
    <message>
        <source>The connection to the database server was lost (%1): %2</source>
        <translation>La connexion au serveur de base de données a été perdue (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>The %1 &apos;%2&apos; cannot be read: %3.</source>
        <translation>La %1 &apos;%2&apos; ne peut pas être lue&#xa0;: %3.</translation>
    </message>
    <message>
        <source>the database file is damaged or incomplete</source>
        <translation>le fichier de base de données est endommagé ou incomplet</translation>
    </message>
    <message>
        <source>uses DISTINCT or TOP</source>
        <translation>utilise DISTINCT ou TOP</translation>
    </message>
    <message>
        <source>club database</source>
        <translation>base de données du club</translation>
    </message>
    <message>
        <source>announcer database</source>
        <translation>base de données du speaker</translation>
    </message>
    <message>
        <source>the Microsoft Access ODBC driver could not open it (%1)</source>
        <translation>le pilote ODBC de Microsoft Access n&apos;a pas pu l&apos;ouvrir (%1)</translation>
    </message>
    <message>
        <source>two rows of &apos;%1&apos; point at the same moved row</source>
        <translation>deux lignes de &apos;%1&apos; renvoient à la même ligne déplacée</translation>
    </message>
    <message>
        <source>the page map of &apos;%1&apos; lists page %2, beyond the file&apos;s end at %3 pages (it may be being written)</source>
        <translation>la carte des pages de &apos;%1&apos; cite la page %2, au-delà de la fin du fichier à %3 pages (il est peut-être en cours d&apos;écriture)</translation>
    </message>
    <message>
        <source>a long text in &apos;%1&apos; points back at a piece already read</source>
        <translation>un texte long dans &apos;%1&apos; renvoie à un morceau déjà lu</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a %2: %3.</source>
        <translation>&apos;%1&apos; n&apos;est pas une %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would change other rows as well, so nothing was deleted.</source>
        <translation>La règle de suppression propre à cette base pour &apos;%1&apos; modifierait aussi d&apos;autres lignes&#xa0;: rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>This database&apos;s own delete rule for &apos;%1&apos; would keep the row, so nothing was deleted.</source>
        <translation>La règle de suppression propre à cette base pour &apos;%1&apos; garderait la ligne&#xa0;: rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>The saved query &apos;%1&apos; in &apos;%2&apos; does more than read (it would change data or reach other files), so it was not run.</source>
        <translation>La requête enregistrée &apos;%1&apos; dans &apos;%2&apos; fait plus que lire (elle modifierait des données ou atteindrait d&apos;autres fichiers)&#xa0;: elle n&apos;a pas été exécutée.</translation>
    </message>
    <message>
        <source>a read-only transaction</source>
        <translation>une transaction en lecture seule</translation>
    </message>
    <message>
        <source>This database&apos;s own insert rule for &apos;%1&apos; would change other rows as well, so nothing was added.</source>
        <translation>La règle d&apos;insertion propre à cette base pour &apos;%1&apos; modifierait aussi d&apos;autres lignes&#xa0;: rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot read it safely</source>
        <translation>le SQLite de cet ordinateur ne peut pas la lire sans risque</translation>
    </message>
    <message>
        <source>it is a link, which kelvane never follows here</source>
        <translation>c&apos;est un lien, que kelvane ne suit jamais ici</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it keeps changing</source>
        <translation>il change sans cesse</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>other users may change it</source>
        <translation>d&apos;autres utilisateurs peuvent le modifier</translation>
    </message>
    <message>
        <source>other users may read it</source>
        <translation>d&apos;autres utilisateurs peuvent le lire</translation>
    </message>
    <message>
        <source>it is linked to another file</source>
        <translation>il est lié à un autre fichier</translation>
    </message>
    <message>
        <source>The database server&apos;s disk is full. Ask whoever runs the server to free some space on it, then try again.</source>
        <translation>Le disque du serveur de base de données est plein. Demandez à son administrateur d&apos;y libérer de la place, puis réessayez.</translation>
    </message>
    <message>
        <source>The disk that holds the database %1 is full. Free some space on it (the disk mounted at %2), then try again.</source>
        <translation>Le disque qui contient la base %1 est plein. Libérez-y de la place (le disque monté sur %2), puis réessayez.</translation>
    </message>
    <message>
        <source>it is a database this program has open</source>
        <translation>c’est une base de données que ce programme a ouverte</translation>
    </message>
</context>
<context>
    <name>DemoMessages</name>
    <message>
        <source>Would the parents of Tom Fielding please come to the recording desk.</source>
        <translation>Les parents de Tom Fielding sont priés de se présenter au secrétariat.</translation>
    </message>
    <message>
        <source>The cafe closes at 4 pm. Please collect lost property from the poolside table.</source>
        <translation>La buvette ferme à 16 h. Les objets trouvés sont à récupérer à la table au bord du bassin.</translation>
    </message>
    <message>
        <source>Event 12 Girls 100m Freestyle
Results are now available.
1st Amy Hartley 1:04.32
2nd Chloe Barnes 1:05.10
3rd Ruth Osei 1:06.87</source>
        <translation>Épreuve 12 – 100 m nage libre filles
Les résultats sont disponibles.
1re Amy Hartley 1:04.32
2e Chloe Barnes 1:05.10
3e Ruth Osei 1:06.87</translation>
    </message>
    <message>
        <source>Marshalling
Event 15 Boys 50m Backstroke is now called to the marshalling area.</source>
        <translation>Chambre d&apos;appel
Épreuve 15 – 50 m dos garçons&#xa0;: présentez-vous maintenant en chambre d&apos;appel.</translation>
    </message>
    <message>
        <source>NEW CLUB RECORD
Event 9 Girls 200m Individual Medley
Sophie Lindqvist 2:31.45
previous record 2:33.02 (2019)</source>
        <translation>NOUVEAU RECORD DU CLUB
Épreuve 9 – 200 m 4 nages filles
Sophie Lindqvist 2:31.45
ancien record 2:33.02 (2019)</translation>
    </message>
    <message>
        <source>Event 17 Mixed 4 x 50m Medley Relay
Teams: please hand relay cards to the referee.</source>
        <translation>Épreuve 17 – relais 4 x 50 m 4 nages mixte
Équipes&#xa0;: remettez les fiches de relais au juge-arbitre.</translation>
    </message>
    <message>
        <source>Session two warm-up starts at 1:15 pm.
Lanes 1-3 swimmers from Northgate, lanes 4-6 from Riverside.</source>
        <translation>L&apos;échauffement de la deuxième réunion commence à 13 h 15.
Lignes 1-3 nageurs de Northgate, lignes 4-6 de Riverside.</translation>
    </message>
    <message>
        <source>Disqualification
Event 14 Boys 100m Breaststroke, heat 2 lane 5: non-simultaneous touch.</source>
        <translation>Disqualification
Épreuve 14 – 100 m brasse garçons, série 2 ligne 5&#xa0;: touche non simultanée.</translation>
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
        <translation>à l&apos;instant</translation>
    </message>
    <message numerus="yes">
        <source>%n min ago</source>
        <translation>
            <numerusform>il y a %n min</numerusform>
            <numerusform>il y a %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min ago</source>
        <translation>il y a %1 h %2 min</translation>
    </message>
    <message>
        <source>1 day ago</source>
        <translation>il y a 1 jour</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>arrived %1, %2</source>
        <comment>when, how long ago</comment>
        <translation>arrivé %1, %2</translation>
    </message>
    <message>
        <source>[The message goes on for another %L1 characters, not shown here.]</source>
        <translation>[Le message continue sur %L1 caractères de plus, non affichés ici.]</translation>
    </message>
    <message>
        <source>the server has not answered since %1; trying again</source>
        <translation>le serveur ne répond plus depuis %1&#xa0;; nouvel essai en cours</translation>
    </message>
    <message>
        <source>the database has been busy since %1; trying again</source>
        <translation>la base de données est occupée depuis %1&#xa0;; nouvel essai en cours</translation>
    </message>
    <message>
        <source>the list could not be read since %1; trying again</source>
        <translation>la liste est illisible depuis %1&#xa0;; nouvel essai en cours</translation>
    </message>
    <message>
        <source>read only here</source>
        <translation>lecture seule ici</translation>
    </message>
    <message>
        <source>the message on display is no longer in the database</source>
        <translation>le message affiché n&apos;est plus dans la base de données</translation>
    </message>
</context>
<context>
    <name>DeskSettings</name>
    <message>
        <source>Lane timekeepers to the start</source>
        <translation>Les chronométreurs sont attendus au départ</translation>
    </message>
    <message>
        <source>Medal ceremony in 5 minutes</source>
        <translation>Cérémonie protocolaire dans 5 minutes</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Invalid Date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Invalid Time</source>
        <translation>Temps non valide</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1</source>
        <translation>Erreur %1</translation>
    </message>
</context>
<context>
    <name>FileDialogue</name>
    <message>
        <source>File already exists, what do you want to do?</source>
        <translation>Ce fichier existe déjà. Que faire&#xa0;?</translation>
    </message>
    <message>
        <source>Append to existing contents</source>
        <translation>Ajouter au contenu actuel</translation>
    </message>
    <message>
        <source>Overwrite existing contents</source>
        <translation>Remplacer le contenu actuel</translation>
    </message>
    <message>
        <source>Change File Name</source>
        <translation>Changer le nom du fichier</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FileInfo</name>
    <message>
        <source>File Select</source>
        <translation>Choix du fichier</translation>
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
    <name>KeysWindow</name>
    <message>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <source>Move through the list and show that message</source>
        <translation>Parcourir la liste et afficher ce message</translation>
    </message>
    <message>
        <source>Enter, Space</source>
        <translation>Entrée, Espace</translation>
    </message>
    <message>
        <source>Show the message at the list&apos;s cursor</source>
        <translation>Afficher le message sous le curseur de la liste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Dismiss the message on display (marked in the list)</source>
        <translation>Retirer le message affiché (repéré dans la liste)</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last dismissal (several times)</source>
        <translation>Annuler le dernier retrait (plusieurs fois)</translation>
    </message>
    <message>
        <source>In the message</source>
        <translation>Dans le message</translation>
    </message>
    <message>
        <source>Delete and Ctrl+Z edit the text once you have typed or selected there</source>
        <translation>Suppr et Ctrl+Z modifient le texte dès que vous y avez saisi ou sélectionné</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>Read out today: the messages dismissed today</source>
        <translation>Annoncé aujourd&apos;hui&#xa0;: les messages retirés aujourd&apos;hui</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Read the list again now</source>
        <translation>Relire la liste maintenant</translation>
    </message>
    <message>
        <source>Ctrl+Plus, Ctrl+Minus</source>
        <translation>Ctrl+Plus, Ctrl+Moins</translation>
    </message>
    <message>
        <source>Larger or smaller text</source>
        <translation>Texte plus grand ou plus petit</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Text at its usual size</source>
        <translation>Texte à sa taille habituelle</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Sound on a new message: on or off</source>
        <translation>Son à chaque nouveau message&#xa0;: activé ou non</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Move between the message, the list and the buttons</source>
        <translation>Passer du message à la liste et aux boutons</translation>
    </message>
    <message>
        <source>Exit to the intro screen</source>
        <translation>Revenir à l&apos;écran d&apos;accueil</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>This list of keys</source>
        <translation>Cette liste de touches</translation>
    </message>
    <message>
        <source>Intro screen: Enter</source>
        <translation>Écran d&apos;accueil&#xa0;: Entrée</translation>
    </message>
    <message>
        <source>Browse, Exit</source>
        <translation>Parcourir, Quitter</translation>
    </message>
    <message>
        <source>Keys – kelvane</source>
        <translation>Touches – kelvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>Browser station: the desk on tablets and phones</source>
        <translation>Station navigateur&#xa0;: le pupitre sur tablettes et téléphones</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <comment>the intro screen&apos;s Enter button</comment>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <comment>the intro screen&apos;s Browse button</comment>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the intro screen&apos;s Exit button</comment>
        <translation>Alt+Q</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>the announcer screen&apos;s Exit button</comment>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>Open the database named (%1 as well)</source>
        <translation>Ouvrir la base indiquée (aussi %1)</translation>
    </message>
    <message>
        <source>Intro screen: %1, %2</source>
        <translation>Écran d&apos;accueil&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Planned messages: your own, added when due</source>
        <translation>Messages prévus : les vôtres, ajoutés à leur heure</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Hold the message on display back from the caption screen, or show it</source>
        <translation>Retenir le message affiché de l’écran de sous-titres, ou le montrer</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back</source>
        <translation>Masquer l’écran de sous-titres, ou le rétablir</translation>
    </message>
</context>
<context>
    <name>LocateDatabase</name>
    <message>
        <source>Announcer DB is %1</source>
        <translation>La base du speaker est %1</translation>
    </message>
    <message>
        <source>Locate announcer database</source>
        <translation>Trouver la base du speaker</translation>
    </message>
    <message>
        <source>No Announcer Database</source>
        <translation>Aucune base du speaker</translation>
    </message>
</context>
<context>
    <name>PlannedMessages</name>
    <message>
        <source>The message has no text.</source>
        <translation>Le message n’a pas de texte.</translation>
    </message>
    <message>
        <source>The message is longer than 1000 characters.</source>
        <translation>Le message dépasse 1000 caractères.</translation>
    </message>
    <message>
        <source>The message holds control characters.</source>
        <translation>Le message contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>The message needs a time not before.</source>
        <translation>Le message doit avoir une heure « pas avant ».</translation>
    </message>
    <message>
        <source>The time not after must be later than the time not before.</source>
        <translation>L’heure « pas après » doit suivre l’heure « pas avant ».</translation>
    </message>
    <message>
        <source>The repeat must be between 0 and 1440 minutes.</source>
        <translation>La répétition doit être entre 0 et 1440 minutes.</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the file could not be planned: each needs a text, a time not before (such as 9:40) and fitting times.</source>
        <translation>
            <numerusform>%n ligne du fichier n’a pas pu être prévue : chacune demande un texte, une heure « pas avant » (comme 9:40) et des heures cohérentes.</numerusform>
            <numerusform>%n lignes du fichier n’ont pas pu être prévues : chacune demande un texte, une heure « pas avant » (comme 9:40) et des heures cohérentes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlannedWindow</name>
    <message>
        <source>Not after</source>
        <translation>Pas après</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Urgent</translation>
    </message>
    <message>
        <source>Planned messages – kelvane</source>
        <translation>Messages prévus – kelvane</translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Pas avant</translation>
    </message>
    <message>
        <source>Repeat every</source>
        <translation>Répéter toutes les</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Save Changes</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Nothing is added to the list now. %1</source>
        <translation>Rien n’est ajouté à la liste pour l’instant. %1</translation>
    </message>
    <message>
        <source>The sheet cannot be kept for the next run: %1</source>
        <translation>Le déroulé ne peut pas être gardé pour la prochaine fois : %1</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Chaque message est ajouté à la liste à son heure.</translation>
    </message>
    <message>
        <source>Import planned messages</source>
        <translation>Importer des messages prévus</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB: it holds no running sheet.</source>
        <translation>Le fichier dépasse 1 Mio : ce n’est pas un déroulé.</translation>
    </message>
    <message>
        <source>Export planned messages</source>
        <translation>Exporter les messages prévus</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Printer error: no printer is installed.</source>
        <translation>Erreur d&apos;imprimante&#xa0;: aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>Invalid property value: font size %1.</source>
        <translation>Valeur de propriété non valide&#xa0;: taille de police %1.</translation>
    </message>
    <message>
        <source>Printer error: cannot write &apos;%1&apos;.</source>
        <translation>Erreur d&apos;imprimante&#xa0;: impossible d&apos;écrire &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Printer error: the printer cannot start a job.</source>
        <translation>Erreur d&apos;imprimante&#xa0;: l&apos;imprimante ne peut pas commencer une impression.</translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page.</source>
        <translation>Erreur d&apos;imprimante&#xa0;: impossible de commencer une nouvelle page.</translation>
    </message>
</context>
<context>
    <name>ReadOutToday</name>
    <message>
        <source>Read out today – kelvane</source>
        <translation>Annoncé aujourd&apos;hui – kelvane</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copier le texte</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Aucun message n&apos;a été retiré aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Dismissed today, newest first:</source>
        <translation>Retirés aujourd&apos;hui, les plus récents d&apos;abord&#xa0;:</translation>
    </message>
    <message>
        <source>(undone %1)</source>
        <translation>(annulé %1)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>Print Club Records</source>
        <translation>Imprimer les records du club</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masc.</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Fém.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>ACRs</source>
        <translation>Par âge</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Date Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Include Undated</source>
        <translation>Aussi sans date</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Printing stopped (error %1).</source>
        <translation>Impression arrêtée (erreur %1).</translation>
    </message>
    <message>
        <source>Load Blue Cards</source>
        <translation>Chargez les fiches bleues</translation>
    </message>
    <message>
        <source>Load Pink Cards</source>
        <translation>Chargez les fiches roses</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message numerus="yes">
        <source>serving %1: %n messages listed</source>
        <translation>
            <numerusform>sert %1&#xa0;: %n message dans la liste</numerusform>
            <numerusform>sert %1&#xa0;: %n messages dans la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>refused %1: its link is not valid (any more)</source>
        <translation>refusé %1&#xa0;: son lien n&apos;est pas (ou plus) valable</translation>
    </message>
    <message>
        <source>refused %1: too many connections</source>
        <translation>refusé %1&#xa0;: trop de connexions</translation>
    </message>
    <message>
        <source>the connection to the database server is not encrypted (sslmode=%1)</source>
        <translation>la connexion au serveur de la base n&apos;est pas chiffrée (sslmode=%1)</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it contains a double quote</source>
        <translation>il contient un guillemet double</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>il contient un saut de ligne</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>%1 is no address: an IPv6 address goes in brackets, [::1]:8088</source>
        <translation>%1 n&apos;est pas une adresse&#xa0;: une adresse IPv6 s&apos;écrit entre crochets, [::1]:8088</translation>
    </message>
    <message>
        <source>%1 is no port number (1 to 65535)</source>
        <translation>%1 n&apos;est pas un numéro de port (1 à 65535)</translation>
    </message>
    <message>
        <source>%1 is no IP address</source>
        <translation>%1 n&apos;est pas une adresse IP</translation>
    </message>
    <message>
        <source>%1 is not an address of this computer</source>
        <translation>%1 n&apos;est pas une adresse de cet ordinateur</translation>
    </message>
    <message>
        <source>That message is no longer listed.</source>
        <translation>Ce message n&apos;est plus dans la liste.</translation>
    </message>
    <message>
        <source>Nothing was dismissed: choose the message first.</source>
        <translation>Rien n&apos;a été retiré&#xa0;: choisissez d&apos;abord le message.</translation>
    </message>
    <message>
        <source>The browser station cannot use its certificate: %1</source>
        <translation>La station navigateur ne peut pas utiliser son certificat&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: too large for a certificate or a key</source>
        <translation>%1&#xa0;: trop grand pour un certificat ou une clé</translation>
    </message>
    <message>
        <source>this computer&apos;s Qt has no TLS support</source>
        <translation>le Qt de cet ordinateur ne prend pas en charge TLS</translation>
    </message>
    <message>
        <source>%1 holds no certificate</source>
        <translation>%1 ne contient aucun certificat</translation>
    </message>
    <message>
        <source>%1 holds no private key kelvane can use (PEM, RSA or EC, no pass phrase)</source>
        <translation>%1 ne contient aucune clé privée utilisable par kelvane (PEM, RSA ou EC, sans phrase secrète)</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Indiquez qui envoie&#xa0;: votre nom ou votre fonction.</translation>
    </message>
    <message>
        <source>The name must be one line of at most 60 characters.</source>
        <translation>Le nom doit tenir sur une ligne de 60 caractères au plus.</translation>
    </message>
    <message>
        <source>The message is empty.</source>
        <translation>Le message est vide.</translation>
    </message>
    <message>
        <source>The message is longer than 1,000 characters.</source>
        <translation>Le message dépasse 1&#xa0;000 caractères.</translation>
    </message>
    <message>
        <source>The message holds control characters: only line breaks are allowed.</source>
        <translation>Le message contient des caractères de contrôle&#xa0;: seuls les sauts de ligne sont permis.</translation>
    </message>
    <message>
        <source>The name or the message holds a character that is not valid text.</source>
        <translation>Le nom ou le message contient un caractère qui n&apos;est pas du texte valide.</translation>
    </message>
    <message>
        <source>The name may not hold characters that change the writing direction.</source>
        <translation>Le nom ne doit pas contenir de caractères qui changent le sens de l&apos;écriture.</translation>
    </message>
    <message>
        <source>Too many messages have been sent on this link in the last minute. This one can be sent at %1.</source>
        <translation>Trop de messages ont été envoyés par ce lien au cours de la dernière minute. Celui-ci pourra être envoyé à %1.</translation>
    </message>
    <message>
        <source>Ten messages have been sent from this page in the last minute. This one can be sent at %1.</source>
        <translation>Dix messages ont été envoyés depuis cette page au cours de la dernière minute. Celui-ci pourra être envoyé à %1.</translation>
    </message>
    <message>
        <source>%1: %2; a private key must be a file of your own that only you may read (chmod 600 &apos;%1&apos;).</source>
        <translation>%1&#xa0;: %2&#xa0;; une clé privée doit être un fichier à vous que vous seul pouvez lire (chmod 600 &apos;%1&apos;).</translation>
    </message>
    <message>
        <source>The browser station cannot listen on %1: %2.</source>
        <translation>La station navigateur ne peut pas écouter sur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Another program uses that port; kelvane may be running already. Choose another port, or close that program.</source>
        <translation>Un autre programme utilise ce port&#xa0;; kelvane est peut-être déjà lancé. Choisissez un autre port ou fermez ce programme.</translation>
    </message>
    <message>
        <source>Choose one of this computer&apos;s addresses.</source>
        <translation>Choisissez une adresse de cet ordinateur.</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>Les nouveaux liens fonctionnent, mais ne peuvent pas être gardés pour la prochaine fois&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Smaller text</source>
        <translation>Texte plus petit</translation>
    </message>
    <message>
        <source>Larger text</source>
        <translation>Texte plus grand</translation>
    </message>
    <message>
        <source>On the announcer’s display</source>
        <translation>Sur l’écran du speaker</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Dismiss This Message</source>
        <translation>Retirer ce message</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler le retrait</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Aucun message.</translation>
    </message>
    <message>
        <source>The announcer screen is closed.</source>
        <translation>L’écran du speaker est fermé.</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>annoncer</translation>
    </message>
    <message>
        <source>watch</source>
        <translation>consulter</translation>
    </message>
    <message>
        <source>This link no longer works. Ask the announcer for the new one.</source>
        <translation>Ce lien ne fonctionne plus. Demandez le nouveau au speaker.</translation>
    </message>
    <message>
        <source>The station closed this page: this link does not allow that.</source>
        <translation>La station a fermé cette page&#xa0;: ce lien ne le permet pas.</translation>
    </message>
    <message>
        <source>Not connected since %1, trying again</source>
        <translation>Non connecté depuis %1, nouvel essai</translation>
    </message>
    <message>
        <source>Open this page with a link from the announcer’s station window.</source>
        <translation>Ouvrez cette page avec un lien de la fenêtre de station du speaker.</translation>
    </message>
    <message>
        <source>send</source>
        <translation>envoyer</translation>
    </message>
    <message>
        <source>From (your name or post)</source>
        <translation>De (votre nom ou fonction)</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Urgent</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Your messages</source>
        <translation>Vos messages</translation>
    </message>
    <message>
        <source>None sent yet.</source>
        <translation>Aucun message envoyé pour l’instant.</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Envoi en cours…</translation>
    </message>
    <message>
        <source>Sent.</source>
        <translation>Envoyé.</translation>
    </message>
    <message>
        <source>Say who is sending: your name or post.</source>
        <translation>Indiquez qui envoie&#xa0;: votre nom ou votre fonction.</translation>
    </message>
    <message>
        <source>on the announcer’s list</source>
        <translation>sur la liste du speaker</translation>
    </message>
    <message>
        <source>read out at %1</source>
        <translation>annoncé à %1</translation>
    </message>
    <message>
        <source>put back on the announcer’s list</source>
        <translation>remis sur la liste du speaker</translation>
    </message>
    <message>
        <source>dismissed unread</source>
        <translation>retiré sans être annoncé</translation>
    </message>
    <message>
        <source>Not connected: the message goes as soon as the connection is back.</source>
        <translation>Non connecté&#xa0;: le message partira dès que la connexion sera rétablie.</translation>
    </message>
    <message>
        <source>Urgent message: %1</source>
        <translation>Message urgent&#xa0;: %1</translation>
    </message>
    <message>
        <source>Read out today</source>
        <translation>Annoncé aujourd’hui</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Sound for new messages</source>
        <translation>Son à chaque nouveau message</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reading the read-out log…</source>
        <translation>Lecture du journal des annonces…</translation>
    </message>
    <message>
        <source>No announcer database is open.</source>
        <translation>Aucune base de données du speaker n’est ouverte.</translation>
    </message>
    <message>
        <source>Nothing has been dismissed today.</source>
        <translation>Aucun message n&apos;a été retiré aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>undone %1</source>
        <translation>annulé %1</translation>
    </message>
    <message>
        <source>The rest, %1 characters, is in the read-out log at the desk.</source>
        <translation>La suite, %1 caractères, figure dans le journal des annonces, au poste du speaker.</translation>
    </message>
    <message>
        <source>Older dismissals of today, in the read-out log at the desk: %1</source>
        <translation>Retraits plus anciens du jour, dans le journal des annonces au poste du speaker&#xa0;: %1</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>La liste et le message affiché, en lecture seule</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>Aussi choisir, retirer et annuler un retrait</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Les officiels envoient des messages à la liste et les voient annoncés</translation>
    </message>
    <message>
        <source>Pages connected now besides this one: %1</source>
        <translation>Pages connectées en ce moment, outre celle-ci&#xa0;: %1</translation>
    </message>
    <message>
        <source>New links</source>
        <translation>Nouveaux liens</translation>
    </message>
    <message>
        <source>Make new links</source>
        <translation>Créer de nouveaux liens</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>New links are made: the old ones no longer work.</source>
        <translation>Les nouveaux liens sont créés&#xa0;: les anciens ne fonctionnent plus.</translation>
    </message>
    <message>
        <source>Make new links?</source>
        <translation>Créer de nouveaux liens&#xa0;?</translation>
    </message>
    <message>
        <source>The old links stop working on every device. Pages dropped now: %1</source>
        <translation>Les anciens liens ne fonctionneront plus sur aucun appareil. Pages déconnectées maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Prévus</translation>
    </message>
    <message>
        <source>Planned messages</source>
        <translation>Messages prévus</translation>
    </message>
    <message>
        <source>No planned messages.</source>
        <translation>Aucun message prévu.</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Pas avant</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>Pas après</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Répéter toutes les (minutes)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>every %1 min</source>
        <translation>toutes les %1 min</translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>dans la liste (depuis %1)</translation>
    </message>
    <message>
        <source>read out at %1 (%2 min ago)</source>
        <translation>lu à %1 (il y a %2 min)</translation>
    </message>
    <message>
        <source>due again at %1</source>
        <translation>de nouveau à %1</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expiré</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>en attente (prévu à %1)</translation>
    </message>
    <message>
        <source>Nothing is added to the list now.</source>
        <translation>Rien n’est ajouté à la liste pour l’instant.</translation>
    </message>
    <message>
        <source>Each message is added to the list when it is due.</source>
        <translation>Chaque message est ajouté à la liste à son heure.</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>écran</translation>
    </message>
    <message>
        <source>The pool’s caption screen: what is read out, in large type</source>
        <translation>L’écran de sous-titres du bassin : ce qui est annoncé, en grands caractères</translation>
    </message>
    <message>
        <source>Hold back from the screen</source>
        <translation>Retenir de l’écran</translation>
    </message>
    <message>
        <source>Keep this message off the caption screen (F7)</source>
        <translation>Ne pas montrer ce message sur l’écran de sous-titres (F7)</translation>
    </message>
    <message>
        <source>Blank the screen</source>
        <translation>Masquer l’écran</translation>
    </message>
    <message>
        <source>Bring the screen back</source>
        <translation>Rétablir l’écran</translation>
    </message>
    <message>
        <source>Blank the caption screen, or bring it back (F6)</source>
        <translation>Masquer l’écran de sous-titres, ou le rétablir (F6)</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>watch</source>
        <translation>Consulter</translation>
    </message>
    <message>
        <source>announce</source>
        <translation>Annoncer</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>&amp;New links</source>
        <translation>&amp;Nouveaux liens</translation>
    </message>
    <message>
        <source>Browser station – kelvane</source>
        <translation>Station navigateur – kelvane</translation>
    </message>
    <message>
        <source>All networks of this computer</source>
        <translation>Tous les réseaux de cet ordinateur</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Connected now</source>
        <translation>Connectées maintenant</translation>
    </message>
    <message>
        <source>The new links work, but cannot be kept for the next run: %1</source>
        <translation>Les nouveaux liens fonctionnent, mais ne peuvent pas être gardés pour la prochaine fois&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>The station is off: no browser can see the desk.</source>
        <translation>La station est arrêtée&#xa0;: aucun navigateur ne voit le pupitre.</translation>
    </message>
    <message>
        <source>Listening on %1://%2</source>
        <translation>À l’écoute sur %1://%2</translation>
    </message>
    <message>
        <source> (all networks of this computer)</source>
        <translation> (tous les réseaux de cet ordinateur)</translation>
    </message>
    <message>
        <source>Unencrypted: anyone on this network can read the messages as they pass. Use it on the gala&apos;s own network only.</source>
        <translation>Non chiffré&#xa0;: toute personne sur ce réseau peut lire les messages au passage. À utiliser uniquement sur le réseau propre à la compétition.</translation>
    </message>
    <message>
        <source>The list and the message on display, read only</source>
        <translation>La liste et le message affiché, en lecture seule</translation>
    </message>
    <message>
        <source>Also choose, dismiss and undo</source>
        <translation>Aussi choisir, retirer et annuler un retrait</translation>
    </message>
    <message>
        <source>send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Officials send messages to the list, and see them read out</source>
        <translation>Les officiels envoient des messages à la liste et les voient annoncés</translation>
    </message>
    <message>
        <source>Ready texts for send pages, one a line</source>
        <translation>Textes tout prêts pour les pages d’envoi, un par ligne</translation>
    </message>
    <message>
        <source>Connections without a link yet: %1</source>
        <translation>Connexions encore sans lien&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Stop the browser station? Pages connected now: %n. They lose the desk until the station is started again.</source>
        <translation>
            <numerusform>Arrêter la station navigateur&#xa0;? Page connectée maintenant&#xa0;: %n. Elle perd le pupitre jusqu’au prochain démarrage de la station.</numerusform>
            <numerusform>Arrêter la station navigateur&#xa0;? Pages connectées maintenant&#xa0;: %n. Elles perdent le pupitre jusqu’au prochain démarrage de la station.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop the station</source>
        <translation>Arrêter la station</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>La laisser active</translation>
    </message>
    <message numerus="yes">
        <source>Replace every link? The links handed out stop working, and the pages connected now (%n) are closed: each needs the new link.</source>
        <translation>
            <numerusform>Remplacer tous les liens&#xa0;? Les liens distribués cessent de fonctionner, et la page connectée maintenant (%n) est fermée&#xa0;: il lui faut le nouveau lien.</numerusform>
            <numerusform>Remplacer tous les liens&#xa0;? Les liens distribués cessent de fonctionner, et les pages connectées maintenant (%n) sont fermées&#xa0;: chacune a besoin du nouveau lien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace the links</source>
        <translation>Remplacer les liens</translation>
    </message>
    <message>
        <source>Keep the links</source>
        <translation>Garder les liens</translation>
    </message>
    <message>
        <source>The station could not start: %1</source>
        <translation>La station n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>écran</translation>
    </message>
    <message>
        <source>The pool&apos;s caption screen: what is read out, in large type</source>
        <translation>L&apos;écran de sous-titres du bassin : ce qui est annoncé, en grands caractères</translation>
    </message>
    <message>
        <source>Hold back from the screen (F7)</source>
        <translation>Retenir de l’écran (F7)</translation>
    </message>
    <message>
        <source>Blank the screen (F6)</source>
        <translation>Masquer l’écran (F6)</translation>
    </message>
    <message>
        <source>Caption screen:</source>
        <translation>Écran de sous-titres :</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not an announcer database</source>
        <translation>%1 n&apos;est pas une base de données du speaker</translation>
    </message>
    <message>
        <source>%1 already exists; it is left as it is</source>
        <translation>%1 existe déjà&#xa0;; il est laissé tel quel</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>impossible de lire l&apos;entrée standard</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>SEQUENCE must be a whole number</source>
        <translation>NUMÉRO doit être un nombre entier</translation>
    </message>
    <message>
        <source>INTERVAL_MS and COUNT must be whole numbers</source>
        <translation>INTERVALLE_MS et NOMBRE doivent être des nombres entiers</translation>
    </message>
    <message>
        <source>this computer&apos;s SQLite cannot open it safely</source>
        <translation>le SQLite de cet ordinateur ne peut pas l&apos;ouvrir sans risque</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>kelvane: unknown argument %1</source>
        <translation>kelvane&#xa0;: argument inconnu %1</translation>
    </message>
    <message>
        <source>usage: kelvane-records
Asks for a club database, then prints the club&apos;s record cards.
</source>
        <translation>utilisation&#xa0;: kelvane-records
Demande une base de données de club, puis imprime les fiches de records du club.
</translation>
    </message>
    <message>
        <source>usage: kelvane-clubdb init FILE   (a new club database with no records)
       kelvane-clubdb demo FILE   (a new club database with a demo club&apos;s records)
       kelvane-clubdb --help | --version
</source>
        <translation>utilisation&#xa0;: kelvane-clubdb init FICHIER   (nouvelle base de club sans records)
               kelvane-clubdb demo FICHIER   (nouvelle base de club avec les records
                                             d&apos;un club d&apos;exemple)
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
        <translation>utilisation&#xa0;: kelvane-feed init FICHIER
               kelvane-feed add FICHIER NUMÉRO [TEXTE]   (sans TEXTE, l&apos;entrée standard)
               kelvane-feed list FICHIER
               kelvane-feed demo FICHIER [INTERVALLE_MS [NOMBRE [JOURNAL]]]
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
        <translation>utilisation&#xa0;: kelvane [--display-only] [--station [ADRESSE][:PORT]]
Ouvre l&apos;écran d&apos;accueil sur la base du speaker retenue dans ~/kelvane.ini.
  --display-only  afficher les messages comme d&apos;habitude sans jamais en supprimer&#xa0;:
                  pour un second speaker ou un commentateur sur la même base
  --station       servir le pupitre aux navigateurs de ce réseau, à la première
                  adresse de cet ordinateur (ou ADRESSE, 0.0.0.0 pour toutes) et
                  au port 8088 (ou PORT)&#xa0;; affiche chaque lien en ligne RÔLE URL

Touches de l&apos;écran du speaker&#xa0;:
  Haut, Bas          parcourir la liste et afficher ce message
  Entrée, Espace     afficher le message sous le curseur de la liste
  Suppr              retirer le message affiché (le curseur le repère)
  Ctrl+Z             annuler le dernier retrait&#xa0;; encore pour le précédent
  Ctrl+H             annoncé aujourd&apos;hui&#xa0;: les retraits du jour, textes entiers
  F5                 relire la liste maintenant
  F9                 la station navigateur&#xa0;: le pupitre sur tablettes et téléphones
  Ctrl+Plus, Ctrl+Moins, Ctrl+0
                     texte plus grand, plus petit, habituel (retenu)
  Ctrl+B             un son à chaque nouveau message&#xa0;: activé ou non
  Alt+F              revenir à l&apos;écran d&apos;accueil&#xa0;;  F1  la liste des touches
Dans le message, Suppr et Ctrl+Z modifient le texte dès que vous y avez saisi
ou sélectionné.

Chaque retrait est écrit dans le journal des annonces avant la suppression de sa
ligne&#xa0;:
  $XDG_DATA_HOME/kelvane/read-out-AAAA-MM-JJ.csv (~/.local/share/kelvane/)
Un fichier Jet (.mdb) est seulement lu sous Linux&#xa0;: un message retiré est masqué,
non supprimé, et reste masqué pour la journée (le journal des annonces s&apos;en
souvient).
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
utilisation&#xa0;: kelvane serve [--display-only] [--station [ADRESSE][:PORT]] [BASE]
Fait tourner le pupitre et sa station navigateur sans fenêtre ni écran, sur BASE
(un fichier du speaker ou un fichier de connexion) ou celle retenue dans
~/kelvane.ini&#xa0;; affiche chaque lien en ligne RÔLE URL, ses avis sur la sortie
d&apos;erreur, et s&apos;arrête sur SIGTERM ou SIGINT. La station écoute là où
--station l&apos;indique, ou là où elle écoutait la dernière fois.
</translation>
    </message>
</context>
<context>
    <name>YesNo</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>desk::AnnouncerDesk</name>
    <message>
        <source>The announcer database is busy: another program is writing to it. %1 in a moment.</source>
        <translation>La base de données du speaker est occupée&#xa0;: un autre programme y écrit. %1 dans un instant.</translation>
    </message>
    <message>
        <source>The database server is not answering. %1 once it is back.</source>
        <translation>Le serveur de base de données ne répond pas. %1 dès son retour.</translation>
    </message>
    <message>
        <source>The message is back, but the read-out log could not be written (%1).</source>
        <translation>Le message est revenu, mais le journal des annonces n&apos;a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>Another file has taken the place of the announcer database. %1</source>
        <translation>Un autre fichier a pris la place de la base de données du speaker. %1</translation>
    </message>
    <message>
        <source>The announcer database &apos;%1&apos; is no longer there.</source>
        <translation>La base de données du speaker &apos;%1&apos; n&apos;est plus là.</translation>
    </message>
    <message>
        <source>The message could not be read; choose it again</source>
        <translation>Le message n&apos;a pas pu être lu&#xa0;; choisissez-le à nouveau</translation>
    </message>
    <message>
        <source>The message has not been dismissed; press Dismiss This Message again</source>
        <translation>Le message n&apos;a pas été retiré&#xa0;; appuyez à nouveau sur «&#xa0;Retirer ce message&#xa0;»</translation>
    </message>
    <message>
        <source>The message has not been dismissed: the read-out log could not be written (%1).</source>
        <translation>Le message n&apos;a pas été retiré&#xa0;: le journal des annonces n&apos;a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>This announcer database can only be read on this computer. Dismissed messages are hidden from the list until kelvane is closed, but they stay in the file.</source>
        <translation>Cette base de données du speaker ne peut être que lue sur cet ordinateur. Les messages retirés sont masqués dans la liste jusqu&apos;à la fermeture de kelvane, mais restent dans le fichier.</translation>
    </message>
    <message>
        <source>There is no dismissal to undo.</source>
        <translation>Il n&apos;y a aucun retrait à annuler.</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log (Ctrl+H).</source>
        <translation>Ce message est trop long pour être remis. Son début figure dans le journal des annonces (Ctrl+H).</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log (Ctrl+H).</source>
        <translation>Le retrait ne peut pas être annulé&#xa0;: cette base de données du speaker ne permet pas à kelvane de remettre le message (%1). Le message figure dans le journal des annonces du jour (Ctrl+H).</translation>
    </message>
    <message>
        <source>The message has not been put back; press Ctrl+Z again</source>
        <translation>Le message n&apos;a pas été remis&#xa0;; appuyez à nouveau sur Ctrl+Z</translation>
    </message>
    <message>
        <source>The list of messages could not be read: %1</source>
        <translation>La liste des messages n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>— no longer in the database —</source>
        <translation>— plus dans la base de données —</translation>
    </message>
    <message>
        <source>This message is too long to be put back. Its start is in the read-out log at the desk.</source>
        <translation>Ce message est trop long pour être remis. Son début figure dans le journal des annonces, au poste du speaker.</translation>
    </message>
    <message>
        <source>The dismissal cannot be undone: this announcer database does not let kelvane add the message back (%1). The message is in today&apos;s read-out log at the desk.</source>
        <translation>Le retrait ne peut pas être annulé&#xa0;: cette base de données du speaker ne permet pas à kelvane de remettre le message (%1). Le message figure dans le journal des annonces du jour, au poste du speaker.</translation>
    </message>
    <message>
        <source>The message has not been put back; press Undo again</source>
        <translation>Le message n&apos;a pas été remis&#xa0;; appuyez à nouveau sur «&#xa0;Annuler le retrait&#xa0;»</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>A sent message&apos;s text: %1 the sender&apos;s name or post as typed (&quot;Referee&quot;, &quot;Anna&quot;), %2 the message. Use the form that reads well before any name or post, with no preposition where one would need an article (&quot;Referee: …&quot;).</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Send the message again</source>
        <translation>Renvoyez le message</translation>
    </message>
    <message>
        <source>This desk cannot take messages: %1</source>
        <translation>Ce pupitre ne peut pas recevoir de messages&#xa0;: %1</translation>
    </message>
    <message>
        <source>it only shows the list.</source>
        <translation>il affiche seulement la liste.</translation>
    </message>
    <message>
        <source>the announcer has no database open.</source>
        <translation>le speaker n&apos;a ouvert aucune base de données.</translation>
    </message>
    <message>
        <source>its announcer database can only be read on this computer.</source>
        <translation>sa base de données du speaker ne peut être que lue sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>desk::PlannedModel</name>
    <message numerus="yes">
        <source>every %n min</source>
        <translation>
            <numerusform>toutes les %n min</numerusform>
            <numerusform>toutes les %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>once</source>
        <translation>une fois</translation>
    </message>
    <message>
        <source>urgent</source>
        <translation>urgent</translation>
    </message>
    <message>
        <source>Not before</source>
        <translation>Pas avant</translation>
    </message>
    <message>
        <source>Not after</source>
        <translation>Pas après</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répétition</translation>
    </message>
    <message>
        <source>Urgent</source>
        <translation>Urgent</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>waiting (due at %1)</source>
        <translation>en attente (prévu à %1)</translation>
    </message>
    <message>
        <source>on the list (since %1)</source>
        <translation>dans la liste (depuis %1)</translation>
    </message>
    <message numerus="yes">
        <source>read out at %1 (%n minute(s) ago)</source>
        <translation>
            <numerusform>lu à %1 (il y a %n minute)</numerusform>
            <numerusform>lu à %1 (il y a %n minutes)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, due again at %2</source>
        <translation>%1, de nouveau à %2</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expiré</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
</context>
</TS>
