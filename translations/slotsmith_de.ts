<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Archive</name>
    <message>
        <location filename="../src/packs/Archive.cpp" line="+85"/>
        <source>damaged or cut short</source>
        <translation>beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the entry &quot;{entry}&quot; is a symbolic link</source>
        <translation>Der Eintrag „{entry}“ ist ein symbolischer Link</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the entry &quot;{entry}&quot; is a device file</source>
        <translation>Der Eintrag „{entry}“ ist eine Gerätedatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the entry &quot;{entry}&quot; is a pipe</source>
        <translation>Der Eintrag „{entry}“ ist eine Pipe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the entry &quot;{entry}&quot; is a socket</source>
        <translation>Der Eintrag „{entry}“ ist ein Socket</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the entry &quot;{entry}&quot; is neither a file nor a folder</source>
        <translation>Der Eintrag „{entry}“ ist weder eine Datei noch ein Ordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it is damaged or cut short ({reason})</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten ({reason})</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/packs/ZipDirectory.cpp" line="+309"/>
        <source>it has more than {count} entries</source>
        <translation>Die Datei hat mehr als {count} Einträge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>its entries disagree with its central directory (it is damaged, or made to be read differently by different programs)</source>
        <translation>Die Einträge der Datei widersprechen ihrem zentralen Verzeichnis (sie ist beschädigt oder so gemacht, dass verschiedene Programme sie verschieden lesen)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is larger than {size} MB, more than any database holds</source>
        <translation>Die Datei ist größer als {size} MB, mehr als eine Datenbank je enthält</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>the entry &quot;{entry}&quot; has a NUL byte in its name, which ends a name where the archive does not</source>
        <translation>Der Eintrag „{entry}“ hat ein NUL-Byte im Namen, das einen Namen dort beendet, wo das Archiv es nicht tut</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the entry &quot;{entry}&quot; would lie outside the folder it is unpacked into</source>
        <translation>Der Eintrag „{entry}“ läge außerhalb des Ordners, in den entpackt wird</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the entry &quot;{entry}&quot; appears twice</source>
        <translation>Der Eintrag „{entry}“ kommt zweimal vor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the entry &quot;{entry}&quot; appears twice (as &quot;{first}&quot;: names that differ only in letter case or in how an accent is written count as one on many disks)</source>
        <translation>Der Eintrag „{entry}“ kommt zweimal vor (als „{first}“: Namen, die sich nur in Groß- und Kleinschreibung oder in der Schreibweise eines Akzents unterscheiden, gelten auf vielen Datenträgern als derselbe Name)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the entry &quot;{entry}&quot; lies inside a file</source>
        <translation>Der Eintrag „{entry}“ liegt in einer Datei</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the entry &quot;{entry}&quot; is both a file and a folder</source>
        <translation>Der Eintrag „{entry}“ ist zugleich eine Datei und ein Ordner</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the entry &quot;{entry}&quot; cannot be read: {reason}</source>
        <translation>Der Eintrag „{entry}“ kann nicht gelesen werden: {reason}</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the entry &quot;{entry}&quot; is larger than {size} MB, more than any file of a database</source>
        <translation>Der Eintrag „{entry}“ ist größer als {size} MB, mehr als jede Datei einer Datenbank</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it unpacks to more than {size} MB, more than any database holds</source>
        <translation>Die Datei entpackt sich zu mehr als {size} MB, mehr als eine Datenbank je enthält</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it unpacks to more than {ratio} times its size (a compression bomb)</source>
        <translation>Die Datei entpackt sich zu mehr als dem {ratio}-Fachen ihrer Größe (eine Kompressionsbombe)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the entry &quot;{entry}&quot; is a hard link</source>
        <translation>Der Eintrag „{entry}“ ist ein harter Link</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>it is not a file</source>
        <translation>Es ist keine Datei</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>{path} was not read: {reason}</source>
        <translation>{path} wurde nicht gelesen: {reason}</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>it would hold {entries} entries, more than the {limit} an archive may have</source>
        <translation>Das Archiv hätte {entries} Einträge, mehr als die {limit}, die ein Archiv haben darf</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>{path} is larger than {size} MB, more than an archive may carry in one file</source>
        <translation>{path} ist größer als {size} MB, mehr als ein Archiv in einer Datei tragen darf</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its files hold more than {size} MB, more than an archive may carry</source>
        <translation>Die Dateien enthalten mehr als {size} MB, mehr als ein Archiv tragen darf</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it would not read back as written (a name or its bytes would differ)</source>
        <translation>Das Archiv ließe sich nicht so zurücklesen, wie es geschrieben wurde (ein Name oder seine Bytes wichen ab)</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>the name {name} is not UTF-8, so no archive can carry it; rename it</source>
        <translation>Der Name {name} ist kein UTF-8, daher kann kein Archiv ihn tragen; benennen Sie ihn um</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it would unpack to more than {ratio} times its size, which its reader takes for a compression bomb</source>
        <translation>Das Archiv würde sich zu mehr als dem {ratio}-Fachen seiner Größe entpacken, was sein Leser für eine Kompressionsbombe hält</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>{path} is larger than {size} MB; a pack carries no file that large</source>
        <translation>{path} ist größer als {size} MB; ein Paket trägt keine so große Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{path} is larger than {size} MB; a backup carries no file that large</source>
        <translation>{path} ist größer als {size} MB; eine Sicherung trägt keine so große Datei</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>{path} is neither a file nor a folder; a pack carries only those</source>
        <translation>{path} ist weder eine Datei noch ein Ordner; ein Paket trägt nur solche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{path} is neither a file nor a folder; a backup carries only those</source>
        <translation>{path} ist weder eine Datei noch ein Ordner; eine Sicherung trägt nur solche</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>{path} cannot be read as a zip file: {reason}</source>
        <translation>{path} kann nicht als ZIP-Datei gelesen werden: {reason}</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>{path} cannot be read as a .tar.zst file: {reason}</source>
        <translation>{path} kann nicht als .tar.zst-Datei gelesen werden: {reason}</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The archive cannot be read: {reason}</source>
        <translation>Das Archiv kann nicht gelesen werden: {reason}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The archive was not read: {reason}</source>
        <translation>Das Archiv wurde nicht gelesen: {reason}</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>{path} was not written: {reason}</source>
        <translation>{path} wurde nicht geschrieben: {reason}</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>{path} was not written: a new file cannot be made beside it ({reason})</source>
        <translation>{path} wurde nicht geschrieben: Daneben kann keine neue Datei angelegt werden ({reason})</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>{path} was not written: something is already there</source>
        <translation>{path} wurde nicht geschrieben: Dort ist bereits etwas</translation>
    </message>
    <message>
        <location filename="../src/packs/LoadedLibraries.cpp" line="+35"/>
        <source>Packs and backups need {library}, which cannot be loaded ({reason}).</source>
        <translation>Soundpakete und Sicherungen benötigen {library}, das sich nicht laden lässt ({reason}).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Packs and backups need {library}, which cannot be loaded.</source>
        <translation>Soundpakete und Sicherungen benötigen {library}, das sich nicht laden lässt.</translation>
    </message>
    <message>
        <location filename="../src/packs/ZipDirectory.cpp" line="-249"/>
        <source>it spans several disks</source>
        <translation>Die Datei erstreckt sich über mehrere Datenträger</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it is damaged or cut short (its central directory holds fewer entries than its end record says)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (ihr zentrales Verzeichnis enthält weniger Einträge, als ihr Endeintrag angibt)</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>it is damaged or cut short (it is too short to be a zip file)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (sie ist zu kurz für eine ZIP-Datei)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is damaged or cut short (the end of its central directory is missing)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (das Ende ihres zentralen Verzeichnisses fehlt)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>it is damaged or cut short (its Zip64 end record is not where its locator says)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (ihr Zip64-Endeintrag ist nicht dort, wo sein Locator es angibt)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>it is damaged or cut short (its central directory is not where its end record says)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (ihr zentrales Verzeichnis ist nicht dort, wo ihr Endeintrag es angibt)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is damaged or cut short (its central directory is cut short)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (ihr zentrales Verzeichnis ist abgeschnitten)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is damaged or cut short (the directory&apos;s extra fields of the entry &quot;{entry}&quot; are malformed)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (die Zusatzfelder des Eintrags „{entry}“ im Verzeichnis sind fehlerhaft)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it is damaged or cut short (its central directory holds more than its end record says)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (ihr zentrales Verzeichnis enthält mehr, als ihr Endeintrag angibt)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is damaged or cut short (the local header of the entry &quot;{entry}&quot; is missing)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (der lokale Header des Eintrags „{entry}“ fehlt)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it is damaged or cut short (the local header of the entry &quot;{entry}&quot; is cut short)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (der lokale Header des Eintrags „{entry}“ ist abgeschnitten)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the entry &quot;{entry}&quot; is named &quot;{name}&quot; in its local header: a zip whose two names of an entry disagree is read one way by one program and another way by the next</source>
        <translation>Der Eintrag „{entry}“ heißt in seinem lokalen Header „{name}“: Eine ZIP-Datei, deren zwei Namen eines Eintrags sich widersprechen, liest ein Programm so und das nächste anders</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>it is damaged or cut short (the local extra fields of the entry &quot;{entry}&quot; are malformed)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (die lokalen Zusatzfelder des Eintrags „{entry}“ sind fehlerhaft)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is damaged or cut short (the data of the entry &quot;{entry}&quot; runs past its end)</source>
        <translation>Die Datei ist beschädigt oder abgeschnitten (die Daten des Eintrags „{entry}“ reichen über ihr Ende hinaus)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the compression, sizes or checksum of the entry &quot;{entry}&quot; in its local header disagree with its central directory</source>
        <translation>Kompression, Größen oder Prüfsumme des Eintrags „{entry}“ in seinem lokalen Header widersprechen dem zentralen Verzeichnis</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>the entry &quot;{entry}&quot; overlaps another entry</source>
        <translation>Der Eintrag „{entry}“ überschneidet sich mit einem anderen Eintrag</translation>
    </message>
</context>
<context>
    <name>Arrange</name>
    <message>
        <location filename="../src/ops/ArrangeEdits.cpp" line="+39"/>
        <source>Sort sounds by name</source>
        <translation>Sounds nach Namen sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort models by name</source>
        <translation>Modelle nach Namen sortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort sounds by model</source>
        <translation>Sounds nach Modell sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort models by model</source>
        <translation>Modelle nach Modell sortieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close gaps in sounds</source>
        <translation>Lücken bei den Sounds schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close gaps in models</source>
        <translation>Lücken bei den Modellen schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Arrange sounds</source>
        <translation>Sounds anordnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange models</source>
        <translation>Modelle anordnen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>{title}: the slots are in that order already; nothing to do.</source>
        <translation>{title}: Die Plätze sind bereits in dieser Reihenfolge; nichts zu tun.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>{title}: {n} sound(s) of {slots} move to another slot.</source>
        <translation>
            <numerusform>{title}: {n} Sound von {slots} kommt auf einen anderen Platz.</numerusform>
            <numerusform>{title}: {n} Sounds von {slots} kommen auf einen anderen Platz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>{title}: {n} model(s) of {slots} move to another slot.</source>
        <translation>
            <numerusform>{title}: {n} Modell von {slots} kommt auf einen anderen Platz.</numerusform>
            <numerusform>{title}: {n} Modelle von {slots} kommen auf einen anderen Platz.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Models are sorted by name only.</source>
        <translation>Modelle werden nur nach Namen sortiert.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The slots are in that order already; nothing to do.</source>
        <translation>Die Plätze sind bereits in dieser Reihenfolge; nichts zu tun.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Are you sure you want to arrange {slots}? {n} sound(s) move to another slot. Undo reverses it.</source>
        <translation>
            <numerusform>Möchten Sie {slots} wirklich anordnen? {n} Sound kommt auf einen anderen Platz. Rückgängig macht es ungeschehen.</numerusform>
            <numerusform>Möchten Sie {slots} wirklich anordnen? {n} Sounds kommen auf einen anderen Platz. Rückgängig macht es ungeschehen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to arrange {slots}? {n} model(s) move to another slot, and every sound keeps playing the same models. Undo reverses it.</source>
        <translation>
            <numerusform>Möchten Sie {slots} wirklich anordnen? {n} Modell kommt auf einen anderen Platz, und jeder Sound spielt weiter dieselben Modelle. Rückgängig macht es ungeschehen.</numerusform>
            <numerusform>Möchten Sie {slots} wirklich anordnen? {n} Modelle kommen auf einen anderen Platz, und jeder Sound spielt weiter dieselben Modelle. Rückgängig macht es ungeschehen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <location filename="../src/packs/Backup.cpp" line="+102"/>
        <source>&quot;{path}&quot; lies in {folder}, not spelled as the bank folder {bank}</source>
        <translation>„{path}“ liegt in {folder}, nicht so geschrieben wie der Bankordner {bank}</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;{path}&quot; lies in {folder}, not spelled as the slot folder {slot}</source>
        <translation>„{path}“ liegt in {folder}, nicht so geschrieben wie der Platzordner {slot}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;{path}&quot; is a file where a slot folder belongs</source>
        <translation>„{path}“ ist eine Datei, wo ein Platzordner hingehört</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>is no longer empty</source>
        <translation>ist nicht mehr leer</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>An edit is running on {database} ({reason}); nothing was written. Back up when it has finished.</source>
        <translation>Auf {database} läuft eine Änderung ({reason}); es wurde nichts geschrieben. Sichern Sie, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>{path} lies inside the database {database}, where the next backup would carry it. Nothing was written; choose a file outside the database folder.</source>
        <translation>{path} liegt in der Datenbank {database}, wo die nächste Sicherung die Datei mitnehmen würde. Es wurde nichts geschrieben; wählen Sie eine Datei außerhalb des Datenbankordners.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>An edit of {database} is unfinished; open it once (`slotsmith check`), then back up.</source>
        <translation>Eine Änderung von {database} ist nicht abgeschlossen; öffnen Sie die Datenbank einmal (`slotsmith check`) und sichern Sie dann.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>{path} would be taken for Slotsmith&apos;s own .slotsmith folder on many disks, so a backup cannot carry it. Nothing was written; rename it and back up again.</source>
        <translation>{path} würde auf vielen Datenträgern für Slotsmiths eigenen Ordner .slotsmith gehalten, daher kann eine Sicherung ihn nicht mitnehmen. Es wurde nichts geschrieben; benennen Sie ihn um und sichern Sie erneut.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{database}: {reason}, so no restore could bring it back as it is. Nothing was written; rename it and back up again.</source>
        <translation>{database}: {reason}, daher könnte keine Wiederherstellung es so zurückbringen, wie es ist. Es wurde nichts geschrieben; benennen Sie es um und sichern Sie erneut.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>{path} does not verify: {reason}</source>
        <translation>{path} besteht die Prüfung nicht: {reason}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it has no backup.json</source>
        <translation>Die Datei hat keine backup.json</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>backup.json is not a backup manifest</source>
        <translation>backup.json ist kein Sicherungsmanifest</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;{path}&quot; lies in Slotsmith&apos;s own .slotsmith folder (its lock and undo history), which no backup carries</source>
        <translation>„{path}“ liegt in Slotsmiths eigenem Ordner .slotsmith (seine Sperre und sein Verlauf), den keine Sicherung mitnimmt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;{path}&quot; is not in the manifest</source>
        <translation>„{path}“ steht nicht im Manifest</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;{path}&quot; does not match its sum</source>
        <translation>„{path}“ passt nicht zu seiner Prüfsumme</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&quot;{path}&quot; is missing</source>
        <translation>„{path}“ fehlt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>{path} is not empty; restore into a new or empty folder.</source>
        <translation>{path} ist nicht leer; stellen Sie in einen neuen oder leeren Ordner wieder her.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{path} is not a folder; restore into a new or empty folder.</source>
        <translation>{path} ist kein Ordner; stellen Sie in einen neuen oder leeren Ordner wieder her.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{reason}
Nothing was written.</source>
        <translation>{reason}
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>{path} was not restored: {reason}
Nothing was written.</source>
        <translation>{path} wurde nicht wiederhergestellt: {reason}
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>{path} was not restored: {reason}</source>
        <translation>{path} wurde nicht wiederhergestellt: {reason}</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../src/core/UserText.h" line="+35"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/ops/DeleteEdits.cpp" line="+91"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../src/ops/Consolidation.cpp" line="+68"/>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes - from #{from}</source>
        <translation>Ja – ab #{from}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Yes - all</source>
        <translation>Ja – alle</translation>
    </message>
    <message>
        <location filename="../src/ops/EditRunner.cpp" line="+198"/>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <location filename="../src/ops/Edits.cpp" line="+379"/>
        <location filename="../src/ops/FindReplace.cpp" line="+108"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/ops/FindReplace.cpp" line="-89"/>
        <source>Nice!</source>
        <translation>Prima!</translation>
    </message>
    <message>
        <location filename="../src/ops/HistoryEdits.cpp" line="+86"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ops/RestoreEdits.cpp" line="+94"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/ops/NamesExport.cpp" line="+34"/>
        <source>Good!</source>
        <translation>Gut!</translation>
    </message>
    <message>
        <location filename="../src/cli/DoctorCommand.cpp" line="+174"/>
        <location filename="../src/cli/HistoryCommand.cpp" line="+136"/>
        <source>Adopt</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>Changes</name>
    <message>
        <location filename="../src/ops/EditPlan.cpp" line="+55"/>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>is moved or deleted twice</source>
        <translation>wird zweimal verschoben oder gelöscht</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>lies in a folder the same edit moves</source>
        <translation>liegt in einem Ordner, den dieselbe Änderung verschiebt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>is a symbolic link or special file, not a folder; Slotsmith does not write through links</source>
        <translation>ist eine symbolische Verknüpfung oder eine besondere Datei, kein Ordner; Slotsmith schreibt nicht über Verknüpfungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the folder to write into does not exist</source>
        <translation>der Ordner, in den geschrieben werden soll, existiert nicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the folder is not writable</source>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>two changes of the edit go there</source>
        <translation>zwei Schritte der Änderung gehen dorthin</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the target is taken</source>
        <translation>das Ziel ist belegt</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>cannot {step}: {reason}</source>
        <translation>nicht möglich: {step}: {reason}</translation>
    </message>
    <message>
        <location filename="../src/ops/ReferenceRenumbering.cpp" line="+147"/>
        <source>the sound script cannot be read ({reason}), so its model references cannot be kept right</source>
        <translation>das Soundskript kann nicht gelesen werden ({reason}), daher können seine Modellverweise nicht stimmig gehalten werden</translation>
    </message>
    <message>
        <location filename="../src/ops/SlotRelocation.cpp" line="+20"/>
        <source>no free four-digit folder name is left in {path}</source>
        <translation>in {path} ist kein freier vierstelliger Ordnername mehr übrig</translation>
    </message>
    <message>
        <location line="+219"/>
        <source>{path} is a slot folder whose name is not in lower case. Rename it to {name} first; Slotsmith does not move slots around a name it cannot place.</source>
        <translation>{path} ist ein Platzordner, dessen Name nicht in Kleinbuchstaben geschrieben ist. Benennen Sie ihn zuerst in {name} um; Slotsmith verschiebt keine Plätze um einen Namen herum, den es nicht einordnen kann.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>{path} goes to {destination}, outside the bank</source>
        <translation>{path} kommt nach {destination}, außerhalb der Bank</translation>
    </message>
</context>
<context>
    <name>ClearReferences</name>
    <message>
        <location filename="../src/ops/FindReplace.cpp" line="+55"/>
        <source>Clear references to empty slots</source>
        <translation>Verweise auf leere Plätze löschen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No sound refers to an empty model slot.</source>
        <translation>Kein Sound verweist auf einen leeren Modellplatz.</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>Are you sure you want to set the {n} reference(s) to the empty model {slots} to -1 (no model)? Undo reverses it.</source>
        <translation>
            <numerusform>Möchten Sie den {n} Verweis auf das leere Modell {slots} wirklich auf -1 (kein Modell) setzen? Rückgängig macht es ungeschehen.</numerusform>
            <numerusform>Möchten Sie die {n} Verweise auf das leere Modell {slots} wirklich auf -1 (kein Modell) setzen? Rückgängig macht es ungeschehen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Consolidate</name>
    <message>
        <location filename="../src/ops/Consolidation.cpp" line="-60"/>
        <source>Consolidate database</source>
        <translation>Modellbank verdichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidation removes unused models, compacts the database so that the model numbering is contiguous and updates all sound references to the models that are moved.

Are you sure you want to consolidate your Neuron database now? Undo reverses it.</source>
        <translation>Das Verdichten entfernt unbenutzte Modelle, rückt die Datenbank zusammen, sodass die Modellnummern lückenlos sind, und passt alle Modellverweise der Sounds auf die verschobenen Modelle an.

Möchten Sie Ihre Neuron-Datenbank jetzt wirklich verdichten? Rückgängig macht es ungeschehen.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no model</source>
        <translation>kein Modell</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} unused model(s) ({slots})</source>
        <translation>
            <numerusform>{n} unbenutztes Modell ({slots})</numerusform>
            <numerusform>{n} unbenutzte Modelle ({slots})</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It removes {dropped}.</source>
        <translation>Es entfernt {dropped}.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From #{from} on it removes {droppedFrom}.</source>
        <translation>Ab #{from} entfernt es {droppedFrom}.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Yes - all&quot; removes {dropped}; &quot;Yes - from #{from}&quot; removes {droppedFrom}.</source>
        <translation>„Ja – alle“ entfernt {dropped}; „Ja – ab #{from}“ entfernt {droppedFrom}.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Models are numbered from 0 to 999.</source>
        <translation>Modelle sind von 0 bis 999 nummeriert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing was changed: the script of sound {sound} cannot be read, so the models it refers to are not known ({path}). Check that it can be read, then try again.</source>
        <translation>Es wurde nichts geändert: Das Skript von Sound {sound} kann nicht gelesen werden, daher sind die Modelle, auf die er verweist, nicht bekannt ({path}). Prüfen Sie, ob es gelesen werden kann, und versuchen Sie es dann erneut.</translation>
    </message>
</context>
<context>
    <name>Copy</name>
    <message>
        <location filename="../src/ops/BlockEdits.cpp" line="+23"/>
        <source>Copy sounds</source>
        <translation>Sounds kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copying sounds...</source>
        <translation>Sounds werden kopiert...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to copy {count} sounds starting at slot#{first} to slot#{destination}? Undo reverses it.</source>
        <translation>Möchten Sie wirklich {count} Sounds ab Platz #{first} nach Platz #{destination} kopieren? Rückgängig macht es ungeschehen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Copy models</source>
        <translation>Modelle kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copying models...</source>
        <translation>Modelle werden kopiert...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to copy {count} models starting at slot #{first} to slot #{destination}? Undo reverses it.</source>
        <translation>Möchten Sie wirklich {count} Modelle ab Platz #{first} nach Platz #{destination} kopieren? Rückgängig macht es ungeschehen.</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message numerus="yes">
        <location filename="../src/ops/HistoryEdits.cpp" line="-21"/>
        <location filename="../src/ops/RestoreEdits.cpp" line="-10"/>
        <source>{n} sound slot(s)</source>
        <translation>
            <numerusform>{n} Soundplatz</numerusform>
            <numerusform>{n} Soundplätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location filename="../src/ops/RestoreEdits.cpp" line="+2"/>
        <source>{n} model slot(s)</source>
        <translation>
            <numerusform>{n} Modellplatz</numerusform>
            <numerusform>{n} Modellplätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/library/UserDataFileCommands.cpp" line="+20"/>
        <source>{n} sound(s)</source>
        <translation>
            <numerusform>{n} Sound</numerusform>
            <numerusform>{n} Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} tag(s)</source>
        <translation>
            <numerusform>{n} Schlagwort</numerusform>
            <numerusform>{n} Schlagwörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} rule(s)</source>
        <translation>
            <numerusform>{n} Regel</numerusform>
            <numerusform>{n} Regeln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} list(s)</source>
        <translation>
            <numerusform>{n} Liste</numerusform>
            <numerusform>{n} Listen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} source(s)</source>
        <translation>
            <numerusform>{n} Quelle</numerusform>
            <numerusform>{n} Quellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ops/Doctor.cpp" line="+454"/>
        <source>{n} byte(s)</source>
        <translation>
            <numerusform>{n} Byte</numerusform>
            <numerusform>{n} Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/core/Database.cpp" line="+236"/>
        <location line="+6"/>
        <source>no database is open</source>
        <translation>es ist keine Datenbank geöffnet</translation>
    </message>
</context>
<context>
    <name>Dedupe</name>
    <message>
        <location filename="../src/ops/DedupeEdits.cpp" line="+16"/>
        <source>Dedupe models</source>
        <translation>Doppelte Modelle zusammenführen</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Are you sure you want to point every reference to a duplicate model at the lowest slot of its group and delete the {n} other cop(y|ies)? Undo reverses it.

Identical models:</source>
        <translation>
            <numerusform>Möchten Sie wirklich jeden Verweis auf ein doppeltes Modell auf den niedrigsten Platz seiner Gruppe richten und die {n} andere Kopie löschen? Rückgängig macht es ungeschehen.

Gleiche Modelle:</numerusform>
            <numerusform>Möchten Sie wirklich jeden Verweis auf ein doppeltes Modell auf den niedrigsten Platz seiner Gruppe richten und die {n} anderen Kopien löschen? Rückgängig macht es ungeschehen.

Gleiche Modelle:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>... and {n} more group(s)</source>
        <translation>
            <numerusform>... und {n} weitere Gruppe</numerusform>
            <numerusform>... und {n} weitere Gruppen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing was changed: these models cannot be read and compared:</source>
        <translation>Es wurde nichts geändert: Diese Modelle können nicht gelesen und verglichen werden:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No two models are identical.</source>
        <translation>Keine zwei Modelle sind gleich.</translation>
    </message>
</context>
<context>
    <name>Delete</name>
    <message>
        <location filename="../src/ops/DeleteEdits.cpp" line="-42"/>
        <source>Are you sure you want to delete or remove {count} selected sounds now? Undo reverses it.

Deleting leaves empty slots, remove moves the remaining sounds up.</source>
        <translation>Möchten Sie die {count} ausgewählten Sounds jetzt wirklich löschen oder entfernen? Rückgängig macht es ungeschehen.

Löschen hinterlässt leere Plätze, Entfernen rückt die übrigen Sounds nach oben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are you sure you want to delete or remove {count} selected models now? Undo reverses it.

Deleting leaves empty slots, remove moves the remaining models up.</source>
        <translation>Möchten Sie die {count} ausgewählten Modelle jetzt wirklich löschen oder entfernen? Rückgängig macht es ungeschehen.

