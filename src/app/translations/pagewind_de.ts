<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>PictureListCommand</name>
    <message numerus="yes">
        <source>Add %n Picture(s)</source>
        <translation>
            <numerusform>%n Bild hinzufügen</numerusform>
            <numerusform>%n Bilder hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Picture(s)</source>
        <translation>
            <numerusform>%n Bild entfernen</numerusform>
            <numerusform>%n Bilder entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Picture(s)</source>
        <translation>
            <numerusform>%n Bild verschieben</numerusform>
            <numerusform>%n Bilder verschieben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyValueCommand</name>
    <message>
        <source>Change “%1”</source>
        <translation>„%1“ ändern</translation>
    </message>
</context>
<context>
    <name>RecentProjects</name>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>pw::FlashTemplateOutlineDelegate</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Ohne Titel)</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(Unbekannt)</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>pw::FlashTmplValueDelegate</name>
    <message>
        <source>Choose a colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Allowed files (%1)</source>
        <translation>Erlaubte Dateien (%1)</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei wählen</translation>
    </message>
</context>
<context>
    <name>pw::ImageBrowserView</name>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>The pictures of the book, in page order</source>
        <translation>Die Bilder des Buches, in Seitenfolge</translation>
    </message>
    <message>
        <source>Drop pictures here, or press Add Pictures.

Build Book turns them into the pages; until then the preview shows the demonstration pages.</source>
        <translation>Ziehen Sie Bilder hierher oder klicken Sie auf „Bilder hinzufügen“.

„Buch erstellen“ macht daraus die Seiten; bis dahin zeigt die Vorschau die Beispielseiten.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>The folder “%1” no longer exists. Locate… in this menu finds the picture in its new place.</source>
        <translation>Der Ordner „%1“ existiert nicht mehr. Mit „Suchen…“ in diesem Menü finden Sie das Bild an seinem neuen Ort.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move to &amp;Start</source>
        <translation>An den &amp;Anfang</translation>
    </message>
    <message>
        <source>Ctrl+Home</source>
        <translation>Ctrl+Home</translation>
    </message>
    <message>
        <source>Move to &amp;End</source>
        <translation>An das &amp;Ende</translation>
    </message>
    <message>
        <source>Ctrl+End</source>
        <translation>Ctrl+End</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Im &amp;Ordner zeigen</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Suchen…</translation>
    </message>
</context>
<context>
    <name>pw::ImageListModel</name>
    <message>
        <source>%1
(missing)</source>
        <translation>%1
(fehlt)</translation>
    </message>
    <message>
        <source>%1
This file is missing: it was moved or deleted.</source>
        <translation>%1
Diese Datei fehlt: Sie wurde verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <translation>%1, fehlt</translation>
    </message>
    <message>
        <source>%1
(cannot be read)</source>
        <translation>%1
(nicht lesbar)</translation>
    </message>
    <message>
        <source>%1
This file cannot be read: %2. It is left out of the book.</source>
        <translation>%1
Diese Datei kann nicht gelesen werden: %2. Sie kommt nicht ins Buch.</translation>
    </message>
    <message>
        <source>%1
This picture is damaged; its page may show grey.</source>
        <translation>%1
Dieses Bild ist beschädigt; seine Seite kann grau erscheinen.</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, nicht lesbar</translation>
    </message>
