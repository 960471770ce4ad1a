<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AtomicFile</name>
    <message>
        <location filename="../src/platform/AtomicFile.cpp" line="+50"/>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner lässt sich nicht anlegen.</translation>
    </message>
</context>
<context>
    <name>CaptureKey</name>
    <message>
        <location filename="../src/app/CaptureKey.cpp" line="+101"/>
        <source>Shortcut taken</source>
        <translation>Tastenkürzel belegt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Another program already uses %1, so Pinleaf cannot open new notes with it. Pinleaf leaves the shortcut to that program and does not say this again.

To use another shortcut, set %2 in the [Config] group of %3, for example %2=Ctrl+Alt+J, and start Pinleaf again.</source>
        <translation>Ein anderes Programm verwendet bereits %1, daher kann Pinleaf damit keine neuen Notizen öffnen. Pinleaf überlässt das Tastenkürzel diesem Programm und sagt dies kein weiteres Mal.

Um ein anderes Tastenkürzel zu verwenden, setzen Sie %2 in der Gruppe [Config] von %3, zum Beispiel %2=Ctrl+Alt+J, und starten Sie Pinleaf neu.</translation>
    </message>
</context>
<context>
    <name>ColorScheme</name>
    <message>
        <location filename="../src/note/ColorScheme.h" line="+17"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation>Pfirsich</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <location filename="../src/store/FileRead.cpp" line="+35"/>
        <source>No file was named.</source>
        <translation>Es wurde keine Datei genannt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file does not exist.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <source>It is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+21"/>
        <source>The file is too large to be a note file.</source>
        <translation>Die Datei ist zu groß für eine Notizdatei.</translation>
    </message>
</context>
<context>
    <name>FindNoteList</name>
    <message>
        <location filename="../src/note/FindNoteList.cpp" line="+86"/>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, closed</source>
        <translation>, geschlossen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 · closed</source>
        <translation>%1 · geschlossen</translation>
    </message>
</context>
<context>
    <name>FindNoteWindow</name>
    <message>
        <location filename="../src/note/FindNoteWindow.cpp" line="+55"/>
        <source>Find Note</source>
        <translation>Notiz suchen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Words from the note</source>
        <translation>Wörter aus der Notiz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search the notes</source>
        <translation>Notizen durchsuchen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
</context>
<context>
    <name>GlobalShortcut</name>
    <message>
        <location filename="../src/platform/GlobalShortcut.cpp" line="+20"/>
        <source>Another program already uses %1.</source>
        <translation>Ein anderes Programm verwendet bereits %1.</translation>
    </message>
    <message>
        <location filename="../src/platform/linux/GlobalShortcut_linux.cpp" line="+118"/>
        <source>This desktop (%1) gives programs no shortcuts of their own; they need an X11 session.</source>
        <translation>Diese Arbeitsumgebung (%1) gibt Programmen keine eigenen Tastenkürzel; dazu ist eine X11-Sitzung nötig.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The keyboard has no key for %1.</source>
        <translation>Die Tastatur hat keine Taste für %1.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The X server refused %1 (error %2).</source>
        <translation>Der X-Server hat %1 abgelehnt (Fehler %2).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This build of Pinleaf has no shortcuts of the whole desktop.</source>
        <translation>Diese Ausgabe von Pinleaf hat keine Tastenkürzel für die ganze Arbeitsfläche.</translation>
    </message>
    <message>
        <location filename="../src/platform/win/GlobalShortcut_win.cpp" line="+56"/>
        <source>Windows refused %1 (error %2).</source>
        <translation>Windows hat %1 abgelehnt (Fehler %2).</translation>
    </message>