Löschen hinterlässt leere Plätze, Entfernen rückt die übrigen Modelle nach oben.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>The selected sound(s): {slots}.</source>
        <translation>
            <numerusform>Der ausgewählte Sound: {slots}.</numerusform>
            <numerusform>Die ausgewählten Sounds: {slots}.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>The selected model(s): {slots}.</source>
        <translation>
            <numerusform>Das ausgewählte Modell: {slots}.</numerusform>
            <numerusform>Die ausgewählten Modelle: {slots}.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>{n} sound(s) (uses|use) it: {sounds}. Deleting leaves (it|them) referring to empty model slots; removing sets (its|their) references to no model (-1).</source>
        <translation>
            <numerusform>{n} Sound benutzt es: {sounds}. Löschen lässt ihn auf einen leeren Modellplatz verweisen; Entfernen setzt seine Verweise auf kein Modell (-1).</numerusform>
            <numerusform>{n} Sounds benutzen es: {sounds}. Löschen lässt sie auf einen leeren Modellplatz verweisen; Entfernen setzt ihre Verweise auf kein Modell (-1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>{n} sound(s) (uses|use) them: {sounds}. Deleting leaves (it|them) referring to empty model slots; removing sets (its|their) references to no model (-1).</source>
        <translation>
            <numerusform>{n} Sound benutzt sie: {sounds}. Löschen lässt ihn auf leere Modellplätze verweisen; Entfernen setzt seine Verweise auf kein Modell (-1).</numerusform>
            <numerusform>{n} Sounds benutzen sie: {sounds}. Löschen lässt sie auf leere Modellplätze verweisen; Entfernen setzt ihre Verweise auf kein Modell (-1).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Delete/remove selected sounds</source>
        <translation>Ausgewählte Sounds löschen/entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete/remove selected models</source>
        <translation>Ausgewählte Modelle löschen/entfernen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Delete sounds</source>
        <translation>Sounds löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete models</source>
        <translation>Modelle löschen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Remove sounds</source>
        <translation>Sounds entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove models</source>
        <translation>Modelle entfernen</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <location filename="../src/core/DemoDatabase.cpp" line="+176"/>
        <source>is not empty; the demo goes into a new folder</source>
        <translation>ist nicht leer; die Demo kommt in einen neuen Ordner</translation>
    </message>
</context>
<context>
    <name>DialogTexts</name>
    <message>
        <location filename="../src/app/AppDialogs.cpp" line="+111"/>
        <source>About Slotsmith</source>
        <translation>Über Slotsmith</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;h3&gt;Slotsmith %1&lt;/h3&gt;&lt;p&gt;Organises the sound database of a Neuron synthesizer: 1000 sound slots and 1000 model slots, with every sound&apos;s model references kept consistent by every edit.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Slotsmith %1&lt;/h3&gt;&lt;p&gt;Organisiert die Sounddatenbank eines Neuron-Synthesizers: 1000 Soundplätze und 1000 Modellplätze, wobei jede Änderung die Modellverweise aller Sounds stimmig hält.&lt;/p&gt;&lt;p&gt;Lizenz: GNU General Public License, Version 3 oder später (GPL-3.0-or-later).&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, läuft mit Qt %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Nothing is damaged or left over in this database.</source>
        <translation>In dieser Datenbank ist nichts beschädigt oder übrig geblieben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Found in this database: %1.</source>
        <translation>In dieser Datenbank gefunden: %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Found in this database: %1; and %2 (see Show Details).</source>
        <translation>In dieser Datenbank gefunden: %1; und %2 (siehe Details einblenden).</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n more thing(s)</source>
        <translation>
            <numerusform>%n weiterer Befund</numerusform>
            <numerusform>%n weitere Befunde</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fix clears what is provably left over, with the database locked as for an edit; the rest is only reported, for you to judge.</source>
        <translation>Beheben entfernt, was nachweislich übrig geblieben ist, wobei die Datenbank wie bei einer Änderung gesperrt wird; der Rest wird nur gemeldet, damit Sie ihn beurteilen können.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>None of it is provably left over, so nothing is cleared from here: only you can judge it.</source>
        <translation>Nichts davon ist nachweislich übrig geblieben, daher wird hier nichts entfernt: Nur Sie können es beurteilen.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>For your information: %n reference(s) point at empty model slots. The synthesizer plays such a reference as no model; Find &amp; Replace Model (Ctrl+H) can point them at another model, and Clear References to Empty Slots sets them all to none (-1), undoably.</source>
        <translation>
            <numerusform>Zur Information: %n Verweis zeigt auf einen leeren Modellplatz. Der Synthesizer spielt einen solchen Verweis als kein Modell; Modell suchen und ersetzen (Ctrl+H) kann ihn auf ein anderes Modell richten, und Verweise auf leere Plätze aufheben setzt ihn auf keines (-1), was sich rückgängig machen lässt.</numerusform>
            <numerusform>Zur Information: %n Verweise zeigen auf leere Modellplätze. Der Synthesizer spielt einen solchen Verweis als kein Modell; Modell suchen und ersetzen (Ctrl+H) kann sie auf ein anderes Modell richten, und Verweise auf leere Plätze aufheben setzt sie alle auf keines (-1), was sich rückgängig machen lässt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Database Health</source>
        <translation>Datenbankzustand</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fix</source>
        <translation>Beheben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear References to Empty Slots</source>
        <translation>Verweise auf leere Plätze aufheben</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p&gt;&lt;b&gt;Open&lt;/b&gt; a database folder by dropping it on the drop zone, with File ▸ Open Database… (Ctrl+O), or as the argument of slotsmith-gui.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Move&lt;/b&gt; slots by dragging their rows between two rows of the same list; hold &lt;b&gt;Ctrl&lt;/b&gt; while dropping to &lt;b&gt;copy&lt;/b&gt; them. The line between the rows shows where the block will start; the rows the drop will move are tinted and the status bar says what will happen. A filtered list takes no drops.&lt;/p&gt;&lt;p&gt;Moved &lt;b&gt;towards the top&lt;/b&gt;, a block pushes the slots between down into its old place. Moved &lt;b&gt;towards the bottom&lt;/b&gt;, it leaves its old slots empty and pushes every slot from the drop row on down by its size: moving sounds 5–7 to 13 leaves 5–7 empty, and slots pushed past 999 leave the bank (the confirmation names them).&lt;/p&gt;&lt;p&gt;The &lt;b&gt;map&lt;/b&gt; beside each list shows its 1000 slots: click a cell to select the slot, drag across cells to select a range.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Öffnen&lt;/b&gt; Sie einen Datenbankordner, indem Sie ihn auf der Ablagefläche ablegen, mit Datei ▸ Datenbank öffnen… (Ctrl+O) oder als Argument von slotsmith-gui.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Verschieben&lt;/b&gt; Sie Plätze, indem Sie ihre Zeilen zwischen zwei Zeilen derselben Liste ziehen; halten Sie beim Ablegen &lt;b&gt;Ctrl&lt;/b&gt; gedrückt, um sie zu &lt;b&gt;kopieren&lt;/b&gt;. Die Linie zwischen den Zeilen zeigt, wo der Block beginnen wird; die Zeilen, die das Ablegen verschiebt, sind eingefärbt, und die Statusleiste sagt, was geschehen wird. Auf einer gefilterten Liste kann nichts abgelegt werden.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Nach oben&lt;/b&gt; verschoben, schiebt ein Block die Plätze dazwischen nach unten an seine alte Stelle. &lt;b&gt;Nach unten&lt;/b&gt; verschoben, lässt er seine alten Plätze leer und schiebt jeden Platz ab der Ablagezeile um seine Größe nach unten: Werden die Sounds 5–7 nach 13 verschoben, bleiben 5–7 leer, und Plätze, die über 999 hinaus geschoben werden, verlassen die Bank (die Bestätigung nennt sie).&lt;/p&gt;&lt;p&gt;Die &lt;b&gt;Karte&lt;/b&gt; neben jeder Liste zeigt ihre 1000 Plätze: Klicken Sie auf eine Zelle, um den Platz auszuwählen, und ziehen Sie über Zellen, um einen Bereich auszuwählen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;p&gt;Drop a &lt;b&gt;sound pack&lt;/b&gt; (.zip) from the file manager between two rows of the sound list to import its sounds there with their models; Sounds ▸ Export Selection as Pack… (Ctrl+Shift+E) writes one, and File ▸ Open Sound Pack… shows one read only.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Legen Sie ein &lt;b&gt;Soundpaket&lt;/b&gt; (.zip) aus dem Dateimanager zwischen zwei Zeilen der Soundliste ab, um seine Sounds dort mit ihren Modellen zu importieren; Sounds ▸ Auswahl als Paket exportieren… (Ctrl+Shift+E) schreibt eines, und Datei ▸ Soundpaket öffnen… zeigt eines schreibgeschützt an.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&lt;table&gt;&lt;tr&gt;&lt;td&gt;Tab, Shift+Tab&lt;/td&gt;&lt;td&gt;filter fields, lists, check box&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Arrows, Page Up/Down, Home/End&lt;/td&gt;&lt;td&gt;move in a list; with Shift or Ctrl: extend the selection&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;undo / redo the last edit, at once: each reverses the other&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2, double click on a name&lt;/td&gt;&lt;td&gt;rename the slot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Delete&lt;/td&gt;&lt;td&gt;delete or remove the selected rows&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+C / Ctrl+Shift+M&lt;/td&gt;&lt;td&gt;copy / move selected sounds to a slot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Alt+C / Ctrl+Alt+M&lt;/td&gt;&lt;td&gt;copy / move selected models to a slot&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+F / Ctrl+Shift+F&lt;/td&gt;&lt;td&gt;filter the sound / model list: name text, model:12, unused, disabled, empty; Esc clears&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+H&lt;/td&gt;&lt;td&gt;find and replace a model in the selected sounds&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+K&lt;/td&gt;&lt;td&gt;consolidate the models&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+D&lt;/td&gt;&lt;td&gt;find duplicate models and sounds&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+D&lt;/td&gt;&lt;td&gt;compare the two selected sounds&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R, double click on a number or a model&lt;/td&gt;&lt;td&gt;show the slot&apos;s file in the file manager&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;reload the database from disk&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+W&lt;/td&gt;&lt;td&gt;write SoundNames and ModelNames&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+2&lt;/td&gt;&lt;td&gt;bring the slot lists to the front&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table&gt;&lt;tr&gt;&lt;td&gt;Tab, Shift+Tab&lt;/td&gt;&lt;td&gt;Filterfelder, Listen, Kontrollkästchen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Pfeiltasten, Bild auf/ab, Pos1/Ende&lt;/td&gt;&lt;td&gt;in einer Liste bewegen; mit Shift oder Ctrl: die Auswahl erweitern&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Z / Ctrl+Shift+Z&lt;/td&gt;&lt;td&gt;die letzte Änderung rückgängig machen / wiederholen, sofort: jedes hebt das andere auf&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2, Doppelklick auf einen Namen&lt;/td&gt;&lt;td&gt;den Platz umbenennen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Entf&lt;/td&gt;&lt;td&gt;die ausgewählten Zeilen löschen oder entfernen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+C / Ctrl+Shift+M&lt;/td&gt;&lt;td&gt;ausgewählte Sounds auf einen Platz kopieren / verschieben&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Alt+C / Ctrl+Alt+M&lt;/td&gt;&lt;td&gt;ausgewählte Modelle auf einen Platz kopieren / verschieben&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+F / Ctrl+Shift+F&lt;/td&gt;&lt;td&gt;die Sound- / Modellliste filtern: Namenstext, model:12, unused, disabled, empty; Esc leert den Filter&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+H&lt;/td&gt;&lt;td&gt;ein Modell in den ausgewählten Sounds suchen und ersetzen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+K&lt;/td&gt;&lt;td&gt;die Modellbank verdichten&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+D&lt;/td&gt;&lt;td&gt;doppelte Modelle und Sounds finden&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+D&lt;/td&gt;&lt;td&gt;die beiden ausgewählten Sounds vergleichen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+R, Doppelklick auf eine Nummer oder ein Modell&lt;/td&gt;&lt;td&gt;die Datei des Platzes im Dateimanager zeigen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F5&lt;/td&gt;&lt;td&gt;die Datenbank neu von der Festplatte laden&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+W&lt;/td&gt;&lt;td&gt;SoundNames und ModelNames schreiben&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+2&lt;/td&gt;&lt;td&gt;die Platzlisten nach vorn holen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&lt;p&gt;&lt;b&gt;Library&lt;/b&gt;: drag sounds, or a whole list from the sidebar, between two rows of the sound list to place them there with their models. Drag sounds onto a list in the sidebar to add them; drag them within a list to reorder it. Drop a folder or a pack on the window to add it as a source.&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+L&lt;/td&gt;&lt;td&gt;the Library window&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+L&lt;/td&gt;&lt;td&gt;show the selected sound in the Library&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+F&lt;/td&gt;&lt;td&gt;in the Library: to the search field; Down or Return: on to the sounds found&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Esc&lt;/td&gt;&lt;td&gt;in the Library: clear the search, then close the window&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F / H&lt;/td&gt;&lt;td&gt;in the Library&apos;s list: favourite / hide the selection&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Delete&lt;/td&gt;&lt;td&gt;in the tags of a sound: take the chosen tag off&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;in the Library&apos;s sidebar: rename the chosen list&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Bibliothek&lt;/b&gt;: Ziehen Sie Sounds oder eine ganze Liste aus der Seitenleiste zwischen zwei Zeilen der Soundliste, um sie dort mit ihren Modellen einzusetzen. Ziehen Sie Sounds auf eine Liste in der Seitenleiste, um sie hinzuzufügen; ziehen Sie sie innerhalb einer Liste, um deren Reihenfolge zu ändern. Ordner und Pakete, die Sie auf dem Fenster ablegen, werden als Quelle hinzugefügt.&lt;/p&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Ctrl+L&lt;/td&gt;&lt;td&gt;das Bibliotheksfenster&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+Shift+L&lt;/td&gt;&lt;td&gt;den ausgewählten Sound in der Bibliothek zeigen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Ctrl+F&lt;/td&gt;&lt;td&gt;in der Bibliothek: zum Suchfeld; Pfeil nach unten oder Eingabe: weiter zu den gefundenen Sounds&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Esc&lt;/td&gt;&lt;td&gt;in der Bibliothek: die Suche leeren, dann das Fenster schließen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F / H&lt;/td&gt;&lt;td&gt;in der Liste der Bibliothek: die Auswahl als Favorit markieren / ausblenden&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Entf&lt;/td&gt;&lt;td&gt;in den Schlagwörtern eines Sounds: das gewählte Schlagwort entfernen&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;F2&lt;/td&gt;&lt;td&gt;in der Seitenleiste der Bibliothek: die gewählte Liste umbenennen&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Keyboard and Drag and Drop</source>
        <translation>Tastatur und Ziehen und Ablegen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Slotsmith User Guide</source>
        <translation>Slotsmith-Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <location filename="../src/cli/DoctorCommand.cpp" line="-153"/>
        <source>unfinished edit</source>
        <translation>unfertige Änderung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>leftover folder</source>
        <translation>übrig gebliebener Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>leftover file</source>
        <translation>übrig gebliebene Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>overflow folder</source>
        <translation>Überlaufordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reference to an empty slot</source>
        <translation>Verweis auf einen leeren Platz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stale lock</source>
        <translation>verwaiste Sperre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>set aside</source>
        <translation>beiseitegelegt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>damaged sound</source>
        <translation>beschädigter Sound</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>reference key given twice</source>
        <translation>Verweisschlüssel doppelt angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>history made elsewhere</source>
        <translation>anderswo entstandener Verlauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>hidden slot folder</source>
        <translation>versteckter Platzordner</translation>
    </message>
    <message>
        <location filename="../src/ops/Doctor.cpp" line="-388"/>
        <source>a file named like the temporary files of earlier versions, which an interrupted write left behind: remove it yourself if it is not yours</source>
        <translation>eine Datei, benannt wie die temporären Dateien früherer Versionen, die ein unterbrochener Schreibvorgang hinterlassen hat: Entfernen Sie sie selbst, wenn sie nicht Ihnen gehört</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>a sound slot folder inside another slot folder, where neither the synthesizer nor Slotsmith sees it: move it into a free slot of {bank} yourself to keep it</source>
        <translation>ein Soundplatz-Ordner in einem anderen Platzordner, wo weder der Synthesizer noch Slotsmith ihn sieht: Verschieben Sie ihn selbst auf einen freien Platz in {bank}, um ihn zu behalten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a model slot folder inside another slot folder, where neither the synthesizer nor Slotsmith sees it: move it into a free slot of {bank} yourself to keep it</source>
        <translation>ein Modellplatz-Ordner in einem anderen Platzordner, wo weder der Synthesizer noch Slotsmith ihn sieht: Verschieben Sie ihn selbst auf einen freien Platz in {bank}, um ihn zu behalten</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>an empty folder named like the temporary folders of earlier versions: remove it yourself if it is not yours</source>
        <translation>ein leerer Ordner, benannt wie die temporären Ordner früherer Versionen: Entfernen Sie ihn selbst, wenn er nicht Ihnen gehört</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a folder named like the temporary folders of earlier versions, not empty: look into it and move what you want to keep into a free slot yourself</source>
        <translation>ein Ordner, benannt wie die temporären Ordner früherer Versionen, nicht leer: Sehen Sie hinein und verschieben Sie selbst, was Sie behalten möchten, auf einen freien Platz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>an overflow folder: a slot an edit pushed past 999, no longer in the bank; move it into a free slot to keep it</source>
        <translation>ein Überlaufordner: ein Platz, den eine Änderung über 999 hinausgeschoben hat, nicht mehr in der Bank; verschieben Sie ihn auf einen freien Platz, um ihn zu behalten</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>sound {sound}: its sound.script gives the reference key {key} on more than one line; only the first counts, and edits renumber every line alike</source>
        <translation>Sound {sound}: Sein sound.script nennt den Verweisschlüssel {key} in mehr als einer Zeile; nur die erste zählt, und Änderungen nummerieren jede Zeile gleich um</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>sound {sound}: its sound.script cannot be read ({reason}); it lists as a sound all the same, without a name or with a wrong one: put the file back from a backup, or delete the sound</source>
        <translation>Sound {sound}: Sein sound.script kann nicht gelesen werden ({reason}); er erscheint trotzdem als Sound, ohne Namen oder mit einem falschen: Holen Sie die Datei aus einer Sicherung zurück oder löschen Sie den Sound</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>sound {sound}: its sound.script {damage}; it lists as a sound all the same, without a name or with a wrong one: put the file back from a backup, or delete the sound</source>
        <translation>Sound {sound}: Sein sound.script: {damage}; er erscheint trotzdem als Sound, ohne Namen oder mit einem falschen: Holen Sie die Datei aus einer Sicherung zurück oder löschen Sie den Sound</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>an unfinished edit made elsewhere, which Slotsmith does not carry out</source>
        <translation>eine anderswo gemachte, nicht abgeschlossene Änderung, die Slotsmith nicht ausführt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an unfinished edit made elsewhere &quot;{title}&quot;, which Slotsmith does not carry out</source>
        <translation>eine anderswo gemachte, nicht abgeschlossene Änderung „{title}“, die Slotsmith nicht ausführt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>an interrupted edit that could be neither finished nor rolled back</source>
        <translation>eine unterbrochene Änderung, die weder abgeschlossen noch zurückgerollt werden konnte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an interrupted edit &quot;{title}&quot; that could be neither finished nor rolled back</source>
        <translation>eine unterbrochene Änderung „{title}“, die weder abgeschlossen noch zurückgerollt werden konnte</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it names no folder of the database it took out. --fix sets the entry aside whole in .slotsmith/aside, and edits run again</source>
        <translation>sie nennt keinen Ordner der Datenbank, den sie herausgenommen hat. --fix legt den Eintrag als Ganzes in .slotsmith/aside beiseite, und Änderungen laufen wieder</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>its journal is missing or proves nothing, so where the {n} (folder or file|folders and files) in its kept/ and moving/ came from is not known. --fix sets the entry aside whole in .slotsmith/aside, where you can look into them, and edits run again</source>
        <translation>
            <numerusform>ihr Journal fehlt oder beweist nichts, daher ist nicht bekannt, woher {n} Ordner oder Datei in ihren Ordnern kept/ und moving/ stammt. --fix legt den Eintrag als Ganzes in .slotsmith/aside beiseite, wo Sie hineinsehen können, und Änderungen laufen wieder</numerusform>
            <numerusform>ihr Journal fehlt oder beweist nichts, daher ist nicht bekannt, woher die {n} Ordner und Dateien in ihren Ordnern kept/ und moving/ stammen. --fix legt den Eintrag als Ganzes in .slotsmith/aside beiseite, wo Sie hineinsehen können, und Änderungen laufen wieder</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>{path} lies in the entry as {name}</source>
        <translation>{path} liegt im Eintrag als {name}</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>out of its place: {list}</source>
        <translation>nicht an seinem Platz: {list}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>every slot folder it names is in its place</source>
        <translation>jeder Platzordner, den sie nennt, ist an seinem Platz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--fix sets the entry aside whole in .slotsmith/aside, touching no slot, and edits run again; --fix --adopt, if it is your own, checks it and finishes or rolls it back</source>
        <translation>--fix legt den Eintrag als Ganzes in .slotsmith/aside beiseite, ohne einen Platz anzurühren, und Änderungen laufen wieder; --fix --adopt prüft sie, wenn sie Ihre eigene ist, und schließt sie ab oder rollt sie zurück</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>every slot folder it took out is in its place</source>
        <translation>jeder Platzordner, den sie herausgenommen hat, ist an seinem Platz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its journal is whole: --fix takes it on to the state after it wherever the places are free</source>
        <translation>Ihr Journal ist vollständig: --fix führt sie zum Zustand nach ihr weiter, wo immer die Plätze frei sind</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its journal is whole: --fix takes it on to the state before it wherever the places are free</source>
        <translation>Ihr Journal ist vollständig: --fix führt sie zum Zustand vor ihr zurück, wo immer die Plätze frei sind</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--fix puts each back where it is free</source>
        <translation>--fix legt jeden zurück, wo der Platz frei ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>--fix then sets the entry aside in .slotsmith/aside, and edits run again</source>
        <translation>--fix legt den Eintrag danach in .slotsmith/aside beiseite, und Änderungen laufen wieder</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>{reason}. Slotsmith makes that folder itself: remove the link (what it points to is not this database&apos;s history)</source>
        <translation>{reason}. Slotsmith legt diesen Ordner selbst an: Entfernen Sie den Link (worauf er zeigt, ist nicht der Verlauf dieser Datenbank)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the undo history cannot be read ({reason}), so whether an edit is unfinished is not known</source>
        <translation>der Rückgängig-Verlauf kann nicht gelesen werden ({reason}), daher ist nicht bekannt, ob eine Änderung unfertig ist</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the edit &quot;{title}&quot; ({state}) was made elsewhere (on another computer, by another user or an earlier version): it is never undone or redone here; `slotsmith history DB --adopt` makes it yours if it is</source>
        <translation>die Änderung „{title}“ ({state}) wurde anderswo gemacht (auf einem anderen Computer, von einem anderen Benutzer oder einer früheren Version): Sie wird hier nie rückgängig gemacht oder wiederhergestellt; `slotsmith history DB --adopt` macht sie zu Ihrer, wenn sie es ist</translation>
    </message>
    <message numerus="yes">
        <location line="+34"/>
        <source>an edit&apos;s folder set aside, holding {n} slot (folder or file|folders or files) ({size}) that may be all that is left of them: look into it, move what you want to keep into free slots, then `slotsmith doctor DB --clear-aside {name}` deletes it</source>
        <translation>
            <numerusform>ein beiseitegelegter Ordner einer Änderung mit {n} Platzordner oder Platzdatei ({size}), die womöglich alles ist, was davon übrig ist: Sehen Sie hinein, verschieben Sie, was Sie behalten möchten, auf freie Plätze, dann löscht ihn `slotsmith doctor DB --clear-aside {name}`</numerusform>
            <numerusform>ein beiseitegelegter Ordner einer Änderung mit {n} Platzordnern oder Platzdateien ({size}), die womöglich alles sind, was davon übrig ist: Sehen Sie hinein, verschieben Sie, was Sie behalten möchten, auf freie Plätze, dann löscht ihn `slotsmith doctor DB --clear-aside {name}`</numerusform>
        </translation>
    </message>
    <message>
        <location line="+65"/>
        <source>sound {sound}: its sound.script is not the one the edit left (the edit&apos;s is set aside), so its references may name other models than before the edit</source>
        <translation>Sound {sound}: Sein sound.script ist nicht das, das die Änderung hinterlassen hat (das der Änderung ist beiseitegelegt), daher können seine Verweise andere Modelle nennen als vor der Änderung</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>sound {sound} refers to model slot {model}, which holds another model than before the edit (the edit&apos;s is set aside)</source>
        <translation>Sound {sound} verweist auf Modellplatz {model}, der ein anderes Modell enthält als vor der Änderung (das der Änderung ist beiseitegelegt)</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>the lock names {holder}, which is not running: that edit was interrupted (the lock itself is free)</source>
        <translation>die Sperre nennt {holder}; dieser Prozess läuft nicht mehr: Jene Änderung wurde unterbrochen (die Sperre selbst ist frei)</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>sound {sound} refers to model slot {model}, which is empty</source>
        <translation>Sound {sound} verweist auf Modellplatz {model}, der leer ist</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The lock {path} cannot be taken ({reason}); nothing was cleared.</source>
        <translation>Die Sperre {path} kann nicht gesetzt werden ({reason}); es wurde nichts bereinigt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Another edit is running on this database ({reason}); nothing was cleared.</source>
        <translation>Auf dieser Datenbank läuft gerade eine andere Änderung ({reason}); es wurde nichts bereinigt.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>&quot;{name}&quot; is not the name of a folder set aside.</source>
        <translation>„{name}“ ist nicht der Name eines beiseitegelegten Ordners.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{path} does not exist; `slotsmith doctor` lists what is set aside.</source>
        <translation>{path} existiert nicht; `slotsmith doctor` listet auf, was beiseitegelegt ist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The lock {path} cannot be taken ({reason}); nothing was deleted.</source>
        <translation>Die Sperre {path} kann nicht gesetzt werden ({reason}); es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The lock {path} cannot be taken ({reason}); nothing was adopted.</source>
        <translation>Die Sperre {path} kann nicht gesetzt werden ({reason}); es wurde nichts übernommen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>{path} has no journal to adopt; --fix sets it aside instead.</source>
        <translation>{path} hat kein Journal, das übernommen werden könnte; --fix legt ihn stattdessen beiseite.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{path}/journal is damaged ({reason}); it cannot be adopted, --fix sets it aside instead.</source>
        <translation>{path}/journal ist beschädigt ({reason}); er kann nicht übernommen werden, --fix legt ihn stattdessen beiseite.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>{path} was written by a much earlier version and cannot be adopted; --fix sets it aside instead.</source>
        <translation>{path} wurde von einer viel früheren Version geschrieben und kann nicht übernommen werden; --fix legt ihn stattdessen beiseite.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{path}/journal {reason}; it cannot be adopted.</source>
        <translation>{path}/journal: {reason}; er kann nicht übernommen werden.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>its undo data is not whole: {path} is missing</source>
        <translation>ihre Rückgängig-Daten sind nicht vollständig: {path} fehlt</translation>
    </message>
</context>
<context>
    <name>Drop</name>
    <message>
        <location filename="../src/ops/DropPreview.cpp" line="+35"/>
        <source>sound {slot} moves down by {shift}</source>
        <translation>Sound {slot} verschiebt sich um {shift} nach unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sound {slot} moves up by {shift}</source>
        <translation>Sound {slot} verschiebt sich um {shift} nach oben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>model {slot} moves down by {shift}</source>
        <translation>Modell {slot} verschiebt sich um {shift} nach unten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>model {slot} moves up by {shift}</source>
        <translation>Modell {slot} verschiebt sich um {shift} nach oben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>sounds {first}–{last} move down by {shift}</source>
        <translation>Sounds {first}–{last} verschieben sich um {shift} nach unten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sounds {first}–{last} move up by {shift}</source>
        <translation>Sounds {first}–{last} verschieben sich um {shift} nach oben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>models {first}–{last} move down by {shift}</source>
        <translation>Modelle {first}–{last} verschieben sich um {shift} nach unten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>models {first}–{last} move up by {shift}</source>
        <translation>Modelle {first}–{last} verschieben sich um {shift} nach oben</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Copy {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>{n} Sound nach Platz {destination} kopieren</numerusform>
            <numerusform>{n} Sounds nach Platz {destination} kopieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Copy {n} model(s) to slot {destination}</source>
        <translation>
            <numerusform>{n} Modell nach Platz {destination} kopieren</numerusform>
            <numerusform>{n} Modelle nach Platz {destination} kopieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Move {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>{n} Sound nach Platz {destination} verschieben</numerusform>
            <numerusform>{n} Sounds nach Platz {destination} verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Move {n} model(s) to slot {destination}</source>
        <translation>
            <numerusform>{n} Modell nach Platz {destination} verschieben</numerusform>
            <numerusform>{n} Modelle nach Platz {destination} verschieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Import {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>{n} Sound nach Platz {destination} importieren</numerusform>
            <numerusform>{n} Sounds nach Platz {destination} importieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Place {n} sound(s) to slot {destination}</source>
        <translation>
            <numerusform>{n} Sound an Platz {destination} einsetzen</numerusform>
            <numerusform>{n} Sounds an Platz {destination} einsetzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>A block of {n} sound(s) does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</source>
        <translation>
            <numerusform>Ein Block aus {n} Sound passt nicht auf Platz #{destination}: Die Bank endet bei Platz #999, daher kann der Block spätestens bei Platz #{latest} beginnen.</numerusform>
            <numerusform>Ein Block aus {n} Sounds passt nicht auf Platz #{destination}: Die Bank endet bei Platz #999, daher kann der Block spätestens bei Platz #{latest} beginnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>A block of {n} model(s) does not fit at slot #{destination}: the bank ends at slot #999, so the block can start at slot #{latest} at the latest.</source>
        <translation>
            <numerusform>Ein Block aus {n} Modell passt nicht auf Platz #{destination}: Die Bank endet bei Platz #999, daher kann der Block spätestens bei Platz #{latest} beginnen.</numerusform>
            <numerusform>Ein Block aus {n} Modellen passt nicht auf Platz #{destination}: Die Bank endet bei Platz #999, daher kann der Block spätestens bei Platz #{latest} beginnen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+57"/>
        <source>nothing moves</source>
        <translation>nichts verschiebt sich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no other sound moves</source>
        <translation>kein anderer Sound verschiebt sich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no other model moves</source>
        <translation>kein anderes Modell verschiebt sich</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>{runs} and {n} more run(s) of sounds</source>
        <translation>
            <numerusform>{runs} und {n} weitere Reihe von Sounds</numerusform>
            <numerusform>{runs} und {n} weitere Reihen von Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{runs} and {n} more run(s) of models</source>
        <translation>
            <numerusform>{runs} und {n} weitere Reihe von Modellen</numerusform>
            <numerusform>{runs} und {n} weitere Reihen von Modellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>the references of {n} sound(s) follow</source>
        <translation>
            <numerusform>die Verweise von {n} Sound folgen</numerusform>
            <numerusform>die Verweise von {n} Sounds folgen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>none leave the bank</source>
        <translation>nichts verlässt die Bank</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>{n} occupied sound(s) (leaves|leave) the bank</source>
        <translation>
            <numerusform>{n} belegter Sound verlässt die Bank</numerusform>
            <numerusform>{n} belegte Sounds verlassen die Bank</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>{n} occupied model(s) (leaves|leave) the bank</source>
        <translation>
            <numerusform>{n} belegtes Modell verlässt die Bank</numerusform>
            <numerusform>{n} belegte Modelle verlassen die Bank</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{action}: {moves}; {leaving}</source>
        <translation>{action}: {moves}; {leaving}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{action}: {moves}; {references}; {leaving}</source>
        <translation>{action}: {moves}; {references}; {leaving}</translation>
    </message>
</context>
<context>
    <name>Duplicates</name>
    <message>
        <location filename="../src/core/Duplicates.cpp" line="+51"/>
        <source>not a readable file</source>
        <translation>keine lesbare Datei</translation>
    </message>
    <message>
        <location filename="../src/core/ModelIdentity.cpp" line="+92"/>
        <source>not a regular file or folder; the model cannot be compared</source>
        <translation>weder eine gewöhnliche Datei noch ein Ordner; das Modell kann nicht verglichen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>disappeared while the folder was read</source>
        <translation>verschwand, während der Ordner gelesen wurde</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>larger than 1 GiB; the model cannot be compared</source>
        <translation>größer als 1 GiB; das Modell kann nicht verglichen werden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/core/RealFileSystem.cpp" line="+40"/>
        <source>No such file or directory</source>
        <translation>Datei oder Ordner nicht vorhanden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not a directory</source>
        <translation>Kein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Operation not permitted</source>
        <translation>Vorgang nicht zulässig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read-only file system</source>
        <translation>Schreibgeschütztes Dateisystem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>File name too long</source>
        <translation>Dateiname zu lang</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Too many levels of symbolic links</source>
        <translation>Zu viele Ebenen symbolischer Links</translation>
    </message>
    <message>
        <location line="+38"/>
        <location filename="../src/core/windows/Win32Files.cpp" line="+200"/>
        <location line="+6"/>
        <source>is not a plain file; nothing was written to it</source>
        <translation>ist keine gewöhnliche Datei; es wurde nichts hineingeschrieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/core/windows/Win32Files.cpp" line="+6"/>
        <source>has other hard links, so writing it would change a file elsewhere too; nothing was written to it</source>
        <translation>hat weitere harte Links, daher würde das Schreiben auch eine Datei an anderer Stelle ändern; es wurde nichts hineingeschrieben</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>leads through a symbolic link inside the database, which a change never follows; nothing was changed there</source>
        <translation>führt durch einen symbolischen Link innerhalb der Datenbank, dem eine Änderung nie folgt; dort wurde nichts geändert</translation>
    </message>
    <message>
        <location line="+147"/>
        <source>steps out of the database; nothing was changed there</source>
        <translation>führt aus der Datenbank hinaus; dort wurde nichts geändert</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>{path}: a device, which is not read</source>
        <translation>{path}: ein Gerät, das nicht gelesen wird</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>{path}: a link, which is not followed</source>
        <translation>{path}: ein Link, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <location line="+383"/>
        <location line="+17"/>
        <location filename="../src/core/windows/RealFileSystem.cpp" line="+300"/>
        <source>not a file or folder</source>
        <translation>keine Datei und kein Ordner</translation>
    </message>
    <message>
        <location filename="../src/core/windows/RealFileSystem.cpp" line="-198"/>
        <source>cannot replace it: another program has it open (or it is read-only)</source>
        <translation>kann nicht ersetzt werden: Ein anderes Programm hat die Datei geöffnet (oder sie ist schreibgeschützt)</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>a symbolic link or junction, which is not copied</source>
        <translation>ein symbolischer Link oder eine Verzeichnisverbindung, die nicht kopiert wird</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>cannot delete it: another program has it open</source>
        <translation>kann nicht gelöscht werden: Ein anderes Programm hat es geöffnet</translation>
    </message>
    <message>
        <location filename="../src/core/windows/Win32Files.cpp" line="-184"/>
        <source>another program has it open</source>
        <translation>ein anderes Programm hat es geöffnet</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot rename to {path}: another program has it open (or it is read-only)</source>
        <translation>kann nicht in {path} umbenannt werden: Ein anderes Programm hat es geöffnet (oder es ist schreibgeschützt)</translation>
    </message>
    <message>
        <location filename="../src/core/windows/WindowsText.cpp" line="+67"/>
        <source>Windows error {code}</source>
        <translation>Windows-Fehler {code}</translation>
    </message>
    <message>
        <location filename="../src/core/Status.h" line="+20"/>
        <source>no such file or folder</source>
        <translation>Datei oder Ordner nicht gefunden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>already exists</source>
        <translation>existiert bereits</translation>
    </message>
</context>
<context>
    <name>Filter</name>
    <message>
        <location filename="../src/core/SlotFilter.cpp" line="+43"/>
        <source>the quote before &quot;{text}&quot; is never closed</source>
        <translation>das Anführungszeichen vor &quot;{text}&quot; wird nie geschlossen</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>unknown filter word &quot;{word}&quot; (known words: {known}; quote a name that holds a colon)</source>
        <translation>unbekanntes Filterwort &quot;{word}&quot; (bekannte Wörter: {known}; setzen Sie einen Namen, der einen Doppelpunkt enthält, in Anführungszeichen)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;{word}&quot;: model: needs a slot number 0-999</source>
        <translation>&quot;{word}&quot;: model: braucht eine Platznummer 0-999</translation>
    </message>
</context>
<context>
    <name>FindReplace</name>
    <message>
        <location filename="../src/ops/FindReplace.cpp" line="-86"/>
        <source>Find &amp; replace complete</source>
        <translation>Suchen und Ersetzen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/ReplaceCommand.cpp" line="+50"/>
        <source>Would replace {n} occurrences.</source>
        <translation>
            <numerusform>{n} Vorkommen würde ersetzt.</numerusform>
            <numerusform>{n} Vorkommen würden ersetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <location filename="../src/ops/FindReplace.cpp" line="+2"/>
        <source>Replaced {n} occurrences.</source>
        <translation>
            <numerusform>{n} Vorkommen ersetzt.</numerusform>
            <numerusform>{n} Vorkommen ersetzt.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ops/FindReplace.cpp" line="+29"/>
        <source>Models are numbered from 0 to 999 (-1: no model); nothing was changed.</source>
        <translation>Modelle sind von 0 bis 999 nummeriert (-1: kein Modell); es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Find &amp; replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <location filename="../src/ops/Edits.cpp" line="-6"/>
        <source>Clear the undo history</source>
        <translation>Verlauf zum Rückgängigmachen löschen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Are you sure you want to delete the undo data of {n} edit(s)? None of them can be undone or redone afterwards; the slots stay as they are.</source>
        <translation>
            <numerusform>Möchten Sie die Daten zum Rückgängigmachen von {n} Änderung wirklich löschen? Sie kann danach weder rückgängig gemacht noch wiederhergestellt werden; die Plätze bleiben, wie sie sind.</numerusform>
            <numerusform>Möchten Sie die Daten zum Rückgängigmachen von {n} Änderungen wirklich löschen? Keine von ihnen kann danach rückgängig gemacht oder wiederhergestellt werden; die Plätze bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The undo history could not be cleared: {reason}</source>
        <translation>Der Verlauf zum Rückgängigmachen konnte nicht gelöscht werden: {reason}</translation>
    </message>
    <message>
        <location filename="../src/ops/HistoryEdits.cpp" line="-12"/>
        <source>Undo {edit}</source>
        <translation>{edit} rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo {edit}</source>
        <translation>{edit} wiederherstellen</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>{n} sound script(s)</source>
        <translation>
            <numerusform>{n} Soundskript</numerusform>
            <numerusform>{n} Soundskripte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to undo &quot;{edit}&quot; of {time}? It puts {sounds}, {models} and {scripts} back as they were before it.</source>
        <translation>Möchten Sie „{edit}“ vom {time} wirklich rückgängig machen? Dabei werden {sounds}, {models} und {scripts} wieder so hergestellt, wie sie davor waren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to redo &quot;{edit}&quot; of {time}? It puts {sounds}, {models} and {scripts} back as they were after it.</source>
        <translation>Möchten Sie „{edit}“ vom {time} wirklich wiederherstellen? Dabei werden {sounds}, {models} und {scripts} wieder so hergestellt, wie sie danach waren.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>sound {sound} refers to model {model}, which the undo moves; the sound would then play another model</source>
        <translation>Sound {sound} verweist auf Modell {model}, das das Rückgängigmachen verschiebt; der Sound würde dann ein anderes Modell spielen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sound {sound} refers to model {model}, which the redo moves; the sound would then play another model</source>
        <translation>Sound {sound} verweist auf Modell {model}, das das Wiederherstellen verschiebt; der Sound würde dann ein anderes Modell spielen</translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>The history holds {n} edit(s) made elsewhere, which is never undone or redone here; `slotsmith history DB --adopt` makes it yours if it is.</source>
        <translation>
            <numerusform>Der Verlauf enthält {n} anderswo vorgenommene Änderung, die hier nie rückgängig gemacht oder wiederhergestellt wird; `slotsmith history DB --adopt` macht sie zu Ihrer, wenn sie es ist.</numerusform>
            <numerusform>Der Verlauf enthält {n} anderswo vorgenommene Änderungen, die hier nie rückgängig gemacht oder wiederhergestellt werden; `slotsmith history DB --adopt` macht sie zu Ihren, wenn sie es sind.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There is no edit to undo.</source>
        <translation>Es gibt keine Änderung, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no undone edit to redo.</source>
        <translation>Es gibt keine rückgängig gemachte Änderung, die wiederhergestellt werden kann.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The history of &quot;{edit}&quot; is not as Slotsmith writes it, so it is not acted on: {reason}. Nothing was changed.</source>
        <translation>Der Verlauf von „{edit}“ ist nicht so, wie Slotsmith ihn schreibt, daher wird er nicht ausgeführt: {reason}. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The database was changed after &quot;{edit}&quot;, so it cannot be undone without losing that change: {reason}. Nothing was changed.</source>
        <translation>Die Datenbank wurde nach „{edit}“ geändert, daher kann die Änderung nicht rückgängig gemacht werden, ohne diese spätere Änderung zu verlieren: {reason}. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database was changed after &quot;{edit}&quot;, so it cannot be redone without losing that change: {reason}. Nothing was changed.</source>
        <translation>Die Datenbank wurde nach „{edit}“ geändert, daher kann die Änderung nicht wiederhergestellt werden, ohne diese spätere Änderung zu verlieren: {reason}. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/ops/History.cpp" line="+51"/>
        <source>is a symbolic link or another kind of file than the folder Slotsmith makes there; nothing in it was read or changed</source>
        <translation>ist ein symbolischer Link oder eine andere Art Datei als der Ordner, den Slotsmith dort anlegt; darin wurde nichts gelesen oder geändert</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>is a symbolic link or not a plain folder</source>
        <translation>ist ein symbolischer Link oder kein gewöhnlicher Ordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>is not a plain file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>is a symbolic link or another kind of file than a folder</source>
        <translation>ist ein symbolischer Link oder eine andere Art Datei als ein Ordner</translation>
    </message>
</context>
<context>
    <name>History key</name>
    <message>
        <location filename="../src/core/HistoryKey.cpp" line="+131"/>
        <source>is not a Slotsmith history key (64 hexadecimal digits); move it away and a new key is made, under which the history written so far reads as made elsewhere</source>
        <translation>ist kein Verlaufsschlüssel von Slotsmith (64 hexadezimale Ziffern); verschieben Sie ihn, dann wird ein neuer Schlüssel erzeugt, unter dem der bisher geschriebene Verlauf als anderswo entstanden gilt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>no random bytes to make a key from</source>
        <translation>keine Zufallsbytes, aus denen ein Schlüssel erzeugt werden könnte</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+22"/>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>cannot be made</source>
        <translation>kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>There is no folder for the history key: set HOME (or SLOTSMITH_HISTORY_KEY to a file).</source>
        <translation>Es gibt keinen Ordner für den Verlaufsschlüssel: Setzen Sie HOME (oder SLOTSMITH_HISTORY_KEY auf eine Datei).</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <location filename="../src/ops/ImportEdits.cpp" line="+38"/>
        <source>Import sounds</source>
        <translation>Sounds importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import models</source>
        <translation>Modelle importieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>is not a plain folder (a symbolic link or another kind of file); it is not imported</source>
        <translation>ist kein einfacher Ordner (sondern eine symbolische Verknüpfung oder eine andere Art von Datei); er wird nicht importiert</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>No database to import from was given.</source>
        <translation>Es wurde keine Datenbank angegeben, aus der importiert werden soll.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{source} is not a Neuron database (no Sounds/NNN.sound/sound.script or Models/NNN.model/MName found).</source>
        <translation>{source} ist keine Neuron-Datenbank (kein Sounds/NNN.sound/sound.script oder Models/NNN.model/MName gefunden).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>{source} is this database itself; use copy to copy slots within it.</source>
        <translation>{source} ist diese Datenbank selbst; verwenden Sie copy, um Plätze innerhalb der Datenbank zu kopieren.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An edit is running on {source} (another program). Nothing was changed; import when it has finished.</source>
        <translation>In {source} läuft gerade eine Änderung (eines anderen Programms). Es wurde nichts geändert; importieren Sie, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>An edit is running on {source} ({edit}). Nothing was changed; import when it has finished.</source>
        <translation>In {source} läuft gerade eine Änderung ({edit}). Es wurde nichts geändert; importieren Sie, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>An edit of {source} was interrupted and is unfinished there. Nothing was changed; open that database with Slotsmith once (for example `slotsmith check`), which finishes it, then import.</source>
        <translation>Eine Änderung von {source} wurde unterbrochen und ist dort nicht abgeschlossen. Es wurde nichts geändert; öffnen Sie diese Datenbank einmal mit Slotsmith (zum Beispiel mit `slotsmith check`), wodurch sie abgeschlossen wird, und importieren Sie dann.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>cannot be read ({reason})</source>
        <translation>kann nicht gelesen werden ({reason})</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>model {model} of {source} is identical to model {here} here: reused, not copied</source>
        <translation>Modell {model} von {source} ist gleich Modell {here} hier: wiederverwendet, nicht kopiert</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>model {model} of {source} is identical to its model {earlier}: both go to model {target}</source>
        <translation>Modell {model} von {source} ist gleich seinem Modell {earlier}: beide kommen auf Modell {target}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>model {model} of {source} is identical to model {earlier} of {earlierSource}: both go to model {target}</source>
        <translation>Modell {model} von {source} ist gleich Modell {earlier} von {earlierSource}: beide kommen auf Modell {target}</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>model {model} of {source} is copied to model {target}</source>
        <translation>Modell {model} von {source} wird auf Modell {target} kopiert</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>The import needs {n} free model slot(s) (no folder, no sound referring to them), and this database has {free}. Nothing was changed.</source>
        <translation>
            <numerusform>Der Import braucht {n} freien Modellplatz (ohne Ordner, ohne Sound, der darauf verweist), und diese Datenbank hat {free}. Es wurde nichts geändert.</numerusform>
            <numerusform>Der Import braucht {n} freie Modellplätze (ohne Ordner, ohne Sound, der darauf verweist), und diese Datenbank hat {free}. Es wurde nichts geändert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+86"/>
        <source>sound {sound} of the source refers to model {model}, an empty slot there: the reference ({key}) becomes -1</source>
        <translation>Sound {sound} der Quelldatenbank verweist auf Modell {model}, dort ein leerer Platz: Der Verweis ({key}) wird -1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sound {sound} of {source} refers to model {model}, an empty slot there: the reference ({key}) becomes -1</source>
        <translation>Sound {sound} von {source} verweist auf Modell {model}, dort ein leerer Platz: Der Verweis ({key}) wird -1</translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>{n} identical one(s)</source>
        <translation>
            <numerusform>{n} gleiches</numerusform>
            <numerusform>{n} gleiche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>{n} model(s) (is|are) copied, {reused} reused.</source>
        <translation>
            <numerusform>{n} Modell wird kopiert, {reused} wiederverwendet.</numerusform>
            <numerusform>{n} Modelle werden kopiert, {reused} wiederverwendet.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{question} {models} Undo reverses it.</source>
        <translation>{question} {models} Rückgängig macht es ungeschehen.</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>sound slot(s) {runs} of {source}</source>
        <translation>
            <numerusform>Soundplatz {runs} von {source}</numerusform>
            <numerusform>Soundplätze {runs} von {source}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Nothing was changed: {sounds} (is|are) empty, and an edit that places brings only sounds. Choose slots that hold one.</source>
        <translation>
            <numerusform>Es wurde nichts geändert: {sounds} ist leer, und beim Einsetzen kommen nur Sounds hinzu. Wählen Sie Plätze, die einen Sound enthalten.</numerusform>
            <numerusform>Es wurde nichts geändert: {sounds} sind leer, und beim Einsetzen kommen nur Sounds hinzu. Wählen Sie Plätze, die einen Sound enthalten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Nothing was changed: {sounds} (is|are) empty, and an import brings only sounds. Choose slots that hold one.</source>
        <translation>
            <numerusform>Es wurde nichts geändert: {sounds} ist leer, und ein Import bringt nur Sounds. Wählen Sie Plätze, die einen Sound enthalten.</numerusform>
            <numerusform>Es wurde nichts geändert: {sounds} sind leer, und ein Import bringt nur Sounds. Wählen Sie Plätze, die einen Sound enthalten.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No sounds were chosen.</source>
        <translation>Es wurden keine Sounds ausgewählt.</translation>
    </message>
    <message numerus="yes">
        <location line="+53"/>
        <source>{n} occupied sound slot(s)</source>
        <translation>
            <numerusform>{n} belegten Soundplatz</numerusform>
            <numerusform>{n} belegte Soundplätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Nothing was changed: {n} (sound does|sounds do) not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or place fewer sounds.</source>
        <translation>
            <numerusform>Es wurde nichts geändert: {n} Sound passt nicht auf Platz #{destination}, ohne {pushed} über Platz #999 hinaus zu schieben. Machen Sie dort zuerst Plätze frei, oder setzen Sie weniger Sounds ein.</numerusform>
            <numerusform>Es wurde nichts geändert: {n} Sounds passen nicht auf Platz #{destination}, ohne {pushed} über Platz #999 hinaus zu schieben. Machen Sie dort zuerst Plätze frei, oder setzen Sie weniger Sounds ein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Nothing was changed: {n} (sound does|sounds do) not fit at slot #{destination} without pushing {pushed} past slot #999. Free slots there first, or import fewer sounds.</source>
        <translation>
            <numerusform>Es wurde nichts geändert: {n} Sound passt nicht auf Platz #{destination}, ohne {pushed} über Platz #999 hinaus zu schieben. Machen Sie dort zuerst Plätze frei, oder importieren Sie weniger Sounds.</numerusform>
            <numerusform>Es wurde nichts geändert: {n} Sounds passen nicht auf Platz #{destination}, ohne {pushed} über Platz #999 hinaus zu schieben. Machen Sie dort zuerst Plätze frei, oder importieren Sie weniger Sounds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+37"/>
        <source>Are you sure you want to import {n} sound(s) starting at slot #{first} of {source} to slot #{destination}?</source>
        <translation>
            <numerusform>Möchten Sie wirklich {n} Sound ab Platz #{first} von {source} nach Platz #{destination} importieren?</numerusform>
            <numerusform>Möchten Sie wirklich {n} Sounds ab Platz #{first} von {source} nach Platz #{destination} importieren?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Nothing was changed: slot {slot} of {source} is no sound slot.</source>
        <translation>Es wurde nichts geändert: Platz {slot} von {source} ist kein Soundplatz.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No models were chosen.</source>
        <translation>Es wurden keine Modelle ausgewählt.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>model {model} is empty there</source>
        <translation>Modell {model} ist dort leer</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>Are you sure you want to import {n} model(s) from {source}?</source>
        <translation>
            <numerusform>Möchten Sie wirklich {n} Modell aus {source} importieren?</numerusform>
            <numerusform>Möchten Sie wirklich {n} Modelle aus {source} importieren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <location filename="../src/ops/Journal.cpp" line="+267"/>
        <location line="+35"/>
        <source>not a Slotsmith journal</source>
        <translation>kein Slotsmith-Journal</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>a damaged record before the last marker</source>
        <translation>ein beschädigter Eintrag vor der letzten Markierung</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>damaged line: {line}</source>
        <translation>beschädigte Zeile: {line}</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the renames do not match their count</source>
        <translation>die Umbenennungen passen nicht zu ihrer Anzahl</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>names a path Slotsmith does not write: {path}</source>
        <translation>nennt einen Pfad, den Slotsmith nicht schreibt: {path}</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>has a shape Slotsmith never writes: {path} is moved twice</source>
        <translation>hat eine Form, die Slotsmith nie schreibt: {path} wird zweimal verschoben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>has a shape Slotsmith never writes: {path} is a target twice</source>
        <translation>hat eine Form, die Slotsmith nie schreibt: {path} ist zweimal ein Ziel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>has a shape Slotsmith never writes: the first phase renames {from} to {to}</source>
        <translation>hat eine Form, die Slotsmith nie schreibt: Die erste Phase benennt {from} in {to} um</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>has a shape Slotsmith never writes: the second phase renames {from} to {to}</source>
        <translation>hat eine Form, die Slotsmith nie schreibt: Die zweite Phase benennt {from} in {to} um</translation>
    </message>
</context>
<context>
    <name>Leaving</name>
    <message>
        <location filename="../src/ops/EditRunner.cpp" line="-13"/>
        <source>{title}: sounds will leave the bank</source>
        <translation>{title}: Sounds verlassen die Bank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>{title}: models will leave the bank</source>
        <translation>{title}: Modelle verlassen die Bank</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>{n} occupied sound slot(s) will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</source>
        <translation>
            <numerusform>{n} belegter Soundplatz wird über Platz #999 hinaus in Ordner außerhalb der Bank geschoben, wo der Synthesizer ihn nicht mehr sieht:{notes}

Möchten Sie fortfahren?</numerusform>
            <numerusform>{n} belegte Soundplätze werden über Platz #999 hinaus in Ordner außerhalb der Bank geschoben, wo der Synthesizer sie nicht mehr sieht:{notes}

Möchten Sie fortfahren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>{n} occupied model slot(s) will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them:{notes}

Do you want to continue?</source>
        <translation>
            <numerusform>{n} belegter Modellplatz wird über Platz #999 hinaus in Ordner außerhalb der Bank geschoben, wo der Synthesizer ihn nicht mehr sieht:{notes}

Möchten Sie fortfahren?</numerusform>
            <numerusform>{n} belegte Modellplätze werden über Platz #999 hinaus in Ordner außerhalb der Bank geschoben, wo der Synthesizer sie nicht mehr sieht:{notes}

Möchten Sie fortfahren?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <location filename="../src/library/Json.cpp" line="+75"/>
        <source>something follows the JSON value at byte {at}</source>
        <translation>auf den JSON-Wert folgt noch etwas bei Byte {at}</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>nesting is too deep at byte {at}</source>
        <translation>die Verschachtelung ist zu tief bei Byte {at}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a value is missing at byte {at}</source>
        <translation>ein Wert fehlt bei Byte {at}</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>no JSON value begins here at byte {at}</source>
        <translation>hier beginnt kein JSON-Wert, bei Byte {at}</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a key is missing at byte {at}</source>
        <translation>ein Schlüssel fehlt bei Byte {at}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the key &quot;{key}&quot; comes twice at byte {at}</source>
        <translation>der Schlüssel &quot;{key}&quot; kommt doppelt vor, bei Byte {at}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a colon is missing at byte {at}</source>
        <translation>ein Doppelpunkt fehlt bei Byte {at}</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a comma or } is missing at byte {at}</source>
        <translation>ein Komma oder } fehlt bei Byte {at}</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a comma or ] is missing at byte {at}</source>
        <translation>ein Komma oder ] fehlt bei Byte {at}</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a number begins with 0 at byte {at}</source>
        <translation>eine Zahl beginnt mit 0 bei Byte {at}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a number has no digits at byte {at}</source>
        <translation>eine Zahl hat keine Ziffern bei Byte {at}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a fraction has no digits at byte {at}</source>
        <translation>ein Nachkommateil hat keine Ziffern bei Byte {at}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an exponent has no digits at byte {at}</source>
        <translation>ein Exponent hat keine Ziffern bei Byte {at}</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>a \u escape needs four hex digits at byte {at}</source>
        <translation>ein \u-Escape braucht vier Hexadezimalziffern, bei Byte {at}</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+49"/>
        <source>a string is not closed at byte {at}</source>
        <translation>eine Zeichenkette ist nicht geschlossen, bei Byte {at}</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>an unknown escape at byte {at}</source>
        <translation>ein unbekanntes Escape bei Byte {at}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a lone low surrogate at byte {at}</source>
        <translation>ein einzelnes Low-Surrogat bei Byte {at}</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>a high surrogate without its low one at byte {at}</source>
        <translation>ein High-Surrogat ohne sein Low-Surrogat bei Byte {at}</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>a control character in a string at byte {at}</source>
        <translation>ein Steuerzeichen in einer Zeichenkette bei Byte {at}</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a string is no UTF-8 at byte {at}</source>
        <translation>eine Zeichenkette ist kein UTF-8, bei Byte {at}</translation>
    </message>
    <message>
        <location filename="../src/library/Library.cpp" line="+122"/>
        <source>An edit is running on {root} ({reason}); skipped, the library keeps what it knew of it.</source>
        <translation>Auf {root} läuft gerade eine Änderung ({reason}); übersprungen, die Bibliothek behält, was sie davon wusste.</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>{path}: sound packs and backups are not part of this build of Slotsmith; nothing was added.</source>
        <translation>{path}: Soundpakete und Sicherungen gehören nicht zu diesem Build von Slotsmith; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{path} is no database folder (no Sounds/NNN.sound/sound.script or Models/NNN.model/MName found), sound pack or backup; nothing was added.</source>
        <translation>{path} ist weder ein Datenbankordner (kein Sounds/NNN.sound/sound.script und kein Models/NNN.model/MName gefunden) noch ein Soundpaket oder eine Sicherung; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>An edit of {path} was interrupted and is unfinished there; skipped. Open that database with Slotsmith once (for example `slotsmith check`), which finishes it, then refresh.</source>
        <translation>Eine Änderung an {path} wurde unterbrochen und ist dort nicht abgeschlossen; übersprungen. Öffnen Sie diese Datenbank einmal mit Slotsmith (zum Beispiel mit `slotsmith check`), was sie abschließt, und lesen Sie sie dann neu ein.</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>{path} was read by another program meanwhile; skipped, the library keeps what that one read.</source>
        <translation>{path} wurde inzwischen von einem anderen Programm gelesen; übersprungen, die Bibliothek behält, was jenes gelesen hat.</translation>
    </message>
    <message>
        <location filename="../src/library/Library.h" line="+37"/>
        <source>is no source of the library</source>
        <translation>ist keine Quelle der Bibliothek</translation>
    </message>
    <message>
        <location filename="../src/library/LibraryFile.cpp" line="+168"/>
        <source>{path} was written by a newer Slotsmith (library version {version}); this one reads up to {readable}.</source>
        <translation>{path} wurde von einem neueren Slotsmith geschrieben (Bibliotheksversion {version}); dieses liest bis Version {readable}.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>There is no folder for the library: set HOME (or SLOTSMITH_LIBRARY to a file).</source>
        <translation>Es gibt keinen Ordner für die Bibliothek: Setzen Sie HOME (oder SLOTSMITH_LIBRARY auf eine Datei).</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>its folder cannot be made: {reason}</source>
        <translation>ihr Ordner kann nicht angelegt werden: {reason}</translation>
    </message>
    <message>
        <location filename="../src/library/Lists.cpp" line="+57"/>
        <source>A list needs a name.</source>
        <translation>Eine Liste braucht einen Namen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The library has a list named {name} already.</source>
        <translation>Die Bibliothek hat bereits eine Liste namens {name}.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>is no list of the library</source>
        <translation>ist keine Liste der Bibliothek</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>The library records no sound in {slots} of {path}; nothing was added to {name}.</source>
        <translation>Die Bibliothek verzeichnet keinen Sound auf {slots} von {path}; zu {name} wurde nichts hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>{name} has {n} sound(s); positions count from 1. Nothing was removed.</source>
        <translation>
            <numerusform>{name} hat {n} Sound; die Positionen zählen ab 1. Es wurde nichts entfernt.</numerusform>
            <numerusform>{name} hat {n} Sounds; die Positionen zählen ab 1. Es wurde nichts entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+44"/>
        <source>{name} has {n} sound(s); positions count from 1. Nothing was moved.</source>
        <translation>
            <numerusform>{name} hat {n} Sound; die Positionen zählen ab 1. Es wurde nichts verschoben.</numerusform>
            <numerusform>{name} hat {n} Sounds; die Positionen zählen ab 1. Es wurde nichts verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/library/Placing.cpp" line="+52"/>
        <source>this build reads no archives</source>
        <translation>dieser Build liest keine Archive</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>an edit is running there</source>
        <translation>dort läuft gerade eine Änderung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>an interrupted edit is unfinished there</source>
        <translation>eine unterbrochene Änderung ist dort nicht abgeschlossen</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>no sound there now</source>
        <translation>dort ist jetzt kein Sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds another sound now</source>
        <translation>enthält jetzt einen anderen Sound</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{source} slot {slot}: {reason}</source>
        <translation>{source} Platz {slot}: {reason}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it lies only in {target}, the database placed into</source>
        <translation>er liegt nur in {target}, der Datenbank, in die eingesetzt wird</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no place left in the library</source>
        <translation>kein Ort mehr in der Bibliothek</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The list {name} is empty.</source>
        <translation>Die Liste {name} ist leer.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No sound was chosen.</source>
        <translation>Es wurde kein Sound gewählt.</translation>
    </message>
    <message>
        <location filename="../src/library/Rebuild.cpp" line="+36"/>
        <source>cannot be removed: {reason}</source>
        <translation>kann nicht entfernt werden: {reason}</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>cannot be renamed to {path}: {reason}</source>
        <translation>kann nicht in {path} umbenannt werden: {reason}</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>there is no library file to rebuild</source>
        <translation>es gibt keine Bibliotheksdatei, die neu aufgebaut werden könnte</translation>
    </message>
    <message>
        <location filename="../src/library/Rules.cpp" line="+120"/>
        <source>The pattern &quot;{pattern}&quot; has an empty alternative or a star inside a word: give words separated by commas, each with a * at its start or end at most.</source>
        <translation>Das Muster „{pattern}“ hat eine leere Alternative oder einen Stern innerhalb eines Wortes: Geben Sie durch Kommas getrennte Wörter an, jedes höchstens mit einem * am Anfang oder am Ende.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>A tag needs a name.</source>
        <translation>Ein Schlagwort braucht einen Namen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A tag may not begin with + or - (&quot;{tag}&quot;).</source>
        <translation>Ein Schlagwort darf nicht mit + oder - beginnen („{tag}“).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A tag must be UTF-8 text.</source>
        <translation>Ein Schlagwort muss UTF-8-Text sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A tag may not hold a control character.</source>
        <translation>Ein Schlagwort darf kein Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>rule {id}: there is no such rule</source>
        <translation>Regel {id}: Diese Regel gibt es nicht</translation>
    </message>
    <message>
        <location filename="../src/library/Search.cpp" line="+226"/>
        <source>give a number of places, as places:2+ (two or more) or places:1 (exactly one)</source>
        <translation>geben Sie eine Anzahl von Orten an, etwa places:2+ (zwei oder mehr) oder places:1 (genau einer)</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>give what to look for after the colon</source>
        <translation>geben Sie nach dem Doppelpunkt an, wonach gesucht werden soll</translation>
    </message>
    <message>
        <location filename="../src/library/Sqlite.cpp" line="+16"/>
        <source>cannot be opened as the library: {reason}</source>
        <translation>kann nicht als Bibliothek geöffnet werden: {reason}</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>{path}: another program holds the library ({reason})</source>
        <translation>{path}: Ein anderes Programm hält die Bibliothek ({reason})</translation>
    </message>
    <message>
        <location filename="../src/library/Sqlite.h" line="+25"/>
        <source>The library file is damaged or is no Slotsmith library; nothing was changed. `slotsmith library rebuild` sets it aside and makes the library anew from your sources, keeping your tags, favourites, notes, rules and lists as far as they can be read.</source>
        <translation>Die Bibliotheksdatei ist beschädigt oder keine Slotsmith-Bibliothek; es wurde nichts geändert. `slotsmith library rebuild` legt sie beiseite und baut die Bibliothek neu aus Ihren Quellen auf, wobei Ihre Schlagwörter, Favoriten, Notizen, Regeln und Listen erhalten bleiben, soweit sie sich lesen lassen.</translation>
    </message>
    <message>
        <location filename="../src/library/UserData.cpp" line="+132"/>
        <source>sound slot {slot} held no sound when the library last read it</source>
        <translation>Soundplatz {slot} enthielt keinen Sound, als die Bibliothek ihn zuletzt gelesen hat</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>A sound id is {shortest} to {longest} hex digits, as `library search` prints it (&quot;{id}&quot; is not).</source>
        <translation>Eine Sound-ID besteht aus {shortest} bis {longest} Hexadezimalziffern, wie `library search` sie ausgibt („{id}“ nicht).</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>sound {id}: the library knows none</source>
        <translation>Sound {id}: Die Bibliothek kennt keinen solchen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than one sound&apos;s id begins with {id}; give more of its digits.</source>
        <translation>Die IDs mehrerer Sounds beginnen mit {id}; geben Sie mehr ihrer Ziffern an.</translation>
    </message>
    <message>
        <location filename="../src/library/UserDataFile.cpp" line="+57"/>
        <source>{key} must be a string</source>
        <translation>{key} muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>{key} must be true or false</source>
        <translation>{key} muss true oder false sein</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>{key} must be an array</source>
        <translation>{key} muss ein Array sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+11"/>
        <source>a sound id must be 64 hex digits</source>
        <translation>eine Sound-ID muss aus 64 Hexadezimalziffern bestehen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>a tag must be a string</source>
        <translation>ein Schlagwort muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a sound must be an object</source>
        <translation>ein Sound muss ein Objekt sein</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>a tag must be an object</source>
        <translation>ein Schlagwort muss ein Objekt sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{key} must be &quot;rule&quot; or &quot;hand&quot;</source>
        <translation>{key} muss &quot;rule&quot; oder &quot;hand&quot; sein</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>this is no Slotsmith library export (its &quot;format&quot; is not &quot;{format}&quot;)</source>
        <translation>dies ist kein Export einer Slotsmith-Bibliothek (sein &quot;format&quot; ist nicht &quot;{format}&quot;)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file was written by another version of Slotsmith (user data version none); this one reads {readable}.</source>
        <translation>Die Datei wurde von einer anderen Version von Slotsmith geschrieben (ohne Version der Benutzerdaten); diese liest Version {readable}.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file was written by another version of Slotsmith (user data version {version}); this one reads {readable}.</source>
        <translation>Die Datei wurde von einer anderen Version von Slotsmith geschrieben (Version der Benutzerdaten {version}); diese liest Version {readable}.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a rule must be an object</source>
        <translation>eine Regel muss ein Objekt sein</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>a list must be an object</source>
        <translation>eine Liste muss ein Objekt sein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a list&apos;s name must be given</source>
        <translation>der Name einer Liste muss angegeben sein</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>cannot be written</source>
        <translation>kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot be written: {reason}</source>
        <translation>kann nicht geschrieben werden: {reason}</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>is no file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{path} is larger than any export of a library.</source>
        <translation>{path} ist größer als jeder Export einer Bibliothek.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{path} changed while it was read; import it again.</source>
        <translation>{path} hat sich geändert, während die Datei gelesen wurde; importieren Sie sie erneut.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message numerus="yes">
        <location filename="../src/ops/QuestionText.cpp" line="+17"/>
        <source>{items} … and {n} more</source>
        <translation>
            <numerusform>{items} … und {n} weiterer</numerusform>
            <numerusform>{items} … und {n} weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+28"/>
        <source>slot(s) {runs}</source>
        <translation>
            <numerusform>Platz {runs}</numerusform>
            <numerusform>Plätze {runs}</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/ops/EditRunner.cpp" line="-168"/>
        <location filename="../src/ops/RenameEdits.cpp" line="+112"/>
        <source>... and {n} more</source>
        <translation>
            <numerusform>... und {n} weiterer</numerusform>
            <numerusform>... und {n} weitere</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/ops/ImportEdits.cpp" line="-202"/>
        <source>{items} and {item}</source>
        <translation>{items} und {item}</translation>
    </message>
