<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AtomicFile</name>
    <message>
        <location filename="../src/platform/AtomicFile.cpp" line="+50"/>
        <source>The folder cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorScheme</name>
    <message>
        <location filename="../src/note/ColorScheme.h" line="+17"/>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Peach</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <location filename="../src/store/FileRead.cpp" line="+35"/>
        <source>No file was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+15"/>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+21"/>
        <source>The file is too large to be a note file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteMenus</name>
    <message>
        <location filename="../src/note/frmMain.cpp" line="+26"/>
        <location filename="../src/note/NoteMenus.cpp" line="+135"/>
        <source>Always on Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-17"/>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+1"/>
        <location line="+28"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-27"/>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+24"/>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+2"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-45"/>
        <location line="+54"/>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-40"/>
        <source>Email Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+27"/>
        <source>Email Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-40"/>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+55"/>
        <source>Restore Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-1"/>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-43"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+3"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+5"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+15"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+2"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-7"/>
        <source>Note Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-113"/>
        <location line="+108"/>
        <source>Underline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-107"/>
        <location line="+108"/>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="-110"/>
        <location line="+108"/>
        <source>Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+15"/>
        <source>Strike-Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/note/NoteMenus.cpp" line="+1"/>
        <source>Remove Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/NoteMenus.cpp" line="-127"/>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+109"/>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Largest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+87"/>
        <source>Special Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Computer Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Save Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tarvo Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Font Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteSettings</name>
    <message>
        <location filename="../src/note/NoteSettings.cpp" line="+106"/>
        <source>Settings could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not write its settings file:

%1

The settings chosen now last only until Pinleaf ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunningCopy</name>
    <message>
        <location filename="../src/store/RunningCopy.cpp" line="+60"/>
        <source>The running copy&apos;s lock cannot be taken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../src/platform/frmAbout.cpp" line="+97"/>
        <source>Build - %1.%2.0.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pinleaf by its authors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>and the Pinleaf team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+81"/>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Build - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>No e-mail program is set up on this computer to write the message to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../src/note/frmMain_close.cpp" line="+110"/>
        <source>Perform Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changes have been made to this note.
Would you like to save now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_edit.cpp" line="+20"/>
        <source>Visit %1 for news and the latest version of Pinleaf. Have a look at our other small desktop tools there too: they are made with the same care as your notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_files.cpp" line="+50"/>
        <source>Open Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not open this file as a note file:

%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Save Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not save the note to this file:

%1

%2

The file was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_mail.cpp" line="+23"/>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No e-mail program is set up on this computer to write the message to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Tarvo Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No web browser is set up on this computer to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_print.cpp" line="+34"/>
        <location line="+12"/>
        <location line="+15"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <source>

Would you like to save the note as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save the note as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pinleaf could not save the PDF file:

%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain.cpp" line="+91"/>
        <source>Opens the window menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Window menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Display help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Opens a note that explains the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Closes this note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The text of the note; Shift+F10 opens its menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Note creation time/date stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Resize note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drag to change the size of the note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain.h" line="+31"/>
        <source>[Note]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/note/frmMain_help.cpp" line="+32"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right-click anywhere on the note to get a list of all options: Fonts, Color Scheme, Window State, Open, Save, and Create New.  A special menu will appear if text is selected when you right-click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Window State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window state controls whether the Note will remain on top of all other windows (Always On Top) or act like a normal window and take focus when in front,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Special View:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Special notes display important information and update every 2min.  Computer memory and hard drive information is currently supported.  Click &apos;Clear All&apos; on the right-click menu to clear the &apos;Special Note&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Feedback:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Have an idea for a feature, a new special view, or report a bug?  Please send us an email to %1 and we will try to accomodate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../src/app/main.cpp" line="+15"/>
        <source>Usage: pinleaf [NOTE-FILE.pnf]

Puts coloured notes on your desktop. With no argument Pinleaf opens the notes
kept at your last logoff (or one new note); with a note file, it opens that
file&apos;s first note. Every command is on the notes&apos; right-click menus.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>show this text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>show the version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <location filename="../src/app/modMain_run.cpp" line="+67"/>
        <source>Notes could not be saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pinleaf could not write the copy of your open notes that protects them from a crash:

%1

%2

The last copy that could be written is kept; Pinleaf tries again at your next change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/modMain_startup.cpp" line="+51"/>
        <source>Notes store could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pinleaf could not read its notes store. The file was left exactly as it was, so nothing in it is lost; the notes in it that could be read are open.

%1

The next time you log off it is set aside under a name ending in &quot;.unreadable-&quot; and a new store is started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Pinleaf cannot write to its notes folder:

%1

%2

Until this is fixed, your notes are not kept when Pinleaf ends or the session ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Notes cannot be kept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modNote</name>
    <message>
        <location filename="../src/store/modNote.cpp" line="+30"/>
        <source>Select a file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pinleaf Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/store/modNote_append.cpp" line="+68"/>
        <source>Another Pinleaf holds the notes store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The unreadable notes store could not be set aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/store/modNote_read.cpp" line="+18"/>
        <source>It is not a note document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>It holds no notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Some of its notes are damaged, so none was opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modPrintRtb</name>
    <message>
        <location filename="../src/platform/modPrintRtb.cpp" line="+69"/>
        <source>No printer is set up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+75"/>
        <source>Pinleaf Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-65"/>
        <source>The printer did not accept the job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The margins leave no room for text on this paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The printer stopped in the middle of the job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The printer reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A line of the note is taller than the room between the margins, so printing stopped after the first page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modSpecialNote</name>
    <message>
        <location filename="../src/special/modSpecialNote.cpp" line="+37"/>
        <source>M</source>
        <comment>megabytes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Memory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Drive(s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Removable Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Local Hard Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CD-ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RAM Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Space: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+4"/>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Free Space: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Total Physical: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Available Physical: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total Memory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Available Memory: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Percent Free: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