</context>
<context>
    <name>NoteMenus</name>
    <message>
        <location filename="../src/note/frmMain.cpp" line="+31"/>
        <location filename="../src/note/NoteMenus.cpp" line="+135"/>
        <source>Always on Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-17"/>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+1"/>
        <location line="+28"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-27"/>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+24"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+2"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-45"/>
        <location line="+54"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-40"/>
        <source>Email Content</source>
        <translation>Inhalt per E-Mail senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+27"/>
        <source>Email Selection</source>
        <translation>Auswahl per E-Mail senden</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-40"/>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+55"/>
        <source>Restore Size</source>
        <translation>Größe wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-1"/>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-43"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+3"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+5"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+15"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+2"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-7"/>
        <source>Note Color</source>
        <translation>Notizfarbe</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-113"/>
        <location line="+108"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-107"/>
        <location line="+108"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-110"/>
        <location line="+108"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+15"/>
        <source>Strike-Out</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+1"/>
        <source>Remove Format</source>
        <translation>Formatierung entfernen</translation>
    </message>
    <message>
        <location filename="../src/note/NoteMenus.cpp" line="-127"/>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+109"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Largest</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Special Note</source>
        <translation>Spezialnotiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stocks</source>
        <translation>Aktienkurse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf Notes</source>
        <translation>Pinleaf-Notizen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Information</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tarvo Website</source>
        <translation>Tarvo-Website</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Font Style</source>
        <translation>Schriftstil</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>NoteSettings</name>
    <message>
        <location filename="../src/note/NoteSettings.cpp" line="+106"/>
        <source>Settings could not be saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not write its settings file:

%1

The settings chosen now last only until Pinleaf ends.</source>
        <translation>Pinleaf konnte seine Einstellungsdatei nicht schreiben:

%1

Die jetzt gewählten Einstellungen gelten nur, bis Pinleaf endet.</translation>
    </message>
</context>
<context>
    <name>NoteTray</name>
    <message>
        <location filename="../src/app/NoteTray.cpp" line="+45"/>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+56"/>
        <source>Hide All Notes</source>
        <translation>Alle Notizen ausblenden</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>Find Note…</source>
        <translation>Notiz suchen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start at Login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Show All Notes</source>
        <translation>Alle Notizen einblenden</translation>
    </message>
</context>
<context>
    <name>NoteWindowAccessible</name>
    <message>
        <location filename="../src/note/NoteAccessible.cpp" line="+185"/>
        <source>Empty note</source>
        <translation>Leere Notiz</translation>
    </message>
</context>
<context>
    <name>PrintModule</name>
    <message>
        <location filename="../src/platform/PrintModule.cpp" line="+34"/>
        <source>The printing module belongs to another version.</source>
        <translation>Das Druckmodul gehört zu einer anderen Version.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Printing is not available: %1</source>
        <translation>Drucken ist nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <location filename="../src/store/RunningCopy.cpp" line="+72"/>
        <source>The running copy&apos;s lock cannot be taken.</source>
        <translation>Die Sperre der laufenden Kopie lässt sich nicht setzen.</translation>
    </message>
</context>
<context>
    <name>ShortcutKeys</name>
    <message>
        <location filename="../src/platform/ShortcutKeys.cpp" line="+51"/>
        <source>No shortcut is set.</source>
        <translation>Es ist kein Tastenkürzel festgelegt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is more than one key press.</source>
        <translation>%1 besteht aus mehr als einem Tastendruck.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has a modifier other than Ctrl, Alt, Shift and Meta.</source>
        <translation>%1 hat eine andere Zusatztaste als Strg, Alt, Umschalt und Meta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no key that can be a shortcut of the whole desktop.</source>
        <translation>%1 hat keine Taste, die ein Tastenkürzel der ganzen Arbeitsfläche sein kann.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 needs Ctrl, Alt or Meta, or it would be taken away from typing.</source>
        <translation>%1 braucht Strg, Alt oder Meta, sonst fehlte die Taste beim Schreiben.</translation>
    </message>