</context>
<context>
    <name>Move</name>
    <message>
        <location filename="../src/ops/BlockEdits.cpp" line="+7"/>
        <source>Move sounds</source>
        <translation>Sounds verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Moving sounds...</source>
        <translation>Sounds werden verschoben...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to move {count} sounds starting at slot #{first} to slot #{destination}? Undo reverses it.</source>
        <translation>Möchten Sie wirklich {count} Sounds ab Platz #{first} nach Platz #{destination} verschieben? Rückgängig macht es ungeschehen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Move models</source>
        <translation>Modelle verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Moving models...</source>
        <translation>Modelle werden verschoben...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to move {count} models starting at slot #{first} to slot #{destination}? Undo reverses it.</source>
        <translation>Möchten Sie wirklich {count} Modelle ab Platz #{first} nach Platz #{destination} verschieben? Rückgängig macht es ungeschehen.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <location filename="../src/core/SlotNames.cpp" line="+166"/>
        <source>a name needs at least one character</source>
        <translation>ein Name braucht mindestens ein Zeichen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;{name}&quot; has {length} characters; a sound name holds at most {limit}</source>
        <translation>„{name}“ hat {length} Zeichen; ein Soundname hat höchstens {limit}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;{name}&quot; has {length} characters; a model name holds at most {limit}</source>
        <translation>„{name}“ hat {length} Zeichen; ein Modellname hat höchstens {limit}</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>character {position} of the name (code {code}) is not printable ASCII; names hold only the characters from space to ~</source>
        <translation>Zeichen {position} des Namens (Code {code}) ist kein druckbares ASCII; Namen enthalten nur die Zeichen vom Leerzeichen bis ~</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>it has {length} characters, more than {limit}</source>
        <translation>er hat {length} Zeichen, mehr als {limit}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>character {position} of the name (code {code}) is a control character</source>
        <translation>Zeichen {position} des Namens (Code {code}) ist ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>sound {slot}: its name cannot travel ({reason})</source>
        <translation>Sound {slot}: sein Name kann nicht mitgenommen werden ({reason})</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>model {slot}: its name cannot travel ({reason})</source>
        <translation>Modell {slot}: sein Name kann nicht mitgenommen werden ({reason})</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>line {line}: expected a slot number, a TAB and a name</source>
        <translation>Zeile {line}: erwartet wurden eine Platznummer, ein TAB und ein Name</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line {line}: &quot;{text}&quot; is not a slot number 0-999</source>
        <translation>Zeile {line}: &quot;{text}&quot; ist keine Platznummer 0-999</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>line {line}: slot {slot} is named again (first on line {first})</source>
        <translation>Zeile {line}: Platz {slot} wird erneut benannt (zuerst in Zeile {first})</translation>
    </message>