</context>
<context>
    <name>pw::ImportWindowDelegate</name>
    <message>
        <source>Import a PDF</source>
        <translation>PDF importieren</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open the PDF in its viewer</source>
        <translation>Die PDF-Datei im Betrachter öffnen</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>Only</source>
        <translation>Nur</translation>
    </message>
    <message>
        <source>for example 1-3,5,8</source>
        <translation>zum Beispiel 1-3,5,8</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Seitenbereich</translation>
    </message>
    <message>
        <source>Best (100)</source>
        <translation>Beste (100)</translation>
    </message>
    <message>
        <source>High (85)</source>
        <translation>Hoch (85)</translation>
    </message>
    <message>
        <source>Medium (65)</source>
        <translation>Mittel (65)</translation>
    </message>
    <message>
        <source>Low (45)</source>
        <translation>Niedrig (45)</translation>
    </message>
    <message>
        <source>Smallest (25)</source>
        <translation>Kleinste Datei (25)</translation>
    </message>
    <message>
        <source>Import the bookmarks as the table of contents</source>
        <translation>Lesezeichen als Inhaltsverzeichnis importieren</translation>
    </message>
    <message>
        <source>Import the links as clickable areas</source>
        <translation>Links als anklickbare Bereiche importieren</translation>
    </message>
    <message>
        <source>Keep the text, so that readers can search and copy it</source>
        <translation>Text behalten, damit Leser ihn durchsuchen und kopieren können</translation>
    </message>
    <message>
        <source>PDF file:</source>
        <translation>PDF-Datei:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Image quality:</source>
        <translation>Bildqualität:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Use These Pages</source>
        <translation>Diese Seiten verwenden</translation>
    </message>
    <message>
        <source>The pages are imported, but:
%1</source>
        <translation>Die Seiten sind importiert, aber:
%1</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Vorbereitung…</translation>
    </message>
    <message>
        <source>Importing page %1 of %2</source>
        <translation>Seite %1 von %2 wird importiert</translation>
    </message>
    <message>
        <source>The import was cancelled; the book is unchanged.</source>
        <translation>Der Import wurde abgebrochen; das Buch ist unverändert.</translation>
    </message>
    <message>
        <source>Choose a PDF file</source>
        <translation>PDF-Datei wählen</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>pw::Leafreel_for_macAppDelegate</name>
    <message>
        <source>Reading the pictures…</source>
        <translation>Die Bilder werden gelesen…</translation>
    </message>
    <message>
        <source>Making the pages of the project…</source>
        <translation>Die Seiten des Projekts werden erstellt…</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the list</source>
        <translation>
            <numerusform>%n Bild in der Liste</numerusform>
            <numerusform>%n Bilder in der Liste</numerusform>
        </translation>
    </message>
    <message>
        <source>Building the book: page %1 of %2</source>
        <translation>Das Buch wird erstellt: Seite %1 von %2</translation>
    </message>
    <message>
        <source>The preview was not updated; it shows the book as it was.</source>
        <translation>Die Vorschau wurde nicht aktualisiert; sie zeigt das Buch wie zuvor.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Making the pages of “%1”…</source>
        <translation>Die Seiten von „%1“ werden erstellt…</translation>
    </message>
    <message>
        <source>Making the pages…</source>
        <translation>Die Seiten werden erstellt…</translation>
    </message>
    <message>
        <source>The pages were not made; the preview shows the demonstration pages.</source>
        <translation>Die Seiten wurden nicht erstellt; die Vorschau zeigt die Beispielseiten.</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made: %1</source>
        <translation>Die Seiten des Buches konnten nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The preview could not be rebuilt: %1</source>
        <translation>Die Vorschau konnte nicht neu erstellt werden: %1</translation>
    </message>
    <message>
        <source>The preview is incomplete: %1</source>
        <translation>Die Vorschau ist unvollständig: %1</translation>
    </message>
    <message>
        <source>Preview updated</source>
        <translation>Vorschau aktualisiert</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>template, style</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Template: %1, style: %2</source>
        <translation>Vorlage: %1, Stil: %2</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add pictures first: Build turns the picture list into the book&apos;s pages.</source>
        <translation>Fügen Sie zuerst Bilder hinzu: „Buch erstellen“ macht aus der Bilderliste die Seiten des Buches.</translation>
    </message>
    <message>
        <source>Building the book…</source>
        <translation>Das Buch wird erstellt…</translation>
    </message>
    <message>
        <source>Build cancelled; the book is unchanged.</source>
        <translation>Erstellen abgebrochen; das Buch ist unverändert.</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>Buch erstellen</translation>
    </message>
    <message>
        <source>None of the files in the list is a picture that can be read.</source>
        <translation>Keine der Dateien in der Liste ist ein lesbares Bild.</translation>
    </message>
    <message>
        <source>The pages could not be made: %1</source>
        <translation>Die Seiten konnten nicht erstellt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s).</source>
        <translation>
            <numerusform>Das Buch hat %n Seite.</numerusform>
            <numerusform>Das Buch hat %n Seiten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s). These files of the list are not pictures that can be read and were left out:
%1</source>
        <translation>
            <numerusform>Das Buch hat %n Seite. Diese Dateien der Liste sind keine lesbaren Bilder und wurden ausgelassen:
%1</numerusform>
            <numerusform>Das Buch hat %n Seiten. Diese Dateien der Liste sind keine lesbaren Bilder und wurden ausgelassen:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import PDF</source>
        <translation>PDF importieren</translation>
    </message>
    <message>
        <source>Choose Template</source>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>Export the template settings</source>
        <translation>Werte der Vorlage exportieren</translation>
    </message>
    <message>
        <source>Settings files (*.txt);;All files (*)</source>
        <translation>Wertedateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Werte exportieren</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;.</source>
        <translation>Die Werte konnten nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Settings saved to %1</source>
        <translation>Werte gespeichert in %1</translation>
    </message>
    <message>
        <source>Import template settings</source>
        <translation>Werte für die Vorlage importieren</translation>
    </message>
    <message>
        <source>Settings files (*.txt)</source>
        <translation>Wertedateien (*.txt)</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Werte importieren</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read.</source>
        <translation>„%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>About Pagewind</source>
        <translation>Über Pagewind</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Turn photographs or a PDF into a page-flipping book.&lt;/p&gt;&lt;p&gt;Licensed under the GNU AGPL 3.0 or later.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Macht aus Fotos oder einer PDF-Datei ein Buch zum Blättern.&lt;/p&gt;&lt;p&gt;Lizenziert unter der GNU AGPL 3.0 oder neuer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Locate “%1”</source>
        <translation>„%1“ suchen</translation>
    </message>
    <message numerus="yes">
        <source>Locate %n Picture(s)</source>
        <translation>
            <numerusform>%n Bild gesucht</numerusform>
            <numerusform>%n Bilder gesucht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing picture(s) found again.</source>
        <translation>
            <numerusform>%n fehlendes Bild wiedergefunden.</numerusform>
            <numerusform>%n fehlende Bilder wiedergefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>The preview does not print; readers print the published book in their browser.</source>
        <translation>Die Vorschau druckt nicht; Leser drucken das veröffentlichte Buch in ihrem Browser.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>These pictures are damaged; their pages may show grey:
%1</source>
        <translation>Diese Bilder sind beschädigt; ihre Seiten können grau erscheinen:
%1</translation>
    </message>