</context>
<context>
    <name>UrlOpener</name>
    <message>
        <location filename="../src/platform/linux/UrlOpener_linux.cpp" line="+25"/>
        <source>The desktop&apos;s opener (xdg-open) stopped unexpectedly.</source>
        <translation>Das Öffnungsprogramm des Desktops (xdg-open) brach unerwartet ab.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The desktop&apos;s opener (xdg-open) found no program for this address.</source>
        <translation>Das Öffnungsprogramm des Desktops (xdg-open) fand kein Programm für diese Adresse.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The desktop&apos;s opener (xdg-open) could not open it (status %1).</source>
        <translation>Das Öffnungsprogramm des Desktops (xdg-open) konnte sie nicht öffnen (Status %1).</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/platform/frmAbout.cpp" line="+104"/>
        <source>Build - %1.%2.0.%3</source>
        <translation>Build - %1.%2.0.%3</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pinleaf by its authors</source>
        <translation>Pinleaf von den Autoren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and the Pinleaf team</source>
        <translation>und dem Pinleaf-Team</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+83"/>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Build - </source>
        <translation>Build - </translation>
    </message>
    <message>
        <location line="+63"/>
        <source>No e-mail program is set up on this computer to write the message to %1.</source>
        <translation>Auf diesem Computer ist kein E-Mail-Programm eingerichtet, mit dem sich die Nachricht an %1 schreiben ließe.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/note/frmMain.cpp" line="+155"/>
        <source>Opens the window menu</source>
        <translation>Öffnet das Fenstermenü</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Window menu</source>
        <translation>Fenstermenü</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Display help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens a note that explains the program</source>
        <translation>Öffnet eine Notiz, die das Programm erklärt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Close note</source>
        <translation>Notiz schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Closes this note</source>
        <translation>Schließt diese Notiz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Note text</source>
        <translation>Notiztext</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text of the note; Shift+F10 opens its menu</source>
        <translation>Der Text der Notiz; Umschalt+F10 öffnet ihr Menü</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Note creation time/date stamp</source>
        <translation>Datum und Uhrzeit, zu der die Notiz entstand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resize note</source>
        <translation>Notizgröße ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drag to change the size of the note</source>
        <translation>Ziehen ändert die Größe der Notiz</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain.h" line="+34"/>
        <source>[Note]</source>
        <translation>[Notiz]</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_close.cpp" line="+109"/>
        <source>Perform Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes have been made to this note.
Would you like to save now?</source>
        <translation>Diese Notiz wurde geändert.
Möchten Sie sie jetzt speichern?</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_edit.cpp" line="+19"/>
        <source>Visit %1 for news and the latest version of Pinleaf. Have a look at our other small desktop tools there too: they are made with the same care as your notes.</source>
        <translation>Auf %1 finden Sie Neuigkeiten und die neueste Version von Pinleaf. Schauen Sie sich dort auch unsere anderen kleinen Werkzeuge für den Desktop an: Sie sind mit derselben Sorgfalt gemacht wie Ihre Notizen.</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_files.cpp" line="+64"/>
        <source>Open Note</source>
        <translation>Notiz öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not open this file as a note file:

%1

%2</source>
        <translation>Pinleaf konnte diese Datei nicht als Notizdatei öffnen:

%1

%2</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+26"/>
        <source>Save Note</source>
        <translation>Notiz speichern</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Pinleaf did not save the note to its file, so nothing in the file is lost:

%1

%2

Save the note to another file?</source>
        <translation>Pinleaf hat die Notiz nicht in ihre Datei gespeichert, damit in der Datei nichts verloren geht:

%1

%2

Die Notiz in eine andere Datei speichern?</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Pinleaf could not save the note to this file:

%1

%2

The file was left as it was.</source>
        <translation>Pinleaf konnte die Notiz nicht in diese Datei speichern:

%1

%2

Die Datei blieb, wie sie war.</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_help.cpp" line="+32"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right-click anywhere on the note to get a list of all options: Fonts, Color Scheme, Window State, Open, Save, and Create New.  A special menu will appear if text is selected when you right-click.</source>
        <translation>Ein Rechtsklick auf die Notiz zeigt alle Befehle: Schrift, Farbe, Fensterverhalten, Öffnen, Speichern und Neu.  Ist Text markiert, erscheint ein eigenes Menü.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Window State:</source>
        <translation>Fensterverhalten:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window state controls whether the Note will remain on top of all other windows (Always On Top) or act like a normal window and take focus when in front,</source>
        <translation>Es bestimmt, ob die Notiz über allen anderen Fenstern bleibt (Immer im Vordergrund) oder sich wie ein normales Fenster verhält und nach vorn kommt, wenn sie aktiv ist,</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Special View:</source>
        <translation>Spezialnotizen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Special notes display important information and update every 2min.  Computer memory and hard drive information is currently supported.  Click &apos;Clear All&apos; on the right-click menu to clear the &apos;Special Note&apos;</source>
        <translation>Spezialnotizen zeigen wichtige Angaben und erneuern sich alle 2 Minuten.  Möglich sind Arbeitsspeicher und Laufwerke.  &apos;Alles löschen&apos; im Rechtsklickmenü leert die &apos;Spezialnotiz&apos;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Feedback:</source>
        <translation>Rückmeldung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Have an idea for a feature, a new special view, or report a bug?  Please send us an email to %1 and we will try to accomodate.</source>
        <translation>Eine Idee für eine Funktion oder eine neue Spezialnotiz, oder ein Fehler?  Schreiben Sie uns an %1, wir kümmern uns darum.</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_mail.cpp" line="+29"/>
        <location line="+6"/>
        <location line="+7"/>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The message to %1 was not written: no e-mail program took it.