</context>
<context>
    <name>NamesExport</name>
    <message>
        <location filename="../src/ops/NamesExport.cpp" line="-7"/>
        <source>Write names files</source>
        <translation>Namensdateien schreiben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File update complete</source>
        <translation>Dateien aktualisiert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The new &apos;SoundNames&apos; and &apos;ModelNames&apos; files were created.</source>
        <translation>Die neuen Dateien &apos;SoundNames&apos; und &apos;ModelNames&apos; wurden erstellt.</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <location filename="../src/ops/EditRunner.cpp" line="+43"/>
        <source>Dry run: nothing was changed.</source>
        <translation>Probelauf: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+185"/>
        <source>The names file could not be written: {reason}</source>
        <translation>Die Namensdatei konnte nicht geschrieben werden: {reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{file} not written</source>
        <translation>{file} nicht geschrieben</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>The edit is done, but write the journal failed after its commit point ({reason}). The next time the database is opened (for example by `slotsmith check`) its last steps are completed.</source>
        <translation>Die Änderung ist ausgeführt, aber das Journal konnte nach ihrem Festschreibepunkt nicht geschrieben werden ({reason}). Beim nächsten Öffnen der Datenbank (zum Beispiel mit `slotsmith check`) werden ihre letzten Schritte abgeschlossen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The edit is done, but flush the database failed after its commit point ({reason}). The next time the database is opened (for example by `slotsmith check`) its last steps are completed.</source>
        <translation>Die Änderung ist ausgeführt, aber die Datenbank konnte nach ihrem Festschreibepunkt nicht auf den Datenträger geschrieben werden ({reason}). Beim nächsten Öffnen der Datenbank (zum Beispiel mit `slotsmith check`) werden ihre letzten Schritte abgeschlossen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{title}: done, to be completed</source>
        <translation>{title}: ausgeführt, wird noch abgeschlossen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Interrupted after the commit point: the edit was finished.</source>
        <translation>Nach dem Festschreibepunkt unterbrochen: Die Änderung wurde abgeschlossen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The edit was carried out. {failure}</source>
        <translation>Die Änderung wurde ausgeführt. {failure}</translation>
    </message>
</context>
<context>
    <name>Pack</name>
    <message>
        <location filename="../src/packs/Pack.cpp" line="+64"/>
        <source>&quot;{folder}&quot; is not a slot folder</source>
        <translation>„{folder}“ ist kein Platzordner</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;{folder}&quot; has no {file}, so it is no sound</source>
        <translation>„{folder}“ hat kein {file}, daher ist es kein Sound</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;{folder}&quot; has no {file}, so it is no model</source>
        <translation>„{folder}“ hat kein {file}, daher ist es kein Modell</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;{path}&quot; lies outside the sound and model banks</source>
        <translation>„{path}“ liegt außerhalb der Sound- und der Modellbank</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sound {slot} cannot go into a pack: its name cannot travel ({reason}). Nothing was written.</source>
        <translation>Sound {slot} kann nicht in ein Paket: Sein Name kann nicht mitgenommen werden ({reason}). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Model {slot} cannot go into a pack: its name cannot travel ({reason}). Nothing was written.</source>
        <translation>Modell {slot} kann nicht in ein Paket: Sein Name kann nicht mitgenommen werden ({reason}). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No sounds were chosen for the pack.</source>
        <translation>Für das Paket wurden keine Sounds gewählt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A pack holds at most {count} sounds.</source>
        <translation>Ein Paket enthält höchstens {count} Sounds.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sound slot {slot} is empty; a pack carries only sounds.</source>
        <translation>Soundplatz {slot} ist leer; ein Paket trägt nur Sounds.</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>it has no {manifest}, so it is no pack</source>
        <translation>Die Datei hat kein {manifest}, daher ist sie kein Paket</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{manifest} is not a pack manifest</source>
        <translation>{manifest} ist kein Paketmanifest</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it was made by a newer version of Slotsmith</source>
        <translation>Die Datei wurde von einer neueren Version von Slotsmith erstellt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{manifest} lists no sums</source>
        <translation>{manifest} führt keine Prüfsummen auf</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&quot;{path}&quot; is not in the manifest</source>
        <translation>„{path}“ steht nicht im Manifest</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;{path}&quot; does not match its sum in the manifest</source>
        <translation>„{path}“ passt nicht zu seiner Prüfsumme im Manifest</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;{path}&quot; is in the manifest but not in the pack</source>
        <translation>„{path}“ steht im Manifest, aber nicht im Paket</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>sound {sound} refers to model {model}, which the pack does not carry</source>
        <translation>Sound {sound} verweist auf Modell {model}, das das Paket nicht enthält</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>An edit is running on {database} ({reason}); nothing was written. Export when it has finished.</source>
        <translation>Auf {database} läuft eine Änderung ({reason}); es wurde nichts geschrieben. Exportieren Sie, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>{path} is not a sound pack: it is no zip file.</source>
        <translation>{path} ist kein Soundpaket: Es ist keine ZIP-Datei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{path} is not a pack Slotsmith can import: {reason}</source>
        <translation>{path} ist kein Paket, das Slotsmith importieren kann: {reason}</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>{path} lies in a pack, which is only read</source>
        <translation>{path} liegt in einem Paket, das nur gelesen wird</translation>
    </message>
</context>
<context>
    <name>Place</name>
    <message>
        <location filename="../src/ops/ImportEdits.cpp" line="+155"/>
        <source>Place list {list}</source>
        <translation>Liste {list} einsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place sounds from the library</source>
        <translation>Sounds aus der Bibliothek einsetzen</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Are you sure you want to place the {n} sound(s) of list {list} at slot #{destination}?</source>
        <translation>
            <numerusform>Möchten Sie den {n} Sound der Liste {list} wirklich auf Platz #{destination} einsetzen?</numerusform>
            <numerusform>Möchten Sie die {n} Sounds der Liste {list} wirklich ab Platz #{destination} einsetzen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>Are you sure you want to place {n} sound(s) from the library at slot #{destination}?</source>
        <translation>
            <numerusform>Möchten Sie wirklich {n} Sound aus der Bibliothek auf Platz #{destination} einsetzen?</numerusform>
            <numerusform>Möchten Sie wirklich {n} Sounds aus der Bibliothek ab Platz #{destination} einsetzen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferenceTexts</name>
    <message>
        <location filename="../src/app/Preferences.cpp" line="+31"/>
        <source>The system&apos;s language</source>
        <translation>Die Sprache des Systems</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The new language is spoken from the next start.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <location filename="../src/app/library/LibraryPreferences.cpp" line="+26"/>
        <source>&amp;Keep the open database in the library: add it when it is opened, and read its changes after each edit</source>
        <translation>Geöffnete Datenbank in der &amp;Bibliothek behalten: beim Öffnen hinzufügen und ihren Stand nach jeder Änderung neu einlesen</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <location filename="../src/core/Database.cpp" line="-160"/>
        <source>Analyzing NeuronDB...</source>
        <translation>NeuronDB wird untersucht...</translation>
    </message>
    <message>
        <location filename="../src/ops/ArrangeEdits.cpp" line="+18"/>
        <source>Arranging sounds...</source>
        <translation>Sounds werden angeordnet...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arranging models...</source>
        <translation>Modelle werden angeordnet...</translation>
    </message>
    <message>
        <location filename="../src/ops/Consolidation.cpp" line="+30"/>
        <source>Consolidating...</source>
        <translation>Wird verdichtet...</translation>
    </message>
    <message>
        <location filename="../src/ops/DedupeEdits.cpp" line="+19"/>
        <source>Removing duplicate models...</source>
        <translation>Doppelte Modelle werden entfernt...</translation>
    </message>
    <message>
        <location filename="../src/ops/DeleteEdits.cpp" line="+1"/>
        <source>Removing...</source>
        <translation>Wird entfernt...</translation>
    </message>
    <message>
        <location filename="../src/ops/EditRunner.h" line="+144"/>
        <source>Updating sounds...</source>
        <translation>Sounds werden angepasst...</translation>
    </message>
    <message>
        <location filename="../src/ops/FindReplace.cpp" line="+1"/>
        <source>Replacing model references...</source>
        <translation>Modellverweise werden ersetzt...</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Clearing references...</source>
        <translation>Verweise werden gelöscht...</translation>
    </message>
    <message>
        <location filename="../src/ops/HistoryEdits.cpp" line="+15"/>
        <source>Undoing...</source>
        <translation>Wird rückgängig gemacht...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redoing...</source>
        <translation>Wird wiederhergestellt...</translation>
    </message>
    <message>
        <location filename="../src/ops/ImportEdits.cpp" line="-34"/>
        <source>Importing sounds...</source>
        <translation>Sounds werden importiert...</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Placing sounds...</source>
        <translation>Sounds werden eingesetzt...</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Importing models...</source>
        <translation>Modelle werden importiert...</translation>
    </message>
    <message>
        <location filename="../src/ops/RenameEdits.cpp" line="+33"/>
        <source>Renaming...</source>
        <translation>Wird umbenannt...</translation>
    </message>
    <message>
        <location filename="../src/ops/RestoreEdits.cpp" line="+16"/>
        <source>Restoring...</source>
        <translation>Wird wiederhergestellt...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/app/NameEditor.cpp" line="+31"/>
        <source>A name needs at least one character.</source>
        <translation>Ein Name braucht mindestens ein Zeichen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; cannot be stored in a name: names hold only the characters of plain ASCII, from space to ~.</source>
        <translation>&quot;%1&quot; kann nicht in einem Namen gespeichert werden: Namen enthalten nur Zeichen aus einfachem ASCII, vom Leerzeichen bis ~.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>A sound name holds at most %1 characters; this one has %2.</source>
        <translation>Ein Soundname hat höchstens %1 Zeichen; dieser hat %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A model name holds at most %1 characters; this one has %2.</source>
        <translation>Ein Modellname hat höchstens %1 Zeichen; dieser hat %2.</translation>
    </message>
</context>
<context>
    <name>QuestionTexts</name>
    <message numerus="yes">
        <location filename="../src/app/DesktopQuestions.cpp" line="+26"/>
        <source>%n occupied sound slot(s)</source>
        <translation>
            <numerusform>%n belegter Soundplatz</numerusform>
            <numerusform>%n belegte Soundplätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n occupied model slot(s)</source>
        <translation>
            <numerusform>%n belegter Modellplatz</numerusform>
            <numerusform>%n belegte Modellplätze</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (%2) will be pushed past slot #999 into folders outside the bank, where the synthesizer no longer sees them.</source>
        <translation>In Ordner hinter Platz #999, außerhalb der Bank und für den Synthesizer nicht mehr sichtbar, werden geschoben: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <location filename="../src/ops/Edits.cpp" line="-192"/>
        <source>An interrupted edit was recovered</source>
        <translation>Eine unterbrochene Änderung wurde wiederhergestellt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>An interrupted edit is unfinished</source>
        <translation>Eine unterbrochene Änderung ist nicht abgeschlossen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could be neither finished nor rolled back: {reason}
Edits are refused until it is; `slotsmith doctor` shows what is left.</source>
        <translation>Sie konnte weder abgeschlossen noch zurückgerollt werden: {reason}
Änderungen werden abgelehnt, bis das geschehen ist; `slotsmith doctor` zeigt, was übrig ist.</translation>
    </message>
    <message>
        <location filename="../src/ops/Recovery.cpp" line="+41"/>
        <source>does not hold what the interrupted edit placed there, so rolling it back would take it out of the bank; nothing was changed</source>
        <translation>enthält nicht, was die unterbrochene Änderung dort abgelegt hat, daher würde das Zurückrollen es aus der Bank nehmen; es wurde nichts geändert</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>the undo history cannot be read, so whether an edit is unfinished is not known: {reason}</source>
        <translation>der Rückgängig-Verlauf kann nicht gelesen werden, daher ist nicht bekannt, ob eine Änderung unfertig ist: {reason}</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the journal is missing, damaged or not committed, but the entry holds folders of the database; nothing was deleted (`slotsmith doctor` shows where they lie, and `slotsmith doctor --fix` puts back what it can and sets the rest aside)</source>
        <translation>das Journal fehlt, ist beschädigt oder nicht festgeschrieben, aber der Eintrag enthält Ordner der Datenbank; es wurde nichts gelöscht (`slotsmith doctor` zeigt, wo sie liegen, und `slotsmith doctor --fix` legt zurück, was es kann, und legt den Rest beiseite)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The edit &quot;{title}&quot; was interrupted before it was committed, so none of its changes had reached the slots. It was rolled back: what it had prepared was deleted.</source>
        <translation>Die Änderung „{title}“ wurde unterbrochen, bevor sie festgeschrieben war, daher hatte keine ihrer Änderungen die Plätze erreicht. Sie wurde zurückgerollt: Was sie vorbereitet hatte, wurde gelöscht.</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+9"/>
        <source>could not finish &quot;{title}&quot;: {reason}</source>
        <translation>„{title}“ konnte nicht abgeschlossen werden: {reason}</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the rolled-back edit &quot;{title}&quot; still holds folders; nothing was deleted</source>
        <translation>die zurückgerollte Änderung „{title}“ enthält noch Ordner; es wurde nichts gelöscht</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The edit &quot;{title}&quot; failed and was interrupted while it was rolled back. The rollback was finished: every slot it had filled still held what it had placed there and was emptied, and what it had moved out was put back ({count} renames checked).</source>
        <translation>Die Änderung „{title}“ ist fehlgeschlagen und wurde beim Zurückrollen unterbrochen. Das Zurückrollen wurde abgeschlossen: Jeder Platz, den sie gefüllt hatte, enthielt noch, was sie dort abgelegt hatte, und wurde geleert, und was sie herausgenommen hatte, wurde zurückgelegt (geprüfte Umbenennungen: {count}).</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The undo of &quot;{title}&quot; was interrupted after it was committed. It was finished: every slot it empties still held what the edit had placed there, and what the edit had moved out was put back ({count} renames checked). The edit can be redone.</source>
        <translation>Das Rückgängigmachen von „{title}“ wurde nach dem Festschreiben unterbrochen. Es wurde abgeschlossen: Jeder Platz, den es leert, enthielt noch, was die Änderung dort abgelegt hatte, und was die Änderung herausgenommen hatte, wurde zurückgelegt (geprüfte Umbenennungen: {count}). Die Änderung kann wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The edit &quot;{title}&quot; was interrupted after it was committed. It was finished: each of its {count} renames was found done or was done.</source>
        <translation>Die Änderung „{title}“ wurde nach dem Festschreiben unterbrochen. Sie wurde abgeschlossen: Jede ihrer Umbenennungen (Anzahl: {count}) war bereits erledigt oder wurde erledigt.</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <location filename="../src/ops/EditRunner.cpp" line="-281"/>
        <source>Nothing was changed: {reason}</source>
        <translation>Es wurde nichts geändert: {reason}</translation>
    </message>
    <message>
        <location line="+158"/>
        <source>{path} is a symbolic link or not a plain file; remove it and try again</source>
        <translation>{path} ist ein symbolischer Link oder keine gewöhnliche Datei; entfernen Sie es und versuchen Sie es erneut</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Nothing was changed: the names file cannot be made right: {reason}</source>
        <translation>Es wurde nichts geändert: Die Namensdatei kann nicht richtiggestellt werden: {reason}</translation>
    </message>
    <message>
        <location filename="../src/ops/Edits.cpp" line="-175"/>
        <source>The {folder} folder of this database is not a plain folder (a symbolic link or another kind of file): {path}. Edits change only folders inside the database itself; listing and reading still work.</source>
        <translation>Der Ordner {folder} dieser Datenbank ist kein einfacher Ordner (sondern eine symbolische Verknüpfung oder eine andere Art von Datei): {path}. Änderungen betreffen nur Ordner innerhalb der Datenbank selbst; Auflisten und Lesen funktionieren weiterhin.</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>is a symbolic link or another kind of file than Slotsmith makes there. Nothing was changed; remove it (it holds only the undo history) and try again.</source>
        <translation>ist ein symbolischer Link oder eine andere Art von Datei, als Slotsmith dort anlegt. Es wurde nichts geändert; entfernen Sie sie (sie enthält nur den Verlauf zum Rückgängigmachen) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The database cannot be written, so nothing was changed: {reason}. Check that the disk is not read only and that the database folder and its .slotsmith folder can be written.</source>
        <translation>Die Datenbank kann nicht geschrieben werden, daher wurde nichts geändert: {reason}. Prüfen Sie, ob der Datenträger nicht schreibgeschützt ist und ob der Datenbankordner und sein Ordner .slotsmith beschrieben werden können.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The database is being read by a backup, an export, an import from it or the sound library. Nothing was changed; try again when it has finished.</source>
        <translation>Die Datenbank wird gerade von einer Sicherung, einem Export, einem Import aus ihr oder der Soundbibliothek gelesen. Es wurde nichts geändert; versuchen Sie es erneut, wenn dies abgeschlossen ist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Another edit is running on this database ({edit}). Nothing was changed; try again when it has finished.</source>
        <translation>Auf dieser Datenbank läuft bereits eine andere Änderung ({edit}). Es wurde nichts geändert; versuchen Sie es erneut, wenn sie abgeschlossen ist.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Nothing was changed: {path} cannot be read, so the slot it belongs to is not known. Check that it can be read, then try again.</source>
        <translation>Es wurde nichts geändert: {path} kann nicht gelesen werden, daher ist der Platz, zu dem es gehört, nicht bekannt. Prüfen Sie, ob es gelesen werden kann, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>An interrupted edit is unfinished: {reason}
Nothing was changed. `slotsmith doctor` shows where its slot folders lie, and `slotsmith doctor --fix` puts back what it can and sets the rest aside.</source>
        <translation>Eine unterbrochene Änderung ist nicht abgeschlossen: {reason}
Es wurde nichts geändert. `slotsmith doctor` zeigt, wo ihre Platzordner liegen, und `slotsmith doctor --fix` stellt zurück, was es kann, und legt den Rest beiseite.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>This database holds an unfinished edit made elsewhere (on another computer, by another user or an earlier version of Slotsmith), which Slotsmith does not carry out. Nothing was changed.
`slotsmith doctor {root}` shows where its slot folders lie; `slotsmith doctor {root} --fix` sets it aside whole so that edits can run again, and `--fix --adopt` finishes or rolls it back when it proves to be your own.</source>
        <translation>Diese Datenbank enthält eine anderswo (auf einem anderen Computer, von einem anderen Benutzer oder einer früheren Version von Slotsmith) vorgenommene, nicht abgeschlossene Änderung, die Slotsmith nicht ausführt. Es wurde nichts geändert.
`slotsmith doctor {root}` zeigt, wo ihre Platzordner liegen; `slotsmith doctor {root} --fix` legt sie als Ganzes beiseite, sodass wieder Änderungen laufen können, und `--fix --adopt` schließt sie ab oder rollt sie zurück, wenn sie sich als Ihre eigene erweist.</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>This database holds {n} unfinished edit(s) made elsewhere (on another computer, by another user or an earlier version of Slotsmith), which Slotsmith does not carry out. Nothing was changed.
`slotsmith doctor {root}` shows where its slot folders lie; `slotsmith doctor {root} --fix` sets it aside whole so that edits can run again, and `--fix --adopt` finishes or rolls it back when it proves to be your own.</source>
        <translation>
            <numerusform>Diese Datenbank enthält {n} anderswo (auf einem anderen Computer, von einem anderen Benutzer oder einer früheren Version von Slotsmith) vorgenommene, nicht abgeschlossene Änderung, die Slotsmith nicht ausführt. Es wurde nichts geändert.
`slotsmith doctor {root}` zeigt, wo ihre Platzordner liegen; `slotsmith doctor {root} --fix` legt sie als Ganzes beiseite, sodass wieder Änderungen laufen können, und `--fix --adopt` schließt sie ab oder rollt sie zurück, wenn sie sich als Ihre eigene erweist.</numerusform>
            <numerusform>Diese Datenbank enthält {n} anderswo (auf einem anderen Computer, von einem anderen Benutzer oder einer früheren Version von Slotsmith) vorgenommene, nicht abgeschlossene Änderungen, die Slotsmith nicht ausführt. Es wurde nichts geändert.
`slotsmith doctor {root}` zeigt, wo ihre Platzordner liegen; `slotsmith doctor {root} --fix` legt sie als Ganzes beiseite, sodass wieder Änderungen laufen können, und `--fix --adopt` schließt sie ab oder rollt sie zurück, wenn sie sich als Ihre eigenen erweisen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Slotsmith signs the undo history of every edit with your history key ({path}), which can be neither read nor made: {reason}. Nothing was changed.</source>
        <translation>Slotsmith signiert den Verlauf jeder Änderung mit Ihrem Verlaufsschlüssel ({path}), der weder gelesen noch angelegt werden kann: {reason}. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>No database is open.</source>
        <translation>Es ist keine Datenbank geöffnet.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The database was changed outside Slotsmith since the lists were drawn; they now show it as it is. Nothing was changed: check the selection and try again.</source>
        <translation>Die Datenbank wurde außerhalb von Slotsmith geändert, seit die Listen gezeichnet wurden; sie zeigen sie jetzt, wie sie ist. Es wurde nichts geändert: Prüfen Sie die Auswahl und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>There is no undo history to clear.</source>
        <translation>Es gibt keinen Verlauf zum Rückgängigmachen, der gelöscht werden könnte.</translation>
    </message>
    <message>
        <location filename="../src/ops/QuestionText.cpp" line="+11"/>
        <source>No sounds were chosen.</source>
        <translation>Es wurden keine Sounds ausgewählt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No models were chosen.</source>
        <translation>Es wurden keine Modelle ausgewählt.</translation>
    </message>
</context>
<context>
    <name>Rename</name>
    <message>
        <location filename="../src/ops/RenameEdits.cpp" line="-99"/>
        <source>sound {slot}</source>
        <translation>Sound {slot}</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>model {slot}</source>
        <translation>Modell {slot}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{label}: {reason}</source>
        <translation>{label}: {reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>slots are numbered from 0 to 999</source>
        <translation>Plätze sind von 0 bis 999 nummeriert</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>{label} is empty; an empty slot has no name to change</source>
        <translation>{label} ist leer; ein leerer Platz hat keinen Namen, der geändert werden könnte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file cannot be read ({reason})</source>
        <translation>die Datei kann nicht gelesen werden ({reason})</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>{label}: &quot;{before}&quot; -&gt; &quot;{name}&quot;</source>
        <translation>{label}: &quot;{before}&quot; -&gt; &quot;{name}&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was renamed:</source>
        <translation>Es wurde nichts umbenannt:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rename sounds</source>
        <translation>Sounds umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename models</source>
        <translation>Modelle umbenennen</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>Are you sure you want to rename {n} sound(s)? Undo reverses it.</source>
        <translation>
            <numerusform>Möchten Sie wirklich {n} Sound umbenennen? Rückgängig macht es ungeschehen.</numerusform>
            <numerusform>Möchten Sie wirklich {n} Sounds umbenennen? Rückgängig macht es ungeschehen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Are you sure you want to rename {n} model(s)? Undo reverses it.</source>
        <translation>
            <numerusform>Möchten Sie wirklich {n} Modell umbenennen? Rückgängig macht es ungeschehen.</numerusform>
            <numerusform>Möchten Sie wirklich {n} Modelle umbenennen? Rückgängig macht es ungeschehen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Every name is already as given; nothing to do.</source>
        <translation>Jeder Name ist bereits wie angegeben; nichts zu tun.</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <location filename="../src/ops/RestoreEdits.cpp" line="-84"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>{source} holds no Neuron database.</source>
        <translation>{source} enthält keine Neuron-Datenbank.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Nothing was changed: {path} is not a folder; move it away first.</source>
        <translation>Es wurde nichts geändert: {path} ist kein Ordner; verschieben Sie es zuerst an einen anderen Ort.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nothing was changed: {path} is not a folder, or is spelled in other letter cases, so what the slot holds there is not known.</source>
        <translation>Es wurde nichts geändert: {path} ist kein Ordner oder ist in anderer Groß- und Kleinschreibung geschrieben, daher ist nicht bekannt, was der Platz dort enthält.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Every slot is already as in {source}; nothing was changed.</source>
        <translation>Jeder Platz ist bereits wie in {source}; es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Are you sure you want to restore the database from {source}? {sounds} and {models} change. Undo reverses it.</source>
        <translation>Möchten Sie die Datenbank wirklich aus {source} wiederherstellen? {sounds} und {models} ändern sich. Rückgängig macht es ungeschehen.</translation>
    </message>
</context>
<context>
    <name>Sound scripts</name>
    <message>
        <location filename="../src/core/SoundScriptFile.cpp" line="+61"/>
        <source>larger than 1 GiB; not a sound script</source>
        <translation>größer als 1 GiB; kein Soundskript</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>holds the control byte {byte} at offset {offset}, so it is not text</source>
        <translation>enthält das Steuerzeichen {byte} an Position {offset} und ist daher kein Text</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>has none of the name keys SoundNameC00 to SoundNameC15</source>
        <translation>hat keinen der Namensschlüssel SoundNameC00 bis SoundNameC15</translation>
    </message>
</context>
<context>
    <name>SummaryTexts</name>
    <message numerus="yes">
        <location filename="../src/app/Summaries.cpp" line="+27"/>
        <location line="+174"/>
        <location line="+40"/>
        <location line="+10"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n Sound</numerusform>
            <numerusform>%n Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-223"/>
        <location line="+195"/>
        <location line="+19"/>
        <location line="+10"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n Modell</numerusform>
            <numerusform>%n Modelle</numerusform>
        </translation>
    </message>
    <message>
        <location line="-220"/>
        <source>no model</source>
        <translation>kein Modell</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>model %1</source>
        <translation>Modell %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copied %1 to slot %2</source>
        <translation>%1 auf Platz %2 kopiert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Moved %1 to slot %2</source>
        <translation>%1 auf Platz %2 verschoben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Deleted %1</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replaced %1 of %2 by %3</source>
        <translation>%1 auf %2 durch %3 ersetzt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n reference(s)</source>
        <translation>
            <numerusform>%n Verweis</numerusform>
            <numerusform>%n Verweise</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Consolidated the models: no unused model to remove</source>
        <translation>Modellbank verdichtet: kein unbenutztes Modell zu entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidated the models: removed %1</source>
        <translation>Modellbank verdichtet: %1 entfernt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n unused model(s)</source>
        <translation>
            <numerusform>%n unbenutztes Modell</numerusform>
            <numerusform>%n unbenutzte Modelle</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: every name is already as given</source>
        <translation>: alle Namen sind bereits so wie angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Renamed %1</source>
        <translation>%1 umbenannt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Renamed sound %1 to &quot;%2&quot;</source>
        <translation>Sound %1 in &quot;%2&quot; umbenannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Renamed model %1 to &quot;%2&quot;</source>
        <translation>Modell %1 in &quot;%2&quot; umbenannt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>: the slots are in that order already</source>
        <translation>: die Plätze sind bereits in dieser Reihenfolge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>: %1 moved to another slot</source>
        <translation>: %1 auf einen anderen Platz verschoben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wrote SoundNames and ModelNames</source>
        <translation>SoundNames und ModelNames geschrieben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undid</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redid</source>
        <translation>wiederholt</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>%n sound slot(s)</source>
        <translation>
            <numerusform>%n Soundplatz</numerusform>
            <numerusform>%n Soundplätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n model slot(s)</source>
        <translation>
            <numerusform>%n Modellplatz</numerusform>
            <numerusform>%n Modellplätze</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 &quot;%2&quot;</source>
        <translation>&quot;%2&quot; %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 &quot;%2&quot;: %3 put back</source>
        <translation>&quot;%2&quot; %1: %3 wiederhergestellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>: done</source>
        <translation>: erledigt</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>This database holds %1 of undo history made elsewhere, left as it is: File ▸ Check Database Health</source>
        <translation>Diese Datenbank enthält anderswo entstandenen Verlauf (%1), der unverändert bleibt: Datei ▸ Datenbank prüfen</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n entr(ies)</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The health check found %1 in this database: File ▸ Check Database Health</source>
        <translation>Die Prüfung hat in dieser Datenbank %1 gefunden: Datei ▸ Datenbank prüfen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n thing(s)</source>
        <translation>
            <numerusform>%n Befund</numerusform>
            <numerusform>%n Befunde</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 in %2 slots</source>
        <translation>%1 auf %2 Plätzen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1: %2 in use, %3 in use - disabled, %4 unused</source>
        <translation>%1: %2 benutzt, %3 benutzt - ausgeschaltet, %4 unbenutzt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %1 referred to</source>
        <translation>; auf %1 wird verwiesen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <location line="+25"/>
        <source>%n empty slot(s)</source>
        <translation>
            <numerusform>%n leerer Platz</numerusform>
            <numerusform>%n leere Plätze</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Cancelled; nothing was changed</source>
        <translation>Abgebrochen; nichts wurde geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No database is open</source>
        <translation>Es ist keine Datenbank geöffnet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 refused: %2</source>
        <translation>%1 abgelehnt: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>Titles</name>
    <message>
        <location filename="../src/ops/EditRunner.cpp" line="-287"/>
        <source>Copy sounds</source>
        <translation>Sounds kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy models</source>
        <translation>Modelle kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move sounds</source>
        <translation>Sounds verschieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move models</source>
        <translation>Modelle verschieben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete/remove sounds</source>
        <translation>Sounds löschen/entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete/remove models</source>
        <translation>Modelle löschen/entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete sounds</source>
        <translation>Sounds löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete models</source>
        <translation>Modelle löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove sounds</source>
        <translation>Sounds entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove models</source>
        <translation>Modelle entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete/remove selected sounds</source>
        <translation>Ausgewählte Sounds löschen/entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete/remove selected models</source>
        <translation>Ausgewählte Modelle löschen/entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find &amp; replace</source>
        <translation>Suchen und Ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Consolidate database</source>
        <translation>Modellbank verdichten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write names files</source>
        <translation>Namensdateien schreiben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename sounds</source>
        <translation>Sounds umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename models</source>
        <translation>Modelle umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import sounds</source>
        <translation>Sounds importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import models</source>
        <translation>Modelle importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Place sounds from the library</source>
        <translation>Sounds aus der Bibliothek einsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dedupe models</source>
        <translation>Doppelte Modelle zusammenführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear references to empty slots</source>
        <translation>Verweise auf leere Plätze löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort sounds by name</source>
        <translation>Sounds nach Namen sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort models by name</source>
        <translation>Modelle nach Namen sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort sounds by model</source>
        <translation>Sounds nach Modell sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort models by model</source>
        <translation>Modelle nach Modell sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close gaps in sounds</source>
        <translation>Lücken bei den Sounds schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close gaps in models</source>
        <translation>Lücken bei den Modellen schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange sounds</source>
        <translation>Sounds anordnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Arrange models</source>
        <translation>Modelle anordnen</translation>
    </message>
</context>
<context>
    <name>Transaction</name>
    <message>
        <location filename="../src/ops/ChangedTree.cpp" line="+108"/>
        <source>the view of an edit&apos;s result is read only</source>
        <translation>die Ansicht des Ergebnisses einer Änderung ist schreibgeschützt</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <location filename="../src/ops/EditRunner.cpp" line="-76"/>
        <source>Could not start: {reason}</source>
        <translation>Der Schritt konnte nicht beginnen: {reason}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not read what the edit places: {reason}</source>
        <translation>Was die Änderung ablegt, konnte nicht gelesen werden: {reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not prepare the edit: {reason}</source>
        <translation>Die Änderung konnte nicht vorbereitet werden: {reason}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not commit the edit: {reason}</source>
        <translation>Die Änderung konnte nicht festgeschrieben werden: {reason}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not rename {from} -&gt; {to}: {reason}</source>
        <translation>{from} -&gt; {to} konnte nicht umbenannt werden: {reason}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Could not flush the database: {reason}</source>
        <translation>Die Datenbank konnte nicht auf den Datenträger geschrieben werden: {reason}</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Could not write the journal: {reason}</source>
        <translation>Das Journal konnte nicht geschrieben werden: {reason}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Could not carry out the edit: {reason}</source>
        <translation>Die Änderung konnte nicht ausgeführt werden: {reason}</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>no reason was given</source>
        <translation>es wurde kein Grund angegeben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The edit was interrupted by a signal.</source>
        <translation>Die Änderung wurde durch ein Signal unterbrochen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The edit was rolled back: nothing was changed.</source>
        <translation>Die Änderung wurde zurückgerollt: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The edit failed after its commit point and is being rolled back. The rollback is finished the next time the database is opened (for example by `slotsmith check`); until then `slotsmith doctor` shows what is left.</source>
        <translation>Die Änderung ist nach ihrem Festschreibepunkt fehlgeschlagen und wird zurückgerollt. Das Zurückrollen wird beim nächsten Öffnen der Datenbank abgeschlossen (zum Beispiel mit `slotsmith check`); bis dahin zeigt `slotsmith doctor`, was übrig ist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{title} failed</source>
        <translation>{title} fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/ops/TransactionCompile.cpp" line="+29"/>
        <source>lies outside the database</source>
        <translation>liegt außerhalb der Datenbank</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>lies in Slotsmith&apos;s own folder</source>
        <translation>liegt im eigenen Ordner von Slotsmith</translation>
    </message>
    <message>
        <location filename="../src/ops/TransactionRun.cpp" line="+159"/>
        <source>interrupted by a signal</source>
        <translation>durch ein Signal unterbrochen</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>is a symbolic link or not a plain folder; the edit&apos;s journal leads through it, so nothing was changed</source>
        <translation>ist ein symbolischer Link oder kein gewöhnlicher Ordner; das Journal der Änderung führt durch ihn, daher wurde nichts geändert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>is a symbolic link or a special file; the edit&apos;s journal leads through it, so nothing was changed</source>
        <translation>ist ein symbolischer Link oder eine Spezialdatei; das Journal der Änderung führt hindurch, daher wurde nichts geändert</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>{path} is no longer where the edit left it</source>
        <translation>{path} ist nicht mehr dort, wo die Änderung es hinterlassen hat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{path} is taken</source>
        <translation>{path} ist belegt</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>{path} no longer holds what the edit placed there (it was changed after the edit), so the undo would take it away</source>
        <translation>{path} enthält nicht mehr, was die Änderung dort abgelegt hat (es wurde nach der Änderung geändert), daher würde das Rückgängigmachen es entfernen</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <location filename="../src/cli/BlockEditCommand.h" line="+18"/>
        <source>The slots of the block: 3, 3,5 or 5-7,9</source>
        <translation>Die Plätze des Blocks: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The slot the block starts at afterwards (0-1000; 1000 is below the last row, which never fits)</source>
        <translation>Der Platz, an dem der Block danach beginnt (0-1000; 1000 liegt unter der letzten Zeile und passt nie)</translation>
    </message>
    <message>
        <location filename="../src/cli/Command.cpp" line="+21"/>
        <source>SLOTS is a list of slot numbers and ranges: 3, 3,5 or 5-7,9.</source>
        <translation>SLOTS ist eine Liste von Platznummern und Bereichen: 3, 3,5 oder 5-7,9.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Edits ask before they change anything; --yes confirms, and without a terminal an
unconfirmed edit is refused. Exit status: 0 done, 1 refused/declined/failed, 2 bad usage.</source>
        <translation>Änderungen fragen, bevor sie etwas ändern; --yes bestätigt, und ohne Terminal wird eine
unbestätigte Änderung abgelehnt. Exit-Status: 0 erledigt,
1 abgelehnt/verneint/fehlgeschlagen, 2 falscher Aufruf.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SUBCOMMAND</source>
        <translation>UNTERBEFEHL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SUBCOMMANDS</source>
        <translation>UNTERBEFEHLE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Positionals</source>
        <translation>Positionsargumente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>REQUIRED</source>
        <translation>ERFORDERLICH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Needs</source>
        <translation>Braucht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Excludes</source>
        <translation>Schließt aus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subcommands</source>
        <translation>Unterbefehle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe ausgeben und beenden</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Value {value} not in range {minimum} to {maximum}</source>
        <translation>Wert {value} liegt nicht im Bereich {minimum} bis {maximum}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{value} not in {choices}</source>
        <translation>{value} ist keiner der Werte {choices}</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The following argument was not expected: {arguments}</source>
        <translation>Dieses Argument wurde nicht erwartet: {arguments}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The following arguments were not expected: {arguments}</source>
        <translation>Diese Argumente wurden nicht erwartet: {arguments}</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A subcommand is required</source>
        <translation>Ein Unterbefehl ist erforderlich</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{name} is required</source>
        <translation>{name} ist erforderlich</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>{name}: At least {minimum} required but received {received}</source>
        <translation>{name}: mindestens {minimum} erforderlich, aber {received} erhalten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{name}: At Most {maximum} required but received {received}</source>
        <translation>{name}: höchstens {maximum} erlaubt, aber {received} erhalten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{name}: {count} required {type} missing</source>
        <translation>{name}: Wert fehlt ({count} × {type} erforderlich)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>{name}: {reason}</source>
        <translation>{name}: {reason}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>{name}: too many inputs for a flag</source>
        <translation>{name}: zu viele Werte für einen Schalter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{name}: Should be true/false or a number</source>
        <translation>{name}: sollte true/false oder eine Zahl sein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Could not convert: {name} = {values}</source>
        <translation>Nicht umwandelbar: {name} = {values}</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The value {value} is not an allowed value for {name}</source>
        <translation>Der Wert {value} ist für {name} nicht erlaubt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{name} excludes {other}</source>
        <translation>{name} schließt {other} aus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>{name} requires {other}</source>
        <translation>{name} erfordert {other}</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Run with {help} for more information.</source>
        <translation>Mit {help} erfahren Sie mehr.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The database folder (holding Sounds/ and Models/)</source>
        <translation>Der Datenbankordner (mit Sounds/ und Models/)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Which bank: sounds or models</source>
        <translation>Welche Bank: sounds oder models</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Confirm without asking</source>
        <translation>Ohne Nachfrage bestätigen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Print the steps the edit would take; change nothing</source>
        <translation>Die Schritte ausgeben, die die Änderung machen würde; nichts ändern</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&quot;{text}&quot; is not a whole number</source>
        <translation>„{text}“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{text} is not in range {minimum} to {maximum}</source>
        <translation>{text} liegt nicht im Bereich {minimum} bis {maximum}</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>expected slot numbers 0-999 and ranges like 3,5-7,9</source>
        <translation>erwartet werden Platznummern 0-999 und Bereiche wie 3,5-7,9</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>{path}: not a Neuron database (no Sounds/NNN.sound/sound.script or Models/NNN.model/MName found)</source>
        <translation>{path}: keine Neuron-Datenbank (kein Sounds/NNN.sound/sound.script und kein Models/NNN.model/MName gefunden)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Note: another edit is in progress on this database; reading it as it is now.</source>
        <translation>Hinweis: Auf dieser Datenbank läuft gerade eine andere Änderung; sie wird so gelesen, wie sie jetzt ist.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Note: this database holds {n} entr(y|ies) of undo history made elsewhere (on another computer, by another user or an earlier version), left as they are: `slotsmith doctor {database}` shows them.</source>
        <translation>
            <numerusform>Hinweis: Diese Datenbank enthält {n} Eintrag im Verlauf, der anderswo entstanden ist (auf einem anderen Computer, von einem anderen Benutzer oder einer früheren Version), und so belassen wird: `slotsmith doctor {database}` zeigt ihn.</numerusform>
            <numerusform>Hinweis: Diese Datenbank enthält {n} Einträge im Verlauf, die anderswo entstanden sind (auf einem anderen Computer, von einem anderen Benutzer oder einer früheren Version), und so belassen werden: `slotsmith doctor {database}` zeigt sie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+34"/>
        <source>Dry run: {title}, {n} steps; nothing was changed.</source>
        <translation>
            <numerusform>Probelauf: {title}, {n} Schritt; nichts wurde geändert.</numerusform>
            <numerusform>Probelauf: {title}, {n} Schritte; nichts wurde geändert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>note: {note}</source>
        <translation>Hinweis: {note}</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Cancelled; nothing was changed.</source>
        <translation>Abgebrochen; nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No database.</source>
        <translation>Keine Datenbank.</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>{title}: done ({n} steps).</source>
        <translation>
            <numerusform>{title}: erledigt ({n} Schritt).</numerusform>
            <numerusform>{title}: erledigt ({n} Schritte).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Slotsmith organises the sound database of a Neuron synthesizer: 1000 sound slots and 1000 model slots, with every sound&apos;s model references kept consistent by every edit.</source>
        <translation>Slotsmith ordnet die Sounddatenbank eines Neuron-Synthesizers: 1000 Soundplätze und 1000 Modellplätze, wobei jede Änderung die Modellverweise jedes Sounds stimmig hält.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Display program version information and exit</source>
        <translation>Die Version des Programms ausgeben und beenden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sound packs and backups (export, backup, verify, restore, import --from
PACK.zip) are not part of this build.</source>
        <translation>Soundpakete und Sicherungen (export, backup, verify, restore, import --from
PACK.zip) sind in diesem Build nicht enthalten.</translation>
    </message>
    <message>
        <location filename="../src/cli/DeleteCommand.cpp" line="+20"/>
        <source>The slots: 3, 3,5 or 5-7,9</source>
        <translation>Die Plätze: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message>
        <location filename="../src/cli/TerminalUi.cpp" line="+69"/>
        <source>Not confirmed: standard input is not a terminal (use --yes to confirm).</source>
        <translation>Nicht bestätigt: Die Standardeingabe ist kein Terminal (bestätigen Sie mit --yes).</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>{answer}? [y/N, Return: {declining}] </source>
        <translation>{answer}? [y/N, Eingabetaste: {declining}] </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>{answer}? [y/N] </source>
        <translation>{answer}? [y/N] </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>{message}: {informative}</source>
        <translation>{message}: {informative}</translation>
    </message>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="+63"/>
        <location filename="../src/cli/packs/BackupCommands.cpp" line="+120"/>
        <source>{reason}
Nothing was changed.</source>
        <translation>{reason}
Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>cli backup</name>
    <message>
        <location filename="../src/cli/packs/BackupCommands.cpp" line="-102"/>
        <source>Write the whole database DB (not its undo history) to one file</source>
        <translation>Die ganze Datenbank DB (ohne ihren Verlauf zum Rückgängigmachen) in eine Datei schreiben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup file (default: DB-YYYYMMDD-HHMMSS.tar.zst beside DB)</source>
        <translation>Die Sicherungsdatei (Vorgabe: DB-YYYYMMDD-HHMMSS.tar.zst neben DB)</translation>
    </message>
    <message numerus="yes">
        <location line="+22"/>
        <source>Backed up {n} files to {path}.</source>
        <translation>
            <numerusform>{n} Datei nach {path} gesichert.</numerusform>
            <numerusform>{n} Dateien nach {path} gesichert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli check</name>
    <message>
        <location filename="../src/cli/CheckCommand.cpp" line="+13"/>
        <source>Exit 0 when DB is a Neuron database, 1 when it is not</source>
        <translation>Exit-Status 0, wenn DB eine Neuron-Datenbank ist, 1, wenn nicht</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>{path}: a Neuron database</source>
        <translation>{path}: eine Neuron-Datenbank</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>{path}: not a Neuron database</source>
        <translation>{path}: keine Neuron-Datenbank</translation>
    </message>
</context>
<context>
    <name>cli compact</name>
    <message>
        <location filename="../src/cli/SortCommand.cpp" line="+56"/>
        <source>Close the gaps of SLOTS: its sounds or models keep their order and move to its first slots, the empty slots end up at its end; nothing outside SLOTS moves. Models: references follow</source>
        <translation>Die Lücken in SLOTS schließen: Die Sounds oder Modelle behalten ihre Reihenfolge und rücken auf die ersten Plätze, die leeren Plätze landen am Ende; außerhalb von SLOTS bewegt sich nichts. Modelle: die Verweise folgen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The slots to close up: 3, 3,5 or 5-7,9</source>
        <translation>Die Plätze, die aufrücken: 3, 3,5 oder 5-7,9</translation>
    </message>
</context>
<context>
    <name>cli consolidate</name>
    <message>
        <location filename="../src/cli/ConsolidateCommand.cpp" line="+15"/>
        <source>Remove every unused model and renumber the rest contiguously, sound references following</source>
        <translation>Jedes unbenutzte Modell entfernen und die übrigen lückenlos neu nummerieren; die Verweise der Sounds folgen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Consolidate from this model slot on; the slots before it stay (0-999)</source>
        <translation>Ab diesem Modellplatz verdichten; die Plätze davor bleiben (0-999)</translation>
    </message>
</context>
<context>
    <name>cli copy</name>
    <message>
        <location filename="../src/cli/CopyCommand.cpp" line="+11"/>
        <source>Insert copies of SLOTS as one block at slot --to; the slots from there on move up to make room (models: every sound keeps its models)</source>
        <translation>Kopien von SLOTS als einen Block an Platz --to einfügen; die Plätze ab dort rücken auf, um Platz zu machen (Modelle: jeder Sound behält seine Modelle)</translation>
    </message>
</context>
<context>
    <name>cli dedupe</name>
    <message>
        <location filename="../src/cli/DedupeCommand.cpp" line="+15"/>
        <source>Point references at the lowest of each group of identical models; delete the other copies</source>
        <translation>Die Verweise auf das niedrigste Modell jeder Gruppe gleicher Modelle richten; die anderen Kopien löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Models are identical when their data is, whatever MName says</source>
        <translation>Modelle sind gleich, wenn ihre Daten gleich sind, egal was in MName steht</translation>
    </message>
</context>
<context>
    <name>cli delete</name>
    <message>
        <location filename="../src/cli/DeleteCommand.cpp" line="+20"/>
        <source>Delete SLOTS; their slots stay empty (the alert&apos;s &quot;Delete&quot; answer)</source>
        <translation>SLOTS löschen; ihre Plätze bleiben leer (die Antwort „Löschen“ der Rückfrage)</translation>
    </message>
</context>
<context>
    <name>cli demo</name>
    <message>
        <location filename="../src/cli/DemoCommand.cpp" line="+14"/>
        <source>Write a demo database into DIR (a new or empty folder)</source>
        <translation>Eine Demo-Datenbank nach DIR schreiben (ein neuer oder leerer Ordner)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder to write</source>
        <translation>Der Ordner, der geschrieben wird</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Fill all 1000 sound and 1000 model slots</source>
        <translation>Alle 1000 Sound- und 1000 Modellplätze füllen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Demo database written to {path}</source>
        <translation>Demo-Datenbank nach {path} geschrieben</translation>
    </message>
</context>
<context>
    <name>cli diff</name>
    <message>
        <location filename="../src/cli/DiffCommand.cpp" line="+34"/>
        <source>Print two sounds&apos; parameters side by side, differences first</source>
        <translation>Die Parameter zweier Sounds nebeneinander ausgeben, Unterschiede zuerst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The first sound slot</source>
        <translation>Der erste Soundplatz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The second sound slot</source>
        <translation>Der zweite Soundplatz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print only the parameters that differ</source>
        <translation>Nur die Parameter ausgeben, die sich unterscheiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One line per parameter (a line of sound.script, paired by key), differences first:
  MARK&lt;TAB&gt;KEY&lt;TAB&gt;value in A&lt;TAB&gt;value in B
MARK is ! (values differ), &lt; (only A has the line), &gt; (only B has it) or = (equal).
Values are compared as text, as the script holds them; CRLF and LF endings are the
same. A key&apos;s second and later lines are paired by occurrence and print as KEY#2, ...
Exit status, like diff: 0 the sounds are the same, 1 they differ, 2 trouble (bad
usage, not a database, an empty slot or a script that cannot be read).</source>
        <translation>Eine Zeile je Parameter (eine Zeile von sound.script, nach Schlüssel gepaart), Unterschiede
zuerst:
  MARK&lt;TAB&gt;KEY&lt;TAB&gt;Wert in A&lt;TAB&gt;Wert in B
MARK ist ! (Werte verschieden), &lt; (nur A hat die Zeile), &gt; (nur B hat sie) oder = (gleich).
Werte werden als Text verglichen, wie das Skript sie enthält; CRLF- und LF-Enden gelten
als gleich. Die zweite und weitere Zeilen eines Schlüssels werden nach Vorkommen gepaart
und als KEY#2, ... ausgegeben. Exit-Status wie bei diff: 0 die Sounds sind gleich, 1 sie
unterscheiden sich, 2 Problem (falscher Aufruf, keine Datenbank, ein leerer Platz oder
ein Skript, das sich nicht lesen lässt).</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>sound {slot} is empty: {path} does not exist</source>
        <translation>Sound {slot} ist leer: {path} existiert nicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>sound {slot} cannot be read: {reason}</source>
        <translation>Sound {slot} kann nicht gelesen werden: {reason}</translation>
    </message>
</context>
<context>
    <name>cli doctor</name>
    <message>
        <location filename="../src/cli/DoctorCommand.cpp" line="+10"/>
        <source>Show what an interrupted edit or an earlier program left in DB, sound scripts that are no sound, and references to empty model slots; --fix clears what is provably left over</source>
        <translation>Zeigen, was eine unterbrochene Änderung oder ein früheres Programm in DB hinterlassen hat, Soundskripte, die kein Sound sind, und Verweise auf leere Modellplätze; --fix räumt auf, was nachweislich übrig ist</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Clear a lock that names a process of this host that is gone; put back what an edit that cannot be recovered took out of its place, and set that edit aside; report the rest, which only you can judge</source>
        <translation>Eine Sperre aufheben, die einen beendeten Prozess dieses Rechners nennt; zurücklegen, was eine nicht wiederherstellbare Änderung von seinem Platz genommen hat, und diese Änderung beiseitelegen; den Rest melden, den nur Sie beurteilen können</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>With --fix: an unfinished edit made elsewhere that is your own (from your other computer, say) is adopted, checked and finished or rolled back instead of set aside (asks first)</source>
        <translation>Mit --fix: Eine anderswo gemachte, unfertige Änderung, die Ihre eigene ist (etwa von Ihrem anderen Computer), wird übernommen, geprüft und abgeschlossen oder zurückgerollt statt beiseitegelegt (fragt vorher)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete the folder NAME that was set aside in .slotsmith/aside (doctor lists them)</source>
        <translation>Den in .slotsmith/aside beiseitegelegten Ordner NAME löschen (doctor listet sie auf)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>deleted: {path}</source>
        <translation>gelöscht: {path}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--adopt goes with --fix.</source>
        <translation>--adopt gehört zu --fix.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/cli/HistoryCommand.cpp" line="+5"/>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>cleared: {path} (it named a process that is gone)</source>
        <translation>bereinigt: {path} (sie nannte einen Prozess, der nicht mehr läuft)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cleared: {path} (adopted as your own, checked and finished or rolled back)</source>
        <translation>bereinigt: {path} (als Ihre eigene übernommen, geprüft und abgeschlossen oder zurückgerollt)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cleared: {path} (made elsewhere: set aside whole, no slot was touched)</source>
        <translation>bereinigt: {path} (anderswo gemacht: als Ganzes beiseitegelegt, kein Platz wurde angerührt)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cleared: {path} (what it proves it took out is back where it was free; the rest is set aside)</source>
        <translation>bereinigt: {path} (was sie nachweislich herausgenommen hat, ist zurück, wo der Platz frei war; der Rest ist beiseitegelegt)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>plays another model: {line}</source>
        <translation>spielt ein anderes Modell: {line}</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>{kind}: {path}: {text} (--fix clears it)</source>
        <translation>{kind}: {path}: {text} (--fix bereinigt das)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>{kind}: {path}: {text}</source>
        <translation>{kind}: {path}: {text}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing odd found.</source>
        <translation>Nichts Auffälliges gefunden.</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/cli/HistoryCommand.cpp" line="-11"/>
        <source>Adopt history made elsewhere</source>
        <translation>Anderswo entstandenen Verlauf übernehmen</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Adopt {n} unfinished edit(s) made elsewhere as your own? Only do so if you made it, on another computer or with an earlier version: it is then checked and finished or rolled back, which moves slot folders.</source>
        <translation>
            <numerusform>{n} anderswo gemachte, unfertige Änderung als Ihre eigene übernehmen? Tun Sie das nur, wenn Sie sie gemacht haben, auf einem anderen Computer oder mit einer früheren Version: Sie wird dann geprüft und abgeschlossen oder zurückgerollt, was Platzordner verschiebt.</numerusform>
            <numerusform>{n} anderswo gemachte, unfertige Änderungen als Ihre eigenen übernehmen? Tun Sie das nur, wenn Sie sie gemacht haben, auf einem anderen Computer oder mit einer früheren Version: Sie werden dann geprüft und abgeschlossen oder zurückgerollt, was Platzordner verschiebt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Note: `slotsmith doctor {path}` has {count} thing(s) to show.</source>
        <translation>Hinweis: `slotsmith doctor {path}` hat etwas zu zeigen (Anzahl: {count}).</translation>
    </message>
</context>
<context>
    <name>cli duplicates</name>
    <message>
        <location filename="../src/cli/DuplicatesCommand.cpp" line="+33"/>
        <source>Print the groups of identical models and of sounds identical but for their names</source>
        <translation>Die Gruppen gleicher Modelle und bis auf ihre Namen gleicher Sounds ausgeben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print {&quot;models&quot;: [[slots...], ...], &quot;sounds&quot;: [...]} instead</source>
        <translation>Stattdessen {&quot;models&quot;: [[slots...], ...], &quot;sounds&quot;: [...]} ausgeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Models are identical when their data is, whatever MName says</source>
        <translation>Modelle sind gleich, wenn ihre Daten gleich sind, egal was in MName steht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One line per group of two or more slots, groups ordered by their lowest slot:
  models: 3 17 204     model folders identical file for file, byte for byte
  sounds: 5 9          sound scripts identical but for SoundNameC00..C15
Models come first, then sounds; no line means no duplicates. A slot that cannot be
read is named on standard error and left out. Exit status: 0 done, 1 when a slot
could not be read (the groups found are still printed), 2 bad usage.</source>
        <translation>Eine Zeile je Gruppe von zwei oder mehr Plätzen, Gruppen nach ihrem niedrigsten Platz:
  models: 3 17 204     Modellordner Datei für Datei, Byte für Byte gleich
  sounds: 5 9          Soundskripte gleich bis auf SoundNameC00..C15
Zuerst die Modelle, dann die Sounds; keine Zeile heißt: keine Doppelten. Ein Platz,
der sich nicht lesen lässt, wird auf der Standardfehlerausgabe genannt und ausgelassen.
Exit-Status: 0 erledigt, 1 wenn ein Platz nicht gelesen werden konnte (die gefundenen
Gruppen werden trotzdem ausgegeben), 2 falscher Aufruf.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>not compared: {reason}</source>
        <translation>nicht verglichen: {reason}</translation>
    </message>
</context>
<context>
    <name>cli export</name>
    <message>
        <location filename="../src/cli/packs/ExportCommand.cpp" line="+17"/>
        <source>Write sounds of DB with every model they use to a sound pack</source>
        <translation>Sounds aus DB mit allen Modellen, die sie benutzen, in ein Soundpaket schreiben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The sounds to export: 3, 3,5 or 5-7,9</source>
        <translation>Die zu exportierenden Sounds: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The pack file to write (.zip; must not exist)</source>
        <translation>Die Paketdatei, die geschrieben wird (.zip; darf noch nicht existieren)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The pack holds the sounds at 000 on and their models renumbered from 000, with
references rewritten to match, both names files and pack.json (the source slots,
names and a SHA-256 per file). Unzipped, it is a database. `slotsmith import DB
--from PACK.zip SLOTS --to N` imports from it.</source>
        <translation>Das Paket enthält die Sounds ab 000 und ihre Modelle ab 000 neu nummeriert, mit
passend umgeschriebenen Verweisen, beide Namensdateien und pack.json (die Quellplätze,
Namen und eine SHA-256 je Datei). Entpackt ist es eine Datenbank. `slotsmith import DB
--from PACK.zip SLOTS --to N` importiert daraus.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>export: the pack&apos;s name must end in .zip</source>
        <translation>export: Der Name des Pakets muss auf .zip enden</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>Exported {n} sounds and {models} models to {path}.</source>
        <translation>
            <numerusform>{n} Sound (Modelle: {models}) nach {path} exportiert.</numerusform>
            <numerusform>{n} Sounds (Modelle: {models}) nach {path} exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli history</name>
    <message>
        <location filename="../src/cli/HistoryCommand.cpp" line="-107"/>
        <source>made elsewhere (not undone here; --adopt makes it yours)</source>
        <translation>anderswo gemacht (hier nicht rückgängig zu machen; --adopt macht sie zu Ihrer)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unfinished, made elsewhere (doctor shows it)</source>
        <translation>unfertig, anderswo gemacht (doctor zeigt sie)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>damaged (doctor shows it)</source>
        <translation>beschädigt (doctor zeigt sie)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in place</source>
        <translation>ausgeführt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unfinished ({state})</source>
        <translation>unfertig ({state})</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>List the edits that can be undone or redone, newest first, and the disk space their undo data takes; --clear deletes it</source>
        <translation>Die Änderungen auflisten, die rückgängig gemacht oder wiederhergestellt werden können, die neueste zuerst, und den Speicherplatz ihrer Rückgängig-Daten; --clear löscht sie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete the undo data of every edit (asks first; the slots stay); history made elsewhere is set aside instead</source>
        <translation>Die Rückgängig-Daten aller Änderungen löschen (fragt vorher; die Plätze bleiben); anderswo entstandener Verlauf wird stattdessen beiseitegelegt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make the finished edits made elsewhere yours (from your other computer, say), each one that its checks prove still fits the slots (asks first)</source>
        <translation>Die anderswo gemachten, abgeschlossenen Änderungen (etwa von Ihrem anderen Computer) zu Ihren eigenen machen, jede, die laut ihren Prüfungen noch zu den Plätzen passt (fragt vorher)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The undo history was cleared.</source>
        <translation>Der Rückgängig-Verlauf wurde gelöscht.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The undo history cannot be read: {reason}</source>
        <translation>Der Rückgängig-Verlauf kann nicht gelesen werden: {reason}</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No edits to undo or redo.</source>
        <translation>Keine Änderungen, die rückgängig gemacht oder wiederhergestellt werden können.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>{folders} folders, {scripts} scripts</source>
        <translation>{folders} Ordner, {scripts} Skripte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keeps the newest {kept} edits within {limit} of undo data; now {count} edits, {size}.</source>
        <translation>Behält die neuesten {kept} Änderungen innerhalb von {limit} Rückgängig-Daten; jetzt Änderungen: {count}, {size}.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>No finished edits made elsewhere to adopt.</source>
        <translation>Keine anderswo gemachten, abgeschlossenen Änderungen zum Übernehmen.</translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Make {n} edit(s) made elsewhere your own, so that they can be undone and redone here? Only do so if you made them (on another computer, say).</source>
        <translation>
            <numerusform>{n} anderswo gemachte Änderung zu Ihrer eigenen machen, sodass sie hier rückgängig gemacht und wiederhergestellt werden kann? Tun Sie das nur, wenn Sie sie gemacht haben (etwa auf einem anderen Computer).</numerusform>
            <numerusform>{n} anderswo gemachte Änderungen zu Ihren eigenen machen, sodass sie hier rückgängig gemacht und wiederhergestellt werden können? Tun Sie das nur, wenn Sie sie gemacht haben (etwa auf einem anderen Computer).</numerusform>
        </translation>
    </message>
    <message>
        <location line="+17"/>
        <source>adopted: #{entry}</source>
        <translation>übernommen: #{entry}</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not adopted: {reason}</source>
        <translation>nicht übernommen: {reason}</translation>
    </message>
</context>
<context>
    <name>cli import</name>
    <message>
        <location filename="../src/cli/ImportCommand.cpp" line="-45"/>
        <source>Import sounds (with their models) or models from another database</source>
        <translation>Sounds (mit ihren Modellen) oder Modelle aus einer anderen Datenbank importieren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database folder or sound pack (.zip) to import from (only read)</source>
        <translation>Der Datenbankordner oder das Soundpaket (.zip), aus dem importiert wird (wird nur gelesen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sounds to import: 3, 3,5 or 5-7,9</source>
        <translation>Die zu importierenden Sounds: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The slot the imported block starts at (0-999)</source>
        <translation>Der Platz, an dem der importierte Block beginnt (0-999)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Import these models alone: 3, 3,5 or 5-7,9</source>
        <translation>Nur diese Modelle importieren: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Give SLOTS and --to, or --models. A model identical to one in DB (every file, byte
for byte, MName included) is not copied; the others go to the lowest model slots
without a folder that no sound refers to. A reference to an empty model slot of
OTHER becomes -1. The report names every model reused or copied.</source>
        <translation>Geben Sie SLOTS und --to oder --models an. Ein Modell, das einem in DB gleicht (jede
Datei, Byte für Byte, MName eingeschlossen), wird nicht kopiert; die anderen kommen auf
die niedrigsten Modellplätze ohne Ordner, auf die kein Sound verweist. Ein Verweis auf
einen leeren Modellplatz von OTHER wird -1. Der Bericht nennt jedes wiederverwendete
oder kopierte Modell.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>import: give SLOTS and --to N, or --models SLOTS</source>
        <translation>import: Geben Sie SLOTS und --to N an oder --models SLOTS</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>{path} is a file, not a database folder. This build of Slotsmith reads no sound packs: unzip the pack and import from its folder.
Nothing was changed.</source>
        <translation>{path} ist eine Datei, kein Datenbankordner. Diese Ausgabe von Slotsmith liest keine Soundpakete: Entpacken Sie das Paket und importieren Sie aus seinem Ordner.
Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>cli library</name>
    <message>
        <location filename="../src/cli/library/LibraryCommand.cpp" line="+28"/>
        <source>Your sound library: every sound of your databases, where each one lies</source>
        <translation>Ihre Soundbibliothek: jeder Sound Ihrer Datenbanken und wo er liegt</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>The library file (default: SLOTSMITH_LIBRARY, else library.sqlite in your data folder)</source>
        <translation>Die Bibliotheksdatei (Vorgabe: SLOTSMITH_LIBRARY, sonst library.sqlite in Ihrem Datenordner)</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Read {path}: {sounds}, {models}.</source>
        <translation>{path} gelesen: {sounds}, {models}.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>{n} sounds</source>
        <translation>
            <numerusform>{n} Sound</numerusform>
            <numerusform>{n} Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>{n} models</source>
        <translation>
            <numerusform>{n} Modell</numerusform>
            <numerusform>{n} Modelle</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="+49"/>
        <source>A source of the library (as added) and a sound slot of it, unless --id names the sound</source>
        <translation>Eine Quelle der Bibliothek (wie hinzugefügt) und ein Soundplatz darin, außer --id nennt den Sound</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A source of the library (as added) and a sound slot of it, unless --id names the sound; then {rest}</source>
        <translation>Eine Quelle der Bibliothek (wie hinzugefügt) und ein Soundplatz darin, außer --id nennt den Sound; dann {rest}</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The sound&apos;s id as `library search` prints it (at least 8 of its hex digits), instead of SOURCE SLOT</source>
        <translation>Die ID des Sounds, wie `library search` sie ausgibt (mindestens 8 ihrer Hex-Ziffern), statt SOURCE SLOT</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Name the sound by SOURCE SLOT (a sound slot 0 to 999) or by --id ID.</source>
        <translation>Nennen Sie den Sound mit SOURCE SLOT (einem Soundplatz von 0 bis 999) oder mit --id ID.</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Unexpected: {word}</source>
        <translation>Unerwartet: {word}</translation>
    </message>
</context>
<context>
    <name>cli library add</name>
    <message>
        <location filename="../src/cli/library/LibraryCommands.cpp" line="+24"/>
        <source>Add database folders, sound packs and backups to the library and read them</source>
        <translation>Datenbankordner, Soundpakete und Sicherungen zur Bibliothek hinzufügen und einlesen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A database folder, a sound pack (.zip) or a backup (.tar.zst)</source>
        <translation>Ein Datenbankordner, ein Soundpaket (.zip) oder eine Sicherung (.tar.zst)</translation>
    </message>
</context>
<context>
    <name>cli library at-risk</name>
    <message>
        <location filename="../src/cli/library/LibrarySearchCommands.cpp" line="+209"/>
        <source>Print what a dead card would take with it: the sounds and models whose every place lies in one database folder, held by no other database, pack or backup of the library (a missing source&apos;s places count). One line each, by source: sound|model&lt;TAB&gt;source&lt;TAB&gt;slots&lt;TAB&gt;name&lt;TAB&gt;id</source>
        <translation>Ausgeben, was eine defekte Karte mitnehmen würde: die Sounds und Modelle, deren Orte alle in einem Datenbankordner liegen und die keine andere Datenbank, kein Paket und keine Sicherung der Bibliothek enthält (die Orte einer fehlenden Quelle zählen mit). Je eine Zeile, nach Quelle: sound|model&lt;TAB&gt;source&lt;TAB&gt;slots&lt;TAB&gt;name&lt;TAB&gt;id</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print a JSON object with the arrays sounds (as `library search --json`) and models (id, name, places)</source>
        <translation>Ein JSON-Objekt mit den Arrays sounds (wie `library search --json`) und models (id, name, places) ausgeben</translation>
    </message>
</context>
<context>
    <name>cli library categorize</name>
    <message>
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="+153"/>
        <source>Run the rules on every sound again: the tags they give change, the tags you set or took off by hand stay as you left them</source>
        <translation>Die Regeln erneut auf jeden Sound anwenden: Die Schlagwörter, die sie vergeben, ändern sich, die von Hand gesetzten oder entfernten bleiben, wie Sie sie hinterlassen haben</translation>
    </message>
</context>
<context>
    <name>cli library export</name>
    <message>
        <location filename="../src/cli/library/UserDataFileCommands.cpp" line="+28"/>
        <source>Write your tags, favourites, hidden flags, notes, rules and lists to FILE as JSON: the data the sources cannot give back. Keep it as your backup; `library import` merges it back</source>
        <translation>Ihre Schlagwörter, Favoriten, Ausblendungen, Notizen, Regeln und Listen als JSON nach FILE schreiben: die Daten, die die Quellen nicht zurückgeben können. Bewahren Sie sie als Sicherung auf; `library import` führt sie wieder zusammen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file to write (replaced whole)</source>
        <translation>Die Datei, die geschrieben wird (ganz ersetzt)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Wrote {sounds}, {tags}, {rules}, {lists} to {file}.</source>
        <translation>{sounds}, {tags}, {rules}, {lists} nach {file} geschrieben.</translation>
    </message>
</context>
<context>
    <name>cli library fav</name>
    <message>
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="-173"/>
        <source>Mark a sound a favourite (--off: no longer)</source>
        <translation>Einen Sound als Favorit markieren (--off: nicht mehr)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>No longer a favourite</source>
        <translation>Nicht mehr Favorit</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>{sound} is no favourite.</source>
        <translation>{sound} ist kein Favorit.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>{sound} is a favourite.</source>
        <translation>{sound} ist ein Favorit.</translation>
    </message>
</context>
<context>
    <name>cli library hide</name>
    <message>
        <location line="-28"/>
        <source>Hide a sound from searches that do not ask for hidden ones (--off: show it again)</source>
        <translation>Einen Sound in Suchen ausblenden, die nicht nach ausgeblendeten fragen (--off: wieder zeigen)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show it again</source>
        <translation>Wieder zeigen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>{sound} is shown.</source>
        <translation>{sound} wird angezeigt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>{sound} is hidden.</source>
        <translation>{sound} ist ausgeblendet.</translation>
    </message>
</context>
<context>
    <name>cli library import</name>
    <message>
        <location filename="../src/cli/library/UserDataFileCommands.cpp" line="+16"/>
        <source>Merge a file `library export` wrote into the library: tags are united, flags set on either side stay set, a note that differs is added below yours, lists and rules are merged by name. A file that is not all good changes nothing</source>
        <translation>Eine von `library export` geschriebene Datei in die Bibliothek einfügen: Schlagwörter werden vereinigt, auf einer Seite gesetzte Markierungen bleiben gesetzt, eine abweichende Notiz wird unter Ihrer angefügt, Listen und Regeln werden nach Namen zusammengeführt. Eine Datei, die nicht ganz in Ordnung ist, ändert nichts</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A file `library export` wrote</source>
        <translation>Eine von `library export` geschriebene Datei</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Merged {sounds}, {tags}, {rules}, {lists} from {file}.</source>
        <translation>{sounds}, {tags}, {rules}, {lists} aus {file} zusammengeführt.</translation>
    </message>
</context>
<context>
    <name>cli library list</name>
    <message>
        <location filename="../src/cli/library/LibraryListCommands.cpp" line="+20"/>
        <source>Your lists of sounds, from which `library place` builds banks</source>
        <translation>Ihre Listen von Sounds, aus denen `library place` Bänke baut</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The list&apos;s name</source>
        <translation>Der Name der Liste</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The positions: 2, 2,5 or 3-6,9</source>
        <translation>Die Positionen: 2, 2,5 oder 3-6,9</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>expected positions from 1 and ranges like 2,5-7</source>
        <translation>erwartet werden Positionen ab 1 und Bereiche wie 2,5-7</translation>
    </message>
</context>
<context>
    <name>cli library list add</name>
    <message>
        <location line="+65"/>
        <source>Add to the end of a list the sounds the library records in slots of a source</source>
        <translation>Die Sounds, die die Bibliothek auf Plätzen einer Quelle verzeichnet, ans Ende einer Liste anfügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A source of the library</source>
        <translation>Eine Quelle der Bibliothek</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sounds&apos; slots in SOURCE: 3, 3,5 or 5-7,9</source>
        <translation>Die Plätze der Sounds in SOURCE: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Added {n} sound(s) to {name}.</source>
        <translation>
            <numerusform>{n} Sound zu {name} hinzugefügt.</numerusform>
            <numerusform>{n} Sounds zu {name} hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Already in the list: {slots} of {source}.</source>
        <translation>Schon in der Liste: {slots} von {source}.</translation>
    </message>
</context>
<context>
    <name>cli library list create</name>
    <message>
        <location line="-64"/>
        <source>Make a new, empty list of sounds</source>
        <translation>Eine neue, leere Liste von Sounds anlegen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Made the list {name}.</source>
        <translation>Die Liste {name} angelegt.</translation>
    </message>
</context>
<context>
    <name>cli library list delete</name>
    <message>
        <location line="+12"/>
        <source>Delete a list (its sounds stay where they lie)</source>
        <translation>Eine Liste löschen (ihre Sounds bleiben, wo sie liegen)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Deleted the list {name}.</source>
        <translation>Die Liste {name} gelöscht.</translation>
    </message>
</context>
<context>
    <name>cli library list move</name>
    <message>
        <location line="+80"/>
        <source>Move items of a list, in their order, before another position (from 1, as `list show` prints them)</source>
        <translation>Einträge einer Liste in ihrer Reihenfolge vor eine andere Position verschieben (ab 1, wie `list show` sie ausgibt)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The position they go before, as the list is now (one past the last: the end)</source>
        <translation>Die Position, vor die sie kommen, wie die Liste jetzt ist (eine nach der letzten: das Ende)</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>Moved {n} sound(s) in {name}.</source>
        <translation>
            <numerusform>{n} Sound in {name} verschoben.</numerusform>
            <numerusform>{n} Sounds in {name} verschoben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library list remove</name>
    <message>
        <location line="-45"/>
        <source>Remove items from a list by their positions (from 1, as `list show` prints them); the later ones move up</source>
        <translation>Einträge nach ihren Positionen aus einer Liste entfernen (ab 1, wie `list show` sie ausgibt); die späteren rücken auf</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Removed {n} sound(s) from {name}.</source>
        <translation>
            <numerusform>{n} Sound aus {name} entfernt.</numerusform>
            <numerusform>{n} Sounds aus {name} entfernt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli library list rename</name>
    <message>
        <location line="+50"/>
        <source>Give a list a new name</source>
        <translation>Einer Liste einen neuen Namen geben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The list&apos;s new name</source>
        <translation>Der neue Name der Liste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Renamed the list {name} to {new}.</source>
        <translation>Die Liste {name} in {new} umbenannt.</translation>
    </message>
</context>
<context>
    <name>cli library list show</name>
    <message>
        <location line="+32"/>
        <source>Print a list: position&lt;TAB&gt;id&lt;TAB&gt;name, then each place it can be taken from now as &lt;TAB&gt;NNN path</source>
        <translation>Eine Liste ausgeben: position&lt;TAB&gt;id&lt;TAB&gt;name, dann jeden Ort, von dem der Sound jetzt genommen werden kann, als &lt;TAB&gt;NNN path</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print a JSON array of objects instead</source>
        <translation>Stattdessen ein JSON-Array von Objekten ausgeben</translation>
    </message>
</context>
<context>
    <name>cli library note</name>
    <message>
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="+16"/>
        <source>Write a note on a sound (an empty TEXT takes it away)</source>
        <translation>Eine Notiz zu einem Sound schreiben (ein leerer TEXT entfernt sie)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Give the note as one TEXT (quote it).</source>
        <translation>Geben Sie die Notiz als ein TEXT an (in Anführungszeichen).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Took the note off {sound}.</source>
        <translation>Die Notiz von {sound} entfernt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrote the note on {sound}.</source>
        <translation>Die Notiz zu {sound} geschrieben.</translation>
    </message>
</context>
<context>
    <name>cli library place</name>
    <message>
        <location filename="../src/cli/library/LibraryPlaceCommand.cpp" line="+24"/>
        <source>Import the sounds of a list into a database as one block, with the models they play, in one edit that undo reverses</source>
        <translation>Die Sounds einer Liste als einen Block mit den Modellen, die sie spielen, in eine Datenbank importieren, in einer Änderung, die undo rückgängig macht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The list</source>
        <translation>Die Liste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The slot the block starts at (0-999)</source>
        <translation>Der Platz, an dem der Block beginnt (0-999)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Each sound is taken from a place the library records that holds it now (its
identity read again): a database first, then a pack, then a backup. A model
identical to one in DB is reused; the others go to free model slots. The block
never pushes sounds past slot 999. A sound no place holds now, or a block that
does not fit, is refused before anything changes.</source>
        <translation>Jeder Sound wird von einem Ort genommen, den die Bibliothek verzeichnet und der ihn
jetzt enthält (seine Identität erneut gelesen): zuerst eine Datenbank, dann ein Paket,
dann eine Sicherung. Ein Modell, das einem in DB gleicht, wird wiederverwendet; die
anderen kommen auf freie Modellplätze. Der Block schiebt nie Sounds über Platz 999
hinaus. Ein Sound, den jetzt kein Ort enthält, oder ein Block, der nicht passt, wird
abgelehnt, bevor sich etwas ändert.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Place list {list}: nothing was changed. No place holds this sound now:</source>
        <translation>Liste {list} einsetzen: Es wurde nichts geändert. Kein Ort enthält diesen Sound jetzt:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Place list {list}: nothing was changed. No place holds these sounds now:</source>
        <translation>Liste {list} einsetzen: Es wurde nichts geändert. Kein Ort enthält diese Sounds jetzt:</translation>
    </message>
</context>
<context>
    <name>cli library rebuild</name>
    <message>
        <location filename="../src/cli/library/UserDataFileCommands.cpp" line="+16"/>
        <source>Make the library again from its sources, keeping your tags, favourites, notes, rules and lists. A damaged library file is set aside (FILE.damaged-TIME) and its data salvaged as far as it can be read</source>
        <translation>Die Bibliothek neu aus ihren Quellen aufbauen und dabei Ihre Schlagwörter, Favoriten, Notizen, Regeln und Listen behalten. Eine beschädigte Bibliotheksdatei wird beiseitegelegt (FILE.damaged-TIME) und ihre Daten werden gerettet, soweit sie sich lesen lassen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The damaged library is now {path}.</source>
        <translation>Die beschädigte Bibliothek ist jetzt {path}.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Some of your data could not be read from it; `library import` puts back what an export of yours holds.</source>
        <translation>Einige Ihrer Daten konnten daraus nicht gelesen werden; `library import` stellt wieder her, was ein Export von Ihnen enthält.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Kept your data about {sounds} ({tags}), {rules} and {lists}; reading {sources} again.</source>
        <translation>Ihre Daten zu {sounds} ({tags}), {rules} und {lists} behalten; neu gelesen werden jetzt: {sources}.</translation>
    </message>
</context>
<context>
    <name>cli library refresh</name>
    <message>
        <location filename="../src/cli/library/LibraryCommands.cpp" line="+118"/>
        <source>Read again what changed in the library&apos;s sources (every one, or those given): a database&apos;s changed slots, an archive whose bytes changed; one that cannot be reached keeps its places, marked missing</source>
        <translation>Erneut lesen, was sich in den Quellen der Bibliothek geändert hat (in allen oder den angegebenen): die geänderten Plätze einer Datenbank, ein Archiv, dessen Bytes sich geändert haben; eine nicht erreichbare Quelle behält ihre Orte, als fehlend markiert</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A source of the library</source>
        <translation>Eine Quelle der Bibliothek</translation>
    </message>
</context>
<context>
    <name>cli library remove</name>
    <message>
        <location line="-100"/>
        <source>Forget a source and where its sounds lie (your tags, favourites and notes stay)</source>
        <translation>Eine Quelle vergessen und wo ihre Sounds liegen (Ihre Schlagwörter, Favoriten und Notizen bleiben)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A source of the library</source>
        <translation>Eine Quelle der Bibliothek</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Removed {path} from the library.</source>
        <translation>{path} aus der Bibliothek entfernt.</translation>
    </message>
</context>
<context>
    <name>cli library rules</name>
    <message numerus="yes">
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="-203"/>
        <source>The rules give {n} tags now.</source>
        <translation>
            <numerusform>Die Regeln vergeben jetzt {n} Schlagwort.</numerusform>
            <numerusform>Die Regeln vergeben jetzt {n} Schlagwörter.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+215"/>
        <source>The rules that tag sounds by their names. Alone: print them, ID&lt;TAB&gt;TAG&lt;TAB&gt;PATTERN. `rules add TAG PATTERN`, `rules change ID [--tag TAG] [--pattern PATTERN]`, `rules remove ID`; the rules then run on every sound at once. A PATTERN is words separated by commas, matched on names without letter case and accents: `pad` the word, `pad*` a word beginning so, `*pad` one ending so, `*pad*` anywhere</source>
        <translation>Die Regeln, die Sounds nach ihren Namen verschlagworten. Allein: sie ausgeben, ID&lt;TAB&gt;TAG&lt;TAB&gt;PATTERN. `rules add TAG PATTERN`, `rules change ID [--tag TAG] [--pattern PATTERN]`, `rules remove ID`; danach laufen die Regeln sofort auf jedem Sound. Ein PATTERN sind durch Kommas getrennte Wörter, verglichen mit den Namen ohne Groß-/Kleinschreibung und Akzente: `pad` das Wort, `pad*` ein Wort, das so beginnt, `*pad` eines, das so endet, `*pad*` irgendwo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>add TAG PATTERN, change ID, or remove ID</source>
        <translation>add TAG PATTERN, change ID oder remove ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>With change: the rule&apos;s new tag</source>
        <translation>Mit change: das neue Schlagwort der Regel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>With change: the rule&apos;s new pattern</source>
        <translation>Mit change: das neue Muster der Regel</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Use `library rules`, `rules add TAG PATTERN`, `rules change ID [--tag TAG] [--pattern PATTERN]` or `rules remove ID` (ID as `library rules` prints it).</source>
        <translation>Verwenden Sie `library rules`, `rules add TAG PATTERN`, `rules change ID [--tag TAG] [--pattern PATTERN]` oder `rules remove ID` (ID, wie `library rules` sie ausgibt).</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Added rule {id}.</source>
        <translation>Regel {id} hinzugefügt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed rule {id}.</source>
        <translation>Regel {id} geändert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Removed rule {id}.</source>
        <translation>Regel {id} entfernt.</translation>
    </message>
</context>
<context>
    <name>cli library search</name>
    <message>
        <location filename="../src/cli/library/LibrarySearchCommands.cpp" line="-125"/>
        <source>Find sounds in every source: one line per sound, id&lt;TAB&gt;name&lt;TAB&gt;fav|-&lt;TAB&gt;hidden|-&lt;TAB&gt;tags|-, then source&lt;TAB&gt;slot&lt;TAB&gt;name for each of its places</source>
        <translation>Sounds in allen Quellen finden: eine Zeile je Sound, id&lt;TAB&gt;name&lt;TAB&gt;fav|-&lt;TAB&gt;hidden|-&lt;TAB&gt;tags|-, dann source&lt;TAB&gt;slot&lt;TAB&gt;name für jeden seiner Orte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Words each name must hold (letter case and accents ignored; a sound matches when any of its places&apos; names does), and filters: tag:NAME, fav, hidden (hidden sounds are left out otherwise), model:TEXT, in:PATH, places:N+ (or places:N), at-risk</source>
        <translation>Wörter, die jeder Name enthalten muss (Groß-/Kleinschreibung und Akzente zählen nicht; ein Sound passt, wenn der Name eines seiner Orte passt), und Filter: tag:NAME, fav, hidden (ausgeblendete Sounds bleiben sonst weg), model:TEXT, in:PATH, places:N+ (oder places:N), at-risk</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print a JSON array of objects with the keys id, name, tags, favourite, hidden and places (each source, slot, name)</source>
        <translation>Ein JSON-Array von Objekten mit den Schlüsseln id, name, tags, favourite, hidden und places (jeweils source, slot, name) ausgeben</translation>
    </message>
</context>
<context>
    <name>cli library sources</name>
    <message>
        <location filename="../src/cli/library/LibraryCommands.cpp" line="+15"/>
        <source>Print the library&apos;s sources: state&lt;TAB&gt;kind&lt;TAB&gt;sounds&lt;TAB&gt;models&lt;TAB&gt;last read&lt;TAB&gt;path&lt;TAB&gt;reason&lt;TAB&gt;sounds at risk&lt;TAB&gt;models at risk (see `library at-risk`)</source>
        <translation>Die Quellen der Bibliothek ausgeben: Zustand&lt;TAB&gt;Art&lt;TAB&gt;Sounds&lt;TAB&gt;Modelle&lt;TAB&gt;zuletzt gelesen&lt;TAB&gt;Pfad&lt;TAB&gt;Grund&lt;TAB&gt;gefährdete Sounds&lt;TAB&gt;gefährdete Modelle (siehe `library at-risk`)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Print a JSON array of objects instead</source>
        <translation>Stattdessen ein JSON-Array von Objekten ausgeben</translation>
    </message>
</context>
<context>
    <name>cli library tag</name>
    <message>
        <location filename="../src/cli/library/SoundDataCommands.cpp" line="-180"/>
        <source>Set tags on a sound by hand (+TAG) or take them off (-TAG), then print its tags: TAG&lt;TAB&gt;rule|hand. A tag taken off stays off, whatever the rules say, until it is set again</source>
        <translation>Schlagwörter eines Sounds von Hand setzen (+TAG) oder entfernen (-TAG), dann seine Schlagwörter ausgeben: TAG&lt;TAB&gt;rule|hand. Ein entferntes Schlagwort bleibt entfernt, was immer die Regeln sagen, bis es wieder gesetzt wird</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Give each tag as +TAG (set it) or -TAG (take it off): &quot;{word}&quot; is neither.</source>
        <translation>Geben Sie jedes Schlagwort als +TAG (setzen) oder -TAG (entfernen) an: „{word}“ ist keines von beiden.</translation>
    </message>
</context>
<context>
    <name>cli library where</name>
    <message>
        <location filename="../src/cli/library/LibrarySearchCommands.cpp" line="+38"/>
        <source>Print every place of the sound in a slot of a source, one line each: source&lt;TAB&gt;slot&lt;TAB&gt;name</source>
        <translation>Jeden Ort des Sounds auf einem Platz einer Quelle ausgeben, je eine Zeile: source&lt;TAB&gt;slot&lt;TAB&gt;name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A source of the library</source>
        <translation>Eine Quelle der Bibliothek</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The sound slot (0-999)</source>
        <translation>Der Soundplatz (0-999)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print the sound as one JSON object, with the keys of `library search --json`</source>
        <translation>Den Sound als ein JSON-Objekt ausgeben, mit den Schlüsseln von `library search --json`</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Sound slot {slot} of {source} is empty as the library last read it.</source>
        <translation>Soundplatz {slot} von {source} war leer, als die Bibliothek ihn zuletzt gelesen hat.</translation>
    </message>
</context>
<context>
    <name>cli list</name>
    <message>
        <location filename="../src/cli/ListCommand.cpp" line="+36"/>
        <source>Print the 1000 slots of a bank: sounds as NNN&lt;TAB&gt;name&lt;TAB&gt;model1&lt;TAB&gt;model2, models as NNN&lt;TAB&gt;name&lt;TAB&gt;status</source>
        <translation>Die 1000 Plätze einer Bank ausgeben: Sounds als NNN&lt;TAB&gt;name&lt;TAB&gt;model1&lt;TAB&gt;model2, Modelle als NNN&lt;TAB&gt;name&lt;TAB&gt;status</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print a JSON array of objects instead</source>
        <translation>Stattdessen ein JSON-Array von Objekten ausgeben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Print only the slots that match every word of TEXT (see below)</source>
        <translation>Nur die Plätze ausgeben, die zu jedem Wort von TEXT passen (siehe unten)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--match words (a slot must match all of them):
  TEXT      the name holds TEXT, any case; quote a phrase: --match &apos;&quot;warm pad&quot;&apos;
  model:N   sounds: a reference to model N, switched on or off; models: slot N
  unused    sounds: playing no model; models: no sound refers to it (!!UNUSED!!)
  disabled  sounds: a switched-off reference to a model; models: in use - disabled
  empty     empty slots (every other word matches only slots holding something)</source>
        <translation>Wörter für --match (ein Platz muss zu allen passen):
  TEXT      der Name enthält TEXT, beliebige Schreibung; eine Wortgruppe in Anführungs-
            zeichen: --match &apos;&quot;warm pad&quot;&apos;
  model:N   Sounds: ein Verweis auf Modell N, ein- oder ausgeschaltet; Modelle: Platz N
  unused    Sounds: spielen kein Modell; Modelle: kein Sound verweist darauf (!!UNUSED!!)
  disabled  Sounds: ein ausgeschalteter Verweis auf ein Modell; Modelle: in use - disabled
  empty     leere Plätze (jedes andere Wort passt nur zu Plätzen, die etwas enthalten)</translation>
    </message>
</context>
<context>
    <name>cli move</name>
    <message>
        <location filename="../src/cli/MoveCommand.cpp" line="+11"/>
        <source>Take SLOTS out and insert them as one block starting at slot --to. Slots taken from below --to are left empty there; from --to on, the other slots close up over the ones taken out, then move up by the block&apos;s size to make room for it, so each ends up as many slots higher as the block took from below --to (past 999: into overflow folders). Models: references follow</source>
        <translation>SLOTS herausnehmen und als einen Block ab Platz --to einfügen. Unterhalb von --to genommene Plätze bleiben dort leer; ab --to rücken die anderen Plätze über die herausgenommenen auf und dann um die Größe des Blocks weiter, um ihm Platz zu machen, sodass jeder um so viele Plätze höher landet, wie der Block unterhalb von --to genommen hat (über 999 hinaus: in Überlaufordner). Modelle: die Verweise folgen</translation>
    </message>
</context>
<context>
    <name>cli names</name>
    <message>
        <location filename="../src/cli/NamesCommand.cpp" line="+12"/>
        <source>Write the name lists SoundNames and ModelNames (1000 lines each) into DB</source>
        <translation>Die Namenslisten SoundNames und ModelNames (je 1000 Zeilen) in DB schreiben</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>File update failed: {reason}</source>
        <translation>Die Dateien konnten nicht aktualisiert werden: {reason}</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File update complete: The new &apos;SoundNames&apos; and &apos;ModelNames&apos; files were created.</source>
        <translation>Dateien aktualisiert: Die neuen Dateien &apos;SoundNames&apos; und &apos;ModelNames&apos; wurden angelegt.</translation>
    </message>
</context>
<context>
    <name>cli redo</name>
    <message>
        <location filename="../src/cli/UndoCommand.cpp" line="+23"/>
        <source>Redo the edit undone last: its slots and scripts as after it</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen: ihre Plätze und Skripte wie nach ihr</translation>
    </message>
</context>
<context>
    <name>cli remove</name>
    <message>
        <location filename="../src/cli/DeleteCommand.cpp" line="+7"/>
        <source>Remove SLOTS; every later slot moves up to close the gaps (the alert&apos;s &quot;Remove&quot; answer)</source>
        <translation>SLOTS entfernen; jeder spätere Platz rückt auf, um die Lücken zu schließen (die Antwort „Entfernen“ der Rückfrage)</translation>
    </message>
</context>
<context>
    <name>cli rename</name>
    <message>
        <location filename="../src/cli/RenameCommand.cpp" line="+19"/>
        <source>Rename one slot, or many from a names file</source>
        <translation>Einen Platz umbenennen oder viele aus einer Namensdatei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The slot to rename (0-999)</source>
        <translation>Der umzubenennende Platz (0-999)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its new name</source>
        <translation>Sein neuer Name</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A names file: NNN&lt;TAB&gt;name lines, as SoundNames or ModelNames</source>
        <translation>Eine Namensdatei: Zeilen NNN&lt;TAB&gt;name, wie SoundNames oder ModelNames</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Give either SLOT and NAME or --from FILE. Sound names hold 1-16, model names 1-15
printable ASCII characters. In a names file, lines naming --&lt;empty&gt;-- and names that
do not change are skipped; --dry-run prints every rename with the old and new name.</source>
        <translation>Geben Sie entweder SLOT und NAME oder --from FILE an. Soundnamen haben 1-16, Modellnamen
1-15 druckbare ASCII-Zeichen. In einer Namensdatei werden Zeilen mit --&lt;empty&gt;-- und Namen,
die sich nicht ändern, übersprungen; --dry-run gibt jede Umbenennung mit altem und neuem
Namen aus.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>rename: give SLOT and NAME, or --from FILE</source>
        <translation>rename: Geben Sie SLOT und NAME an oder --from FILE</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>{path}: cannot be read</source>
        <translation>{path}: kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>cli replace</name>
    <message>
        <location filename="../src/cli/ReplaceCommand.cpp" line="-38"/>
        <source>Replace one model by another in the references of sounds</source>
        <translation>Ein Modell in den Verweisen von Sounds durch ein anderes ersetzen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The model number to find (0-999; -1: no model)</source>
        <translation>Die gesuchte Modellnummer (0-999; -1: kein Modell)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The model number to put in its place (0-999; -1: no model)</source>
        <translation>Die Modellnummer, die an ihre Stelle tritt (0-999; -1: kein Modell)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The sounds to search: 3, 3,5 or 5-7,9 (default: all)</source>
        <translation>Die zu durchsuchenden Sounds: 3, 3,5 oder 5-7,9 (Vorgabe: alle)</translation>
    </message>
</context>
<context>
    <name>cli restore</name>
    <message>
        <location filename="../src/cli/packs/BackupCommands.cpp" line="+42"/>
        <source>Restore a backup file into a new or empty folder, or into a database as an undoable edit</source>
        <translation>Eine Sicherungsdatei in einen neuen oder leeren Ordner wiederherstellen oder in eine Datenbank als Änderung, die sich rückgängig machen lässt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup file</source>
        <translation>Die Sicherungsdatei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A new or empty folder, or a database whose slots become the backup&apos;s</source>
        <translation>Ein neuer oder leerer Ordner oder eine Datenbank, deren Plätze die der Sicherung werden</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>Restored {n} files into {path}.</source>
        <translation>
            <numerusform>{n} Datei in {path} wiederhergestellt.</numerusform>
            <numerusform>{n} Dateien in {path} wiederhergestellt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli sort</name>
    <message>
        <location filename="../src/cli/SortCommand.cpp" line="-51"/>
        <source>Put the sounds or models of SLOTS in order among those slots: by name (Pad 2 before Pad 10, letter case ignored) or, for sounds, by the model they play first. Empty slots of SLOTS end up at its end; nothing outside SLOTS moves. Models: references follow</source>
        <translation>Die Sounds oder Modelle von SLOTS innerhalb dieser Plätze ordnen: nach Namen (Pad 2 vor Pad 10, ohne Groß-/Kleinschreibung) oder, bei Sounds, nach dem Modell, das sie zuerst spielen. Leere Plätze von SLOTS landen am Ende; außerhalb von SLOTS bewegt sich nichts. Modelle: die Verweise folgen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The slots to arrange: 3, 3,5 or 5-7,9</source>
        <translation>Die zu ordnenden Plätze: 3, 3,5 oder 5-7,9</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>name, or model (sounds only): grouped by the model slot their first reference names when it is on (an empty model slot too), those whose first reference is off or names no slot last; by name within a group</source>
        <translation>name oder model (nur Sounds): gruppiert nach dem Modellplatz, den ihr erster Verweis nennt, wenn er eingeschaltet ist (auch ein leerer Modellplatz), die, deren erster Verweis ausgeschaltet ist oder keinen Platz nennt, zuletzt; innerhalb einer Gruppe nach Namen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>sort: models are sorted --by name only</source>
        <translation>sort: Modelle werden nur --by name sortiert</translation>
    </message>
</context>
<context>
    <name>cli undo</name>
    <message>
        <location filename="../src/cli/UndoCommand.cpp" line="-6"/>
        <source>Undo the newest edit still in place: its slots and scripts as before it</source>
        <translation>Die neueste noch bestehende Änderung rückgängig machen: ihre Plätze und Skripte wie vor ihr</translation>
    </message>
</context>
<context>
    <name>cli verify</name>
    <message>
        <location filename="../src/cli/packs/BackupCommands.cpp" line="-51"/>
        <source>Check a backup file against the sums of its manifest</source>
        <translation>Eine Sicherungsdatei gegen die Prüfsummen ihres Manifests prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The backup file</source>
        <translation>Die Sicherungsdatei</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>{path}: {n} files, every one as it was backed up.</source>
        <translation>
            <numerusform>{path}: {n} Datei, so wie sie gesichert wurde.</numerusform>
            <numerusform>{path}: {n} Dateien, jede so, wie sie gesichert wurde.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+25"/>
        <source>Organises the sound database of a Neuron synthesizer.</source>
        <translation>Organisiert die Sounddatenbank eines Neuron-Synthesizers.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database folder to open (optional).</source>
        <translation>Der zu öffnende Datenbankordner (optional).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[database]</source>
        <translation>[Datenbank]</translation>
    </message>
</context>
<context>
    <name>slotsmith::AppController</name>
    <message>
        <location filename="../src/app/AppController.cpp" line="+101"/>
        <source>Not a Neuron database: %1 holds no Sounds/NNN.sound/sound.script and no Models/NNN.model/MName</source>
        <translation>Keine Neuron-Datenbank: %1 enthält weder Sounds/NNN.sound/sound.script noch Models/NNN.model/MName</translation>
    </message>
    <message>
        <location line="+69"/>
        <location line="+1"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>An edit is running; %1 was not opened</source>
        <translation>Eine Änderung läuft; %1 wurde nicht geöffnet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Database not found</source>
        <translation>Datenbank nicht gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>The folder &quot;%1&quot; no longer exists. It may have been moved, renamed or deleted, or its disk is not connected.</source>
        <translation>Der Ordner &quot;%1&quot; existiert nicht mehr. Er wurde vielleicht verschoben, umbenannt oder gelöscht, oder sein Laufwerk ist nicht verbunden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Not a Neuron database</source>
        <translation>Keine Neuron-Datenbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder &quot;%1&quot; holds no Sounds/NNN.sound/sound.script and no Models/NNN.model/MName file.</source>
        <translation>Der Ordner &quot;%1&quot; enthält weder eine Datei Sounds/NNN.sound/sound.script noch eine Datei Models/NNN.model/MName.</translation>
    </message>
</context>
<context>
    <name>slotsmith::AppMenus</name>
    <message>
        <location filename="../src/app/AppMenus.cpp" line="+108"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+68"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+69"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Database…</source>
        <translation>&amp;Datenbank öffnen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open O&amp;ther Database…</source>
        <translation>&amp;Andere Datenbank öffnen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Another Neuron Database (read only)</source>
        <translation>Andere Neuron-Datenbank öffnen (schreibgeschützt)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Open Sound &amp;Pack…</source>
        <translation>Sound&amp;paket öffnen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open Sound Pack (read only)</source>
        <translation>Soundpaket öffnen (schreibgeschützt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound packs (*.zip)</source>
        <translation>Soundpakete (*.zip)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Re&amp;load</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Database &amp;Health…</source>
        <translation>Datenbank p&amp;rüfen…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Back Up Database…</source>
        <translation>Datenbank &amp;sichern…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Re&amp;store…</source>
        <translation>&amp;Wiederherstellen…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Write SoundNames and ModelNames</source>
        <translation>SoundNames und ModelNames schr&amp;eiben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Window</source>
        <translation>&amp;Fenster schließen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select &amp;All</source>
        <translation>Alle&amp;s auswählen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find Du&amp;plicates…</source>
        <translation>&amp;Doppelte finden…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;&amp; Repla&amp;ce Model…</source>
        <translation>Modell suchen und &amp;ersetzen…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Filter Sounds</source>
        <translation>Sounds &amp;filtern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Filter &amp;Models</source>
        <translation>&amp;Modelle filtern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Re&amp;veal in File Manager</source>
        <translation>Im Dateimanager &amp;zeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pr&amp;eferences…</source>
        <translation>E&amp;instellungen…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Sounds</source>
        <translation>&amp;Sounds</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Models</source>
        <translation>&amp;Modelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ctrl+Shift+</source>
        <translation>Ctrl+Shift+</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Alt+</source>
        <translation>Ctrl+Alt+</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Copy Selected Sounds to Slot…</source>
        <translation>Ausgewählte Sounds auf Platz &amp;kopieren…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Copy Selected Models to Slot…</source>
        <translation>Ausgewählte Modelle auf Platz &amp;kopieren…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Move Selected Sounds to Slot…</source>
        <translation>Ausgewählte Sounds auf Platz &amp;verschieben…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move Selected Models to Slot…</source>
        <translation>Ausgewählte Modelle auf Platz &amp;verschieben…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Apply Names File…</source>
        <translation>&amp;Namensdatei anwenden…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Export Selection as Pack…</source>
        <translation>Auswahl als Paket &amp;exportieren…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Arran&amp;ge</source>
        <translation>&amp;Ordnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Selection by &amp;Name…</source>
        <translation>Auswahl nach &amp;Name sortieren…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort Selection by &amp;Model…</source>
        <translation>Auswahl nach &amp;Modell sortieren…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Close &amp;Gaps in Selection…</source>
        <translation>&amp;Lücken in der Auswahl schließen…</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Compa&amp;re Two Sounds…</source>
        <translation>&amp;Zwei Sounds vergleichen…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+D</source>
        <translation>Ctrl+Shift+D</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show in &amp;Library</source>
        <translation>In der &amp;Bibliothek zeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+L</source>
        <translation>Ctrl+Shift+L</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mark as &amp;Favourite in Library</source>
        <translation>In der Bibliothek als &amp;Favorit markieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Tag in Library…</source>
        <translation>&amp;Schlagwort in der Bibliothek vergeben…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>C&amp;onsolidate Models…</source>
        <translation>Modellbank ver&amp;dichten…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Merge D&amp;uplicate Models…</source>
        <translation>Doppelte Modelle &amp;zusammenführen…</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Library</source>
        <translation>&amp;Bibliothek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show Bank &amp;Maps</source>
        <translation>Bank&amp;karten zeigen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Slot &amp;Lists</source>
        <translation>&amp;Platzlisten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Drop Zone</source>
        <translation>&amp;Ablagefläche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User Guide</source>
        <translation>Benutzer&amp;handbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Keyboard and Drag and Drop</source>
        <translation>&amp;Tastatur und Ziehen und Ablegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Slotsmith</source>
        <translation>Ü&amp;ber Slotsmith</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Fix database</source>
        <translation>Datenbank reparieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything could be cleared.</source>
        <translation>Nicht alles konnte bereinigt werden.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Cleared %n thing(s) left over</source>
        <translation>
            <numerusform>%n Überbleibsel entfernt</numerusform>
            <numerusform>%n Überbleibsel entfernt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Open Neuron Database</source>
        <translation>Neuron-Datenbank öffnen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No recent databases</source>
        <translation>Keine zuletzt geöffneten Datenbanken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>slotsmith::BackupActions</name>
    <message>
        <location filename="../src/app/packs/BackupActions.cpp" line="+64"/>
        <source>Back Up Database</source>
        <translation>Datenbank sichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+40"/>
        <source>Backups (*.tar.zst)</source>
        <translation>Sicherungen (*.tar.zst)</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Backing up...</source>
        <translation>Sicherung wird erstellt...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Back up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No backup was written.</source>
        <translation>Es wurde keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Backed up %1 to %2</source>
        <translation>%1 nach %2 gesichert</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking the backup...</source>
        <translation>Sicherung wird geprüft...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>No backup yet</source>
        <translation>Noch keine Sicherung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last backup %1</source>
        <translation>Letzte Sicherung: %1</translation>
    </message>
</context>
<context>
    <name>slotsmith::BankMapBinding</name>
    <message>
        <location filename="../src/app/BankMapBinding.cpp" line="+19"/>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
</context>
<context>
    <name>slotsmith::CompareWindow</name>
    <message>
        <location filename="../src/app/CompareWindow.cpp" line="+71"/>
        <source>Compare Sounds %1 and %2</source>
        <translation>Sounds %1 und %2 vergleichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1"/>
        <source>No database is open.</source>
        <translation>Es ist keine Datenbank geöffnet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Sound %1 is empty: %2 does not exist</source>
        <translation>Sound %1 ist leer: %2 existiert nicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound %1 cannot be read: %2</source>
        <translation>Sound %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The two sounds are identical</source>
        <translation>Die beiden Sounds sind identisch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 of %2 parameters differs</source>
        <translation>%1 von %2 Parametern unterscheidet sich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 parameters differ</source>
        <translation>%1 von %2 Parametern unterscheiden sich</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Absent: this sound&apos;s script has no such line</source>
        <translation>Fehlt: Das Skript dieses Sounds hat keine solche Zeile</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Sound %1</source>
        <translation>Sound %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound %1 (%2)</source>
        <translation>Sound %1 (%2)</translation>
    </message>
</context>
<context>
    <name>slotsmith::DatabaseSession</name>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="+119"/>
        <source>Another program is editing %1; the lists show it as it is now</source>
        <translation>Ein anderes Programm bearbeitet gerade %1; die Listen zeigen den aktuellen Stand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>An unfinished edit could not be settled: %1</source>
        <translation>Eine unvollendete Änderung konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is read only: the lists show it, but no edit can be made until its folder can be written</source>
        <translation>%1 ist schreibgeschützt: Die Listen zeigen den Inhalt, aber Änderungen sind erst möglich, wenn in den Ordner geschrieben werden kann</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Reloaded from disk</source>
        <translation>Von der Festplatte neu geladen</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The database folder %1 is no longer there: the lists show it as it was, and nothing can be changed until it is back</source>
        <translation>Der Datenbankordner %1 ist nicht mehr da: Die Listen zeigen ihn, wie er war, und nichts kann geändert werden, bis er wieder da ist</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>The database folder %1 is back</source>
        <translation>Der Datenbankordner %1 ist wieder da</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The database was changed outside Slotsmith; the lists now show it as it is. Nothing was done: check the selection and try again.</source>
        <translation>Die Datenbank wurde außerhalb von Slotsmith geändert; die Listen zeigen jetzt ihren aktuellen Stand. Es wurde nichts getan: Prüfen Sie die Auswahl und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The database was changed outside Slotsmith; the lists show it as it is now</source>
        <translation>Die Datenbank wurde außerhalb von Slotsmith geändert; die Listen zeigen jetzt ihren aktuellen Stand</translation>
    </message>
</context>
<context>
    <name>slotsmith::DesktopEdits</name>
    <message>
        <location filename="../src/app/DesktopEdits.cpp" line="+89"/>
        <source>A new database is being opened; nothing was changed.</source>
        <translation>Eine neue Datenbank wird geöffnet; nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 now lie in folders past slot 999, where the synthesizer does not see them: File ▸ Check Database Health lists them.</source>
        <translation>In Ordnern hinter Platz 999, wo der Synthesizer sie nicht sieht, liegen jetzt: %1. Datei ▸ Datenbank prüfen listet sie auf.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n occupied slot(s)</source>
        <translation>
            <numerusform>%n belegter Platz</numerusform>
            <numerusform>%n belegte Plätze</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::DropPreviewer</name>
    <message>
        <location filename="../src/app/DropPreviewer.cpp" line="+26"/>
        <source>A filtered list takes no drops: the rows it hides make the place ambiguous. Clear the filter (Esc in the filter field) to drop.</source>
        <translation>Eine gefilterte Liste nimmt nichts Abgelegtes an: Die Zeilen, die sie ausblendet, machen die Stelle mehrdeutig. Leeren Sie den Filter (Esc im Filterfeld), um abzulegen.</translation>
    </message>
    <message numerus="yes">
        <location line="+76"/>
        <source>%n sound(s) from the library cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</source>
        <translation>
            <numerusform>%n Sound aus der Bibliothek kann nicht auf Platz %1 eingesetzt werden, ohne %2 über Platz 999 hinauszuschieben, daher wird das Ablegen abgelehnt; legen Sie ihn dort ab, wo genug Raum ist.</numerusform>
            <numerusform>%n Sounds aus der Bibliothek können nicht ab Platz %1 eingesetzt werden, ohne %2 über Platz 999 hinauszuschieben, daher wird das Ablegen abgelehnt; legen Sie sie dort ab, wo genug Raum ist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n sound(s) from a pack cannot be placed at slot %1 without pushing %2 past slot 999, so the drop is refused; drop them where there is room.</source>
        <translation>
            <numerusform>%n Sound aus einem Paket kann nicht auf Platz %1 eingesetzt werden, ohne %2 über Platz 999 hinauszuschieben, daher wird das Ablegen abgelehnt; legen Sie ihn dort ab, wo genug Raum ist.</numerusform>
            <numerusform>%n Sounds aus einem Paket können nicht ab Platz %1 eingesetzt werden, ohne %2 über Platz 999 hinauszuschieben, daher wird das Ablegen abgelehnt; legen Sie sie dort ab, wo genug Raum ist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n occupied sound(s)</source>
        <translation>
            <numerusform>%n belegten Sound</numerusform>
            <numerusform>%n belegte Sounds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::DuplicatesWindow</name>
    <message>
        <location filename="../src/app/DuplicatesWindow.cpp" line="+61"/>
        <source>Compare model names too</source>
        <translation>Auch Modellnamen vergleichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Duplicate Models…</source>
        <translation>Doppelte Modelle zusammenführen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicates</source>
        <translation>Doppelte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Slots</source>
        <translation>Plätze</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Off: two models whose data is the same are duplicates whatever their MName says</source>
        <translation>Aus: Zwei Modelle mit denselben Daten sind Doppelte, was auch immer ihr MName sagt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Points every reference to a duplicate model at the lowest slot of its group and deletes the other copies (Edit ▸ Undo puts them back)</source>
        <translation>Richtet jeden Verweis auf ein doppeltes Modell auf den niedrigsten Platz seiner Gruppe und löscht die anderen Kopien (Bearbeiten ▸ Rückgängig holt sie zurück)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No database is open.</source>
        <translation>Keine Datenbank ist geöffnet.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Models %1</source>
        <translation>Modelle %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sounds %1</source>
        <translation>Sounds %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No duplicates: no two models and no two sounds are identical.</source>
        <translation>Keine Doppelten: Keine zwei Modelle und keine zwei Sounds sind gleich.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n group(s) of duplicate models</source>
        <translation>
            <numerusform>%n Gruppe doppelter Modelle</numerusform>
            <numerusform>%n Gruppen doppelter Modelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n group(s) of duplicate sounds</source>
        <translation>
            <numerusform>%n Gruppe doppelter Sounds</numerusform>
            <numerusform>%n Gruppen doppelter Sounds</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Left out, could not be read:
%1</source>
        <translation>Ausgelassen, weil nicht lesbar:
%1</translation>
    </message>
</context>
<context>
    <name>slotsmith::EditActions</name>
    <message>
        <location filename="../src/app/EditActions.cpp" line="+79"/>
        <source>Copy to Slot…</source>
        <translation>Auf Platz kopieren…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Move to Slot…</source>
        <translation>Auf Platz verschieben…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reveal in File Manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Find &amp;&amp; Replace Model…</source>
        <translation>Modell suchen &amp;&amp; ersetzen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select Sounds Using It</source>
        <translation>Sounds auswählen, die es benutzen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compare the Two Sounds…</source>
        <translation>Die zwei Sounds vergleichen…</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Delete/remove selected sounds</source>
        <translation>Ausgewählte Sounds löschen/entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete/remove selected models</source>
        <translation>Ausgewählte Modelle löschen/entfernen</translation>
    </message>
    <message numerus="yes">
        <location line="+15"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n Sound</numerusform>
            <numerusform>%n Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n Modell</numerusform>
            <numerusform>%n Modelle</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy %1 to Slot</source>
        <translation>%1 auf Platz kopieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 to Slot</source>
        <translation>%1 auf Platz verschieben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First slot of the %1 afterwards (0 to %2):</source>
        <translation>Erster Platz danach für %1 (0 bis %2):</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>Apply Names File</source>
        <translation>Namensdatei anwenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Names files (SoundNames ModelNames *.txt);;All files (*)</source>
        <translation>Namensdateien (SoundNames ModelNames *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Rename sounds</source>
        <translation>Sounds umbenennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Rename models</source>
        <translation>Modelle umbenennen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The names file was not applied.</source>
        <translation>Die Namensdatei wurde nicht angewendet.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Compare sounds</source>
        <translation>Sounds vergleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The two sounds were not compared.</source>
        <translation>Die beiden Sounds wurden nicht verglichen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Asked the file manager to show %1</source>
        <translation>Der Dateimanager wurde gebeten, %1 zu zeigen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No file manager is installed to show %1; the path is on the clipboard</source>
        <translation>Es ist kein Dateimanager installiert, der %1 zeigen könnte; der Pfad liegt in der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>slotsmith::FindReplaceWindow</name>
    <message>
        <location filename="../src/ui/FindReplaceWindow.cpp" line="+16"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp; Replace Model</source>
        <translation>Modell suchen &amp; ersetzen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Replaces the model in both model references of every selected sound (all sounds when none was selected).</source>
        <translation>Ersetzt das Modell in beiden Modellverweisen jedes ausgewählten Sounds (in allen Sounds, wenn keiner ausgewählt war).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Find model:</source>
        <translation>Modell suchen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
</context>
<context>
    <name>slotsmith::LibraryActions</name>
    <message>
        <location filename="../src/app/library/LibraryActions.cpp" line="+58"/>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Tag in Library</source>
        <translation>Schlagwort in der Bibliothek</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Tag for %n selected sound(s):</source>
        <translation>
            <numerusform>Schlagwort für %n ausgewählten Sound:</numerusform>
            <numerusform>Schlagwort für %n ausgewählte Sounds:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>Nothing was placed: no place holds %n of the sounds now: %1</source>
        <translation>
            <numerusform>Nichts wurde eingesetzt: %n der Sounds ist jetzt an keinem Ort mehr vorhanden: %1</numerusform>
            <numerusform>Nichts wurde eingesetzt: %n der Sounds sind jetzt an keinem Ort mehr vorhanden: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>slotsmith::LibraryRulesDialog</name>
    <message>
        <location filename="../src/app/library/LibraryRulesDialog.cpp" line="+41"/>
        <source>Category Rules</source>
        <translation>Kategorieregeln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each rule gives its tag to every sound with a name its pattern matches: &lt;b&gt;pad&lt;/b&gt; the word, &lt;b&gt;pad*&lt;/b&gt; words that begin so, &lt;b&gt;*pad&lt;/b&gt; words that end so, &lt;b&gt;*pad*&lt;/b&gt; anywhere; commas separate alternatives. Tags you set or took off by hand stay.</source>
        <translation>Jede Regel gibt ihr Schlagwort jedem Sound, dessen Name ihr Muster trifft: &lt;b&gt;pad&lt;/b&gt; das Wort, &lt;b&gt;pad*&lt;/b&gt; Wörter, die so beginnen, &lt;b&gt;*pad&lt;/b&gt; Wörter, die so enden, &lt;b&gt;*pad*&lt;/b&gt; überall; Kommas trennen Alternativen. Schlagwörter, die Sie von Hand gesetzt oder entfernt haben, bleiben.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sounds: how many sounds the pattern matches now</source>
        <translation>Sounds: wie viele Sounds das Muster jetzt trifft</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Add Rule</source>
        <translation>Regel &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove Rule</source>
        <translation>Regel &amp;entfernen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Keep the rules as they are here and run them on every sound again</source>
        <translation>Die Regeln so übernehmen, wie sie hier stehen, und sie erneut auf jeden Sound anwenden</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The rule for a new tag: %1</source>
        <translation>Die Regel für ein neues Schlagwort: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rule for %1: %2</source>
        <translation>Die Regel für %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>The rules give %n tag(s) now.</source>
        <translation>
            <numerusform>Die Regeln vergeben jetzt %n Schlagwort.</numerusform>
            <numerusform>Die Regeln vergeben jetzt %n Schlagwörter.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was changed.</source>
        <translation>Nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>slotsmith::LibrarySoundsModel</name>
    <message>
        <location filename="../src/app/library/LibrarySoundsModel.cpp" line="+123"/>
        <source>No source that holds this sound can be read now (%1), so it cannot be placed into a bank.</source>
        <translation>Keine Quelle, die diesen Sound enthält, ist jetzt lesbar (%1); daher kann er nicht in eine Bank eingesetzt werden.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Places</source>
        <translation>Orte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Models</source>
        <translation>Modelle</translation>
    </message>
</context>
<context>
    <name>slotsmith::LibraryWindow</name>
    <message>
        <location filename="../src/app/library/LibraryWindow.cpp" line="+79"/>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Nothing had changed.</source>
        <translation>Nichts hatte sich geändert.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n source(s) read again.</source>
        <translation>
            <numerusform>%n Quelle erneut gelesen.</numerusform>
            <numerusform>%n Quellen erneut gelesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n could not be read: %1</source>
        <translation>
            <numerusform>%n konnte nicht gelesen werden: %1</numerusform>
            <numerusform>%n konnten nicht gelesen werden: %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stopped before the others.</source>
        <translation>Vor den übrigen angehalten.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 is missing: it is not where it was (%2).</source>
        <translation>%1 fehlt: Die Quelle ist nicht mehr dort, wo sie war (%2).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%n source(s) had changed and were read again.</source>
        <translation>
            <numerusform>%n Quelle hatte sich geändert und wurde erneut gelesen.</numerusform>
            <numerusform>%n Quellen hatten sich geändert und wurden erneut gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+82"/>
        <source>&amp;Favourite</source>
        <translation>&amp;Favorit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Hidden</source>
        <translation>Aus&amp;geblendet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add Source…</source>
        <translation>Quelle &amp;hinzufügen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refre&amp;sh</source>
        <translation>Aktuali&amp;sieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+246"/>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <location line="-241"/>
        <source>Search names, or tag:Pad, fav, at-risk, in:FOLDER, model:NAME</source>
        <translation>Namen suchen, oder tag:Pad, fav, at-risk, in:ORDNER, model:NAME</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Remove Tag</source>
        <translation>Schlagwort entfernen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Add a tag…</source>
        <translation>Schlagwort hinzufügen…</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Double-click a place to open that database at that slot</source>
        <translation>Doppelklicken Sie auf einen Ort, um diese Datenbank an diesem Platz zu öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A note about this sound</source>
        <translation>Eine Notiz zu diesem Sound</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Tags:</source>
        <translation>Schlagwörter:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Places:</source>
        <translation>Orte:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 cannot be shown.</source>
        <translation>%1 kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Add a database folder, a sound pack or a backup to the library</source>
        <translation>Einen Datenbankordner, ein Soundpaket oder eine Sicherung zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read again what changed in the library&apos;s sources</source>
        <translation>Erneut lesen, was sich in den Quellen der Bibliothek geändert hat</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>R&amp;ules…</source>
        <translation>&amp;Regeln…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The rules that tag sounds by their names</source>
        <translation>Die Regeln, die Sounds nach ihren Namen mit Schlagwörtern versehen</translation>
    </message>
    <message>
        <location line="+36"/>
        <location line="+72"/>
        <source>All Sounds</source>
        <translation>Alle Sounds</translation>
    </message>
    <message>
        <location line="-71"/>
        <location line="+71"/>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <location line="-70"/>
        <location line="+70"/>
        <source>At Risk</source>
        <translation>Gefährdet</translation>
    </message>
    <message>
        <location line="-69"/>
        <location line="+69"/>
        <source>Hidden</source>
        <translation>Ausgeblendet</translation>
    </message>
    <message>
        <location line="-68"/>
        <location line="+419"/>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
    <message>
        <location line="-418"/>
        <source>Lists</source>
        <translation>Listen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <location line="+95"/>
        <source>Drag sounds here to add them; drag the list into a bank to place it</source>
        <translation>Ziehen Sie Sounds hierher, um sie hinzuzufügen; ziehen Sie die Liste in eine Bank, um sie einzusetzen</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <location line="+92"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n Sound</numerusform>
            <numerusform>%n Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="-91"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n Modell</numerusform>
            <numerusform>%n Modelle</numerusform>
        </translation>
    </message>
    <message>
        <location line="+150"/>
        <source>No sound selected</source>
        <translation>Kein Sound ausgewählt</translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>%n sounds selected</source>
        <translation>
            <numerusform>%n Sound ausgewählt</numerusform>
            <numerusform>%n Sounds ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Plays %1</source>
        <translation>Spielt %1</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Not a Favourite</source>
        <translation>Kein Favorit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show Again</source>
        <translation>Wieder einblenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>New Tag…</source>
        <translation>Neues Schlagwort…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Tag</source>
        <translation>Neues Schlagwort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tag for the selection:</source>
        <translation>Schlagwort für die Auswahl:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add to List</source>
        <translation>Zur Liste hinzufügen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>New List…</source>
        <translation>Neue Liste…</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+24"/>
        <source>New List</source>
        <translation>Neue Liste</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+24"/>
        <source>Name of the list:</source>
        <translation>Name der Liste:</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Rename List “%1”…</source>
        <translation>Liste “%1” umbenennen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete List “%1”</source>
        <translation>Liste “%1” löschen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Category Rules…</source>
        <translation>Kategorieregeln…</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Refresh “%1”</source>
        <translation>“%1” aktualisieren</translation>
    </message>
    <message numerus="yes">
        <location line="+25"/>
        <source>%n sound(s) marked as favourites.</source>
        <translation>
            <numerusform>%n Sound als Favorit markiert.</numerusform>
            <numerusform>%n Sounds als Favoriten markiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n sound(s) tagged %1.</source>
        <translation>
            <numerusform>%n Sound mit dem Schlagwort %1 versehen.</numerusform>
            <numerusform>%n Sounds mit dem Schlagwort %1 versehen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The library knows no sound in slot %1 there; refresh it to read it.</source>
        <translation>Die Bibliothek kennt dort keinen Sound auf Platz %1; aktualisieren Sie die Quelle, um ihn zu lesen.</translation>
    </message>
    <message numerus="yes">
        <location line="+32"/>
        <source>%n sound(s) added to %1.</source>
        <translation>
            <numerusform>%n Sound zu %1 hinzugefügt.</numerusform>
            <numerusform>%n Sounds zu %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rename List</source>
        <translation>Liste umbenennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>New name of the list “%1”:</source>
        <translation>Neuer Name der Liste “%1”:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The list %1 is now %2.</source>
        <translation>Die Liste %1 heißt jetzt %2.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>The list %1 is deleted; its sounds stay.</source>
        <translation>Die Liste %1 ist gelöscht; ihre Sounds bleiben.</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+56"/>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Stopping after this source…</source>
        <translation>Nach dieser Quelle wird angehalten…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Database &amp;Folder…</source>
        <translation>Datenbank&amp;ordner…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound &amp;Pack or Backup…</source>
        <translation>Sound&amp;paket oder Sicherung…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a Database Folder to the Library</source>
        <translation>Datenbankordner zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add Sound Packs or Backups to the Library</source>
        <translation>Soundpakete oder Sicherungen zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound packs and backups (*.zip *.tar.zst);;All files (*)</source>
        <translation>Soundpakete und Sicherungen (*.zip *.tar.zst);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <location line="+18"/>
        <source>%n source(s) added.</source>
        <translation>
            <numerusform>%n Quelle hinzugefügt.</numerusform>
            <numerusform>%n Quellen hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+45"/>
        <source>%1 is no longer a source; your tags and notes stay.</source>
        <translation>%1 ist keine Quelle mehr; Ihre Schlagwörter und Notizen bleiben.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The library is empty. Add a database folder, a sound pack or a backup with Add Source…, or drop one on this window.</source>
        <translation>Die Bibliothek ist leer. Fügen Sie mit „Quelle hinzufügen…“ einen Datenbankordner, ein Soundpaket oder eine Sicherung hinzu, oder legen Sie eines auf diesem Fenster ab.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No sound matches “%1” here.</source>
        <translation>Hier passt kein Sound zu „%1“.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This list is empty. Drag sounds onto it in the sidebar to add them.</source>
        <translation>Diese Liste ist leer. Ziehen Sie Sounds in der Seitenleiste auf sie, um sie hinzuzufügen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No favourites yet. Press F on a sound to make it one.</source>
        <translation>Noch keine Favoriten. Drücken Sie F auf einem Sound, um ihn zum Favoriten zu machen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No sound is at risk: each has a place outside its database.</source>
        <translation>Kein Sound ist gefährdet: Jeder hat einen Ort außerhalb seiner Datenbank.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No sounds here.</source>
        <translation>Hier sind keine Sounds.</translation>
    </message>
</context>
<context>
    <name>slotsmith::ListFilter</name>
    <message>
        <location filename="../src/app/ListFilter.cpp" line="+59"/>
        <source>%1 of %2 rows</source>
        <translation>%1 von %2 Zeilen</translation>
    </message>
</context>
<context>
    <name>slotsmith::ListWindow</name>
    <message>
        <location filename="../src/ui/ListWindow.cpp" line="+55"/>
        <source>Selection follows between the lists</source>
        <translation>Auswahl folgt zwischen den Listen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Map of the sound bank</source>
        <translation>Karte der Soundbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Map of the model bank</source>
        <translation>Karte der Modellbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter the sound list</source>
        <translation>Soundliste filtern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter the model list</source>
        <translation>Modellliste filtern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Words: name text, model:12, unused, disabled, empty</source>
        <translation>Wörter: Namenstext, model:12, unused, disabled, empty</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Filter sounds (Ctrl+F): name, model:12, unused…</source>
        <translation>Sounds filtern (Ctrl+F): Name, model:12, unused…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Filter models: name, unused, disabled, empty…</source>
        <translation>Modelle filtern: Name, unused, disabled, empty…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Selected sounds select the models they play; selected models select the sounds that use them.</source>
        <translation>Ausgewählte Sounds wählen die Modelle aus, die sie spielen; ausgewählte Modelle wählen die Sounds aus, die sie benutzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Models</source>
        <translation>Modelle</translation>
    </message>
    <message>
        <location line="+149"/>
        <source>%1 (no longer there)</source>
        <translation>%1 (nicht mehr vorhanden)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Slotsmith</source>
        <translation>Slotsmith</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 — Slotsmith</source>
        <translation>%1 — Slotsmith</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No database open</source>
        <translation>Keine Datenbank geöffnet</translation>
    </message>
</context>
<context>
    <name>slotsmith::MainWindow</name>
    <message>
        <location filename="../src/ui/MainWindow.cpp" line="+13"/>
        <source>No database open</source>
        <translation>Keine Datenbank geöffnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>version unknown</source>
        <translation>Version unbekannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Slotsmith</source>
        <translation>Slotsmith</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Drop your Neuron database folder below, or choose File ▸ Open Database…</source>
        <translation>Legen Sie Ihren Neuron-Datenbankordner unten ab, oder wählen Sie Datei ▸ Datenbank öffnen…</translation>
    </message>
</context>
<context>
    <name>slotsmith::ModelListModel</name>
    <message>
        <location filename="../src/app/ModelListModel.cpp" line="+15"/>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>slotsmith::OtherDatabase</name>
    <message>
        <location filename="../src/app/OtherDatabase.cpp" line="+47"/>
        <source>%1 (read only) — Slotsmith</source>
        <translation>%1 (schreibgeschützt) — Slotsmith</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drag sounds from here into the sound list of your database to import them</source>
        <translation>Ziehen Sie Sounds von hier in die Soundliste Ihrer Datenbank, um sie zu importieren</translation>
    </message>
</context>
<context>
    <name>slotsmith::PackActions</name>
    <message>
        <location filename="../src/app/packs/PackActions.cpp" line="+100"/>
        <source>Reading the pack...</source>
        <translation>Soundpaket wird gelesen...</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Export Selection as Pack</source>
        <translation>Auswahl als Paket exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sound packs (*.zip)</source>
        <translation>Soundpakete (*.zip)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Exporting sounds...</source>
        <translation>Sounds werden exportiert...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export as pack</source>
        <translation>Als Soundpaket exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No pack was written.</source>
        <translation>Es wurde kein Soundpaket geschrieben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Exported %1 and %2 to %3</source>
        <extracomment>%1 is &quot;3 sounds&quot;, %2 &quot;2 models&quot;, %3 the pack&apos;s file.</extracomment>
        <translation>%1 und %2 nach %3 exportiert</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n sound(s)</source>
        <translation>
            <numerusform>%n Sound</numerusform>
            <numerusform>%n Sounds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n model(s)</source>
        <translation>
            <numerusform>%n Modell</numerusform>
            <numerusform>%n Modelle</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Import sounds</source>
        <translation>Sounds importieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The pack was not imported; nothing changed.</source>
        <translation>Das Paket wurde nicht importiert; nichts wurde geändert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Not a sound pack</source>
        <translation>Kein Soundpaket</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The file was not opened.</source>
        <translation>Die Datei wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>slotsmith::SideWindows</name>
    <message>
        <location filename="../src/app/SideWindows.cpp" line="+26"/>
        <source>Not a Neuron database</source>
        <translation>Keine Neuron-Datenbank</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder &quot;%1&quot; holds no Sounds/NNN.sound/sound.script and no Models/NNN.model/MName file.</source>
        <translation>Der Ordner &quot;%1&quot; enthält keine Sounds/NNN.sound/sound.script und keine Datei Models/NNN.model/MName.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Opened %1 read only; drag its sounds into the sound list to import them</source>
        <translation>%1 schreibgeschützt geöffnet; ziehen Sie seine Sounds in die Soundliste, um sie zu importieren</translation>
    </message>
</context>
<context>
    <name>slotsmith::SlotTableView</name>
    <message>
        <location filename="../src/ui/SlotTableView.cpp" line="+211"/>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
</context>
<context>
    <name>slotsmith::SoundListModel</name>
    <message>
        <location filename="../src/app/SoundListModel.cpp" line="+20"/>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model 1</source>
        <translation>Modell 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Model 2</source>
        <translation>Modell 2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Its sound.script cannot be read: %1</source>
        <translation>Die sound.script dieses Sounds kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its sound.script %1: it lists as a sound all the same. Put the file back from a backup, or delete the sound.</source>
        <translation>Die sound.script dieses Sounds ist fehlerhaft (%1); er wird trotzdem als Sound aufgeführt. Legen Sie die Datei aus einer Sicherung zurück, oder löschen Sie den Sound.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its sound.script gives a model reference key on more than one line: only the first counts, and edits renumber every line alike.</source>
        <translation>Die sound.script dieses Sounds nennt einen Modellverweis-Schlüssel in mehr als einer Zeile: Nur die erste zählt, und Änderungen nummerieren jede Zeile gleich um.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Only this database holds this sound: no other database, pack or backup in the library has it. Back it up, or keep it in a pack.</source>
        <translation>Nur diese Datenbank enthält diesen Sound: Keine andere Datenbank, kein Paket und keine Sicherung in der Bibliothek hat ihn. Sichern Sie ihn, oder bewahren Sie ihn in einem Paket auf.</translation>
    </message>
</context>
<context>
    <name>slotsmith::SplashScreenWindow</name>
    <message>
        <location filename="../src/ui/SplashScreenWindow.cpp" line="+26"/>
        <source>version unknown</source>
        <translation>Version unbekannt</translation>
    </message>
</context>
</TS>