</context>
<context>
    <name>pw::OutputWindowDelegate</name>
    <message>
        <source>Publish the book</source>
        <translation>Buch veröffentlichen</translation>
    </message>
    <message>
        <source>Book Published</source>
        <translation>Buch veröffentlicht</translation>
    </message>
    <message>
        <source>Open the result files?</source>
        <translation>Die erstellten Dateien öffnen?</translation>
    </message>
    <message>
        <source>Publish finished! Open it?</source>
        <translation>Veröffentlichung fertig! Jetzt öffnen?</translation>
    </message>
    <message>
        <source>&amp;Open it</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Replace the book?</source>
        <translation>Buch ersetzen?</translation>
    </message>
    <message>
        <source>“%1” already holds a book. Replace it?</source>
        <translation>„%1“ enthält schon ein Buch. Ersetzen?</translation>
    </message>
    <message>
        <source>Its pages and settings are replaced by this book&apos;s; other files in the folder stay.</source>
        <translation>Seine Seiten und Werte werden durch die dieses Buches ersetzt; andere Dateien im Ordner bleiben.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder the book is written into</source>
        <translation>Ordner, in den das Buch geschrieben wird</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show the folder in the file manager</source>
        <translation>Den Ordner in der Dateiverwaltung zeigen</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Zielordner zeigen</translation>
    </message>
    <message>
        <source>Title of the web page</source>
        <translation>Titel der Webseite</translation>
    </message>
    <message>
        <source>Book folder with an HTML page</source>
        <translation>Buchordner mit einer HTML-Seite</translation>
    </message>
    <message>
        <source>Mac application</source>
        <translation>Mac-Programm</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Page title:</source>
        <translation>Seitentitel:</translation>
    </message>
    <message>
        <source>Output type:</source>
        <translation>Ausgabeart:</translation>
    </message>
    <message>
        <source>Writing page %v of %m</source>
        <translation>Seite %v von %m wird geschrieben</translation>
    </message>
    <message>
        <source>Publishing progress</source>
        <translation>Fortschritt der Veröffentlichung</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist yet.</source>
        <translation>Der Ordner „%1“ existiert noch nicht.</translation>
    </message>
    <message>
        <source>Choose the folder the book is written into.</source>
        <translation>Wählen Sie den Ordner, in den das Buch geschrieben wird.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; cannot contain &quot;/&quot;; the folder goes in the field above.</source>
        <translation>Der Dateiname „%1“ darf kein „/“ enthalten; der Ordner gehört in das Feld darüber.</translation>
    </message>
    <message>
        <source>There is no book to publish.</source>
        <translation>Es gibt kein Buch zum Veröffentlichen.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; could not be made. Choose a folder you can write to.</source>
        <translation>Der Zielordner „%1“ konnte nicht angelegt werden. Wählen Sie einen Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>Publishing was stopped; the book in &quot;%1&quot; is as it was.</source>
        <translation>Die Veröffentlichung wurde angehalten; das Buch in „%1“ ist wie zuvor.</translation>
    </message>
    <message>
        <source>The book is incomplete:
%1</source>
        <translation>Das Buch ist unvollständig:
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from %1. Import the PDF again.</source>
        <translation>Die Seiten des Buches konnten nicht aus %1 erstellt werden. Importieren Sie die PDF-Datei erneut.</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from the pictures. Build the book again.</source>
        <translation>Die Seiten des Buches konnten nicht aus den Bildern erstellt werden. Erstellen Sie das Buch erneut.</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… und %n weitere</numerusform>
            <numerusform>
… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Embed Code</source>
        <translation>Einbettungscode &amp;kopieren</translation>
    </message>
    <message>
        <source>Copies the HTML that shows this book inside another web page</source>
        <translation>Kopiert das HTML, das dieses Buch in einer anderen Webseite zeigt</translation>
    </message>
    <message>
        <source>Embed Code Copied</source>
        <translation>Einbettungscode kopiert</translation>
    </message>
</context>
<context>
    <name>pw::PicturesPane</name>
    <message>
        <source>Your pictures, in book order. Drop files here, drag to rearrange (or Ctrl+arrow keys), Delete to remove.</source>
        <translation>Ihre Bilder in der Reihenfolge des Buches. Dateien hierher ziehen, zum Umordnen ziehen (oder Strg+Pfeiltasten), Entf zum Entfernen.</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>Add Pictures…</source>
        <translation>Bilder hinzufügen…</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>Buch erstellen</translation>
    </message>
    <message>
        <source>Make the book&apos;s pages from these pictures</source>
        <translation>Aus diesen Bildern die Seiten des Buches erstellen</translation>
    </message>