%2</source>
        <translation>Die Nachricht an %1 wurde nicht geschrieben: Kein E-Mail-Programm hat sie übernommen.

%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No e-mail program is set up on this computer to write the message to %1.</source>
        <translation>Auf diesem Computer ist kein E-Mail-Programm eingerichtet, mit dem sich die Nachricht an %1 schreiben ließe.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The note is too long to go whole into an e-mail message: the message holds its first %1 of %2 characters.</source>
        <translation>Die Notiz ist zu lang für eine E-Mail-Nachricht: Die Nachricht enthält ihre ersten %1 von %2 Zeichen.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Tarvo Website</source>
        <translation>Tarvo-Website</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>%1 was not opened: no web browser took it.

%2</source>
        <translation>%1 wurde nicht geöffnet: Kein Webbrowser hat die Adresse übernommen.

%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No web browser is set up on this computer to open %1.</source>
        <translation>Auf diesem Computer ist kein Webbrowser eingerichtet, der %1 öffnen könnte.</translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_print.cpp" line="+34"/>
        <location line="+12"/>
        <location line="+15"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>

Would you like to save the note as a PDF file instead?</source>
        <translation>

Möchten Sie die Notiz stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save the note as PDF</source>
        <translation>Notiz als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF Document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pinleaf could not save the PDF file:

%1

%2</source>
        <translation>Pinleaf konnte die PDF-Datei nicht speichern:

%1

%2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+24"/>
        <source>Usage: pinleaf [%1] [NOTE-FILE.pnf]

Puts coloured notes on your desktop. With no argument Pinleaf opens the notes
kept at your last logoff (or one new note); with a note file, it opens that
file&apos;s first note. When Pinleaf is running already, the note file or the new
note opens there and this command ends at once. Every command is on the
notes&apos; right-click menus.

</source>
        <translation>Aufruf: pinleaf [%1] [NOTIZDATEI.pnf]

Heftet farbige Notizen auf den Desktop. Ohne Argument öffnet Pinleaf die Notizen,
die beim letzten Abmelden offen waren (oder eine neue Notiz); mit einer Notizdatei
öffnet es deren erste Notiz. Läuft Pinleaf schon, öffnet sich die Notizdatei oder
die neue Notiz dort, und dieser Befehl endet sofort. Alle Befehle stehen in den
Rechtsklickmenüs der Notizen.

</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>open a new note as well</source>
        <translation>zusätzlich eine neue Notiz öffnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>show this text</source>
        <translation>diesen Text zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>show the version</source>
        <translation>die Version zeigen</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../src/app/modMain_run.cpp" line="+58"/>
        <source>Notes could not be saved</source>
        <translation>Notizen nicht gesichert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not write the copy of your open notes that protects them from a crash:

%1

%2

The last copy that could be written is kept; Pinleaf tries again at your next change.</source>
        <translation>Pinleaf konnte die Kopie Ihrer offenen Notizen nicht schreiben, die sie vor einem Absturz schützt:

%1

%2

Die letzte Kopie, die sich schreiben ließ, bleibt erhalten; Pinleaf versucht es bei Ihrer nächsten Änderung wieder.</translation>
    </message>
    <message>
        <location filename="../src/app/modMain_startup.cpp" line="+43"/>
        <source>Notes store could not be read</source>
        <translation>Notizspeicher nicht lesbar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pinleaf could not read its notes store. The file was left exactly as it was, so nothing in it is lost; the notes in it that could be read are open.

%1

The next time you log off it is set aside under a name ending in &quot;.unreadable-&quot; and a new store is started.</source>
        <translation>Pinleaf konnte seinen Notizspeicher nicht lesen. Die Datei blieb genau, wie sie war, es geht also nichts darin verloren; die Notizen darin, die sich lesen ließen, sind geöffnet.

%1

Beim nächsten Abmelden wird sie unter einem Namen, der &quot;.unreadable-&quot; enthält, beiseitegelegt, und ein neuer Speicher beginnt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pinleaf cannot write to its notes folder:

%1

%2

Until this is fixed, your notes are not kept when Pinleaf ends or the session ends.</source>
        <translation>Pinleaf kann nicht in seinen Notizordner schreiben:

%1

%2

Bis das behoben ist, bleiben Ihre Notizen nicht erhalten, wenn Pinleaf oder die Sitzung endet.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Notes cannot be kept</source>
        <translation>Notizen können nicht erhalten bleiben</translation>
    </message>
</context>
<context>
    <name>modNote</name>
    <message>
        <location filename="../src/store/modNote.cpp" line="+43"/>
        <source>Select a file: </source>
        <translation>Datei wählen: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pinleaf Note</source>
        <translation>Pinleaf-Notiz</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <location filename="../src/store/modNote_append.cpp" line="+68"/>
        <source>Another Pinleaf holds the notes store.</source>
        <translation>Ein anderes Pinleaf hält den Notizspeicher.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The unreadable notes store could not be set aside.</source>
        <translation>Der unlesbare Notizspeicher ließ sich nicht beiseitelegen.</translation>
    </message>
    <message>
        <location filename="../src/store/modNote_read.cpp" line="+18"/>
        <source>It is not a note document.</source>
        <translation>Das ist kein Notizdokument.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>It holds no notes.</source>
        <translation>Sie enthält keine Notizen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Some of its notes are damaged, so none was opened.</source>
        <translation>Einige ihrer Notizen sind beschädigt, deshalb wurde keine geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/store/modNote_place.cpp" line="+54"/>
        <source>Another Pinleaf is writing this file.</source>
        <translation>Ein anderes Pinleaf schreibt gerade in diese Datei.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The file no longer reads as a note file: it was changed since this note was read from it.</source>
        <translation>Die Datei lässt sich nicht mehr als Notizdatei lesen: Sie wurde geändert, seit diese Notiz aus ihr gelesen wurde.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The file was changed since this note was read from it, and it no longer holds the note as it was read.</source>
        <translation>Die Datei wurde geändert, seit diese Notiz aus ihr gelesen wurde, und enthält die Notiz nicht mehr so, wie sie gelesen wurde.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pinleaf does not know which of the file&apos;s notes this note is.</source>
        <translation>Pinleaf weiß nicht, welche Notiz der Datei diese Notiz ist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pinleaf cannot write the note into this file without changing its other notes (a file in UTF-16 or UTF-32 is not written into).</source>
        <translation>Pinleaf kann die Notiz nicht in diese Datei schreiben, ohne ihre anderen Notizen zu ändern (in eine Datei in UTF-16 oder UTF-32 wird nicht geschrieben).</translation>
    </message>
</context>
<context>
    <name>modPrintRtb</name>
    <message>
        <location filename="../src/platform/modPrintRtb.cpp" line="+68"/>
        <source>No printer is set up.</source>
        <translation>Es ist kein Drucker eingerichtet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+72"/>
        <source>Pinleaf Note</source>
        <translation>Pinleaf-Notiz</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>The printer did not accept the job.</source>
        <translation>Der Drucker hat den Auftrag nicht angenommen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The margins leave no room for text on this paper.</source>
        <translation>Die Ränder lassen auf diesem Papier keinen Platz für Text.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The printer stopped in the middle of the job.</source>
        <translation>Der Drucker hat mitten im Auftrag aufgehört.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A line of the note is taller than the room between the margins, so printing stopped after the first page.</source>
        <translation>Eine Zeile der Notiz ist höher als der Platz zwischen den Rändern, deshalb endete der Druck nach der ersten Seite.</translation>
    </message>
</context>
<context>
    <name>modSpecialNote</name>
    <message>
        <location filename="../src/special/modSpecialNote.cpp" line="+37"/>
        <source>M</source>
        <comment>megabytes</comment>
        <translation>M</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time:</source>
        <translation>Uhrzeit:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Memory:</source>
        <translation>Speicher:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Drive(s):</source>
        <translation>Laufwerk(e):</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Removable Drive</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Local Hard Drive</source>
        <translation>Lokale Festplatte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAM Disk</source>
        <translation>RAM-Disk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Space: </source>
        <translation>Gesamt: </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Free Space: </source>
        <translation>Frei: </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total Physical: </source>
        <translation>Physisch gesamt: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Available Physical: </source>
        <translation>Physisch frei: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Memory: </source>
        <translation>Speicher gesamt: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available Memory: </source>
        <translation>Speicher frei: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent Free: </source>
        <translation>Prozent frei: </translation>
    </message>
</context>
</TS>