</context>
<context>
    <name>pw::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language of the interface</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Wie das System (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Pagewind.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start von Pagewind.</translation>
    </message>
</context>
<context>
    <name>pw::PreviewBuilder</name>
    <message>
        <source>Updating the preview…</source>
        <translation>Die Vorschau wird aktualisiert…</translation>
    </message>
    <message>
        <source>the preview folder cannot be made</source>
        <translation>der Vorschauordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>pw::ProgressSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>pw::ProjectSession</name>
    <message>
        <source>Pagewind projects (*.%1)</source>
        <translation>Pagewind-Projekte (*.%1)</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … und %n weitere</numerusform>
            <numerusform>  … und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save the project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungesicherte Änderungen</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Möchten Sie die Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>These pictures of the list are missing; they are marked in the list:
%1</source>
        <translation>Diese Bilder der Liste fehlen; sie sind in der Liste markiert:
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages cannot be made again, these files are missing:
%1
The preview shows the demonstration pages until you build or import the pages again.</source>
        <translation>Die Seiten des Buches können nicht neu erstellt werden, diese Dateien fehlen:
%1
Die Vorschau zeigt die Beispielseiten, bis Sie das Buch erneut erstellen oder die Seiten erneut importieren.</translation>
    </message>
    <message>
        <source>The book&apos;s pages are made of missing pictures: the preview shows the demonstration pages until Locate… finds them.</source>
        <translation>Die Seiten des Buches bestehen aus fehlenden Bildern: Die Vorschau zeigt die Beispielseiten, bis „Suchen…“ sie findet.</translation>
    </message>
    <message>
        <source>These files chosen in the properties are missing:
%1</source>
        <translation>Diese in den Eigenschaften gewählten Dateien fehlen:
%1</translation>
    </message>
    <message>
        <source>The style “%1” is not installed.</source>
        <translation>Der Stil „%1“ ist nicht installiert.</translation>
    </message>
    <message>
        <source>The template has no properties %1 any more; their values were not used.</source>
        <translation>Die Vorlage hat die Eigenschaften %1 nicht mehr; ihre Werte wurden nicht verwendet.</translation>
    </message>
    <message>
        <source>%1[*] — Pagewind</source>
        <translation>%1[*] — Pagewind</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>“%1” no longer exists; it was removed from Open Recent.</source>
        <translation>„%1“ existiert nicht mehr; es wurde aus „Zuletzt geöffnet“ entfernt.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesPane</name>
    <message>
        <source>Choose another template or style</source>
        <translation>Andere Vorlage oder anderen Stil wählen</translation>
    </message>
    <message>
        <source>T&amp;emplate:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <source>Load property values from a settings file</source>
        <translation>Eigenschaftswerte aus einer Wertedatei laden</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Werte importieren</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Save the property values to a settings file</source>
        <translation>Eigenschaftswerte in einer Wertedatei speichern</translation>
    </message>
    <message>
        <source>Export settings</source>
        <translation>Werte exportieren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaft</translation>
    </message>
    <message>
        <source>Property description</source>
        <translation>Beschreibung der Eigenschaft</translation>
    </message>
    <message>
        <source>Select a property to read what it changes in the book.</source>
        <translation>Wählen Sie eine Eigenschaft, um zu lesen, was sie im Buch ändert.</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Werte:</translation>
    </message>
</context>
<context>
    <name>pw::SelectTemplateWindowDelegate</name>
    <message>
        <source>Choose a template and a style</source>
        <translation>Vorlage und Stil wählen</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Vorlagen</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>pw::WindowActions</name>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>Projekt ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Add &amp;Pictures…</source>
        <translation>Bilder &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Build Book</source>
        <translation>Buch &amp;erstellen</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Import PDF…</source>
        <translation>PDF &amp;importieren…</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>P&amp;ublish…</source>
        <translation>&amp;Veröffentlichen…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Die gewählten Bilder aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Show the changed properties in the preview</source>
        <translation>Die geänderten Eigenschaften in der Vorschau zeigen</translation>
    </message>
    <message>
        <source>Choose &amp;Template…</source>
        <translation>&amp;Vorlage wählen…</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>I&amp;mport Settings…</source>
        <translation>Werte i&amp;mportieren…</translation>
    </message>
    <message>
        <source>&amp;Export Settings…</source>
        <translation>Werte e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;About Pagewind</source>
        <translation>Ü&amp;ber Pagewind</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Vorlage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
</context>
</TS>
