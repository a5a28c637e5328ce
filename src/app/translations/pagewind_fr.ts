<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>PictureListCommand</name>
    <message numerus="yes">
        <source>Add %n Picture(s)</source>
        <translation>
            <numerusform>ajout de %n image</numerusform>
            <numerusform>ajout de %n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Picture(s)</source>
        <translation>
            <numerusform>retrait de %n image</numerusform>
            <numerusform>retrait de %n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Picture(s)</source>
        <translation>
            <numerusform>déplacement de %n image</numerusform>
            <numerusform>déplacement de %n images</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyValueCommand</name>
    <message>
        <source>Change “%1”</source>
        <translation>modification de « %1 »</translation>
    </message>
</context>
<context>
    <name>RecentProjects</name>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vider la liste</translation>
    </message>
</context>
<context>
    <name>pw::FlashTemplateOutlineDelegate</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Sans titre)</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(Inconnu)</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>pw::FlashTmplValueDelegate</name>
    <message>
        <source>Choose a colour</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Allowed files (%1)</source>
        <translation>Fichiers autorisés (%1)</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Choisir un fichier</translation>
    </message>
</context>
<context>
    <name>pw::ImageBrowserView</name>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>The pictures of the book, in page order</source>
        <translation>Les images du livre, dans l&apos;ordre des pages</translation>
    </message>
    <message>
        <source>Drop pictures here, or press Add Pictures.

Build Book turns them into the pages; until then the preview shows the demonstration pages.</source>
        <translation>Déposez des images ici, ou cliquez sur « Ajouter des images ».

« Créer le livre » en fait les pages ; d&apos;ici là, l&apos;aperçu montre les pages de démonstration.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>The folder “%1” no longer exists. Locate… in this menu finds the picture in its new place.</source>
        <translation>Le dossier « %1 » n&apos;existe plus. « Localiser… » dans ce menu retrouve l&apos;image à son nouvel emplacement.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move to &amp;Start</source>
        <translation>Déplacer au &amp;début</translation>
    </message>
    <message>
        <source>Ctrl+Home</source>
        <translation>Ctrl+Home</translation>
    </message>
    <message>
        <source>Move to &amp;End</source>
        <translation>Déplacer à la &amp;fin</translation>
    </message>
    <message>
        <source>Ctrl+End</source>
        <translation>Ctrl+End</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Afficher dans le d&amp;ossier</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Localiser…</translation>
    </message>
</context>
<context>
    <name>pw::ImageListModel</name>
    <message>
        <source>%1
(missing)</source>
        <translation>%1
(manquant)</translation>
    </message>
    <message>
        <source>%1
This file is missing: it was moved or deleted.</source>
        <translation>%1
Ce fichier est manquant : il a été déplacé ou supprimé.</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <translation>%1, manquant</translation>
    </message>
    <message>
        <source>%1
(cannot be read)</source>
        <translation>%1
(illisible)</translation>
    </message>
    <message>
        <source>%1
This file cannot be read: %2. It is left out of the book.</source>
        <translation>%1
Ce fichier ne peut pas être lu : %2. Il est laissé hors du livre.</translation>
    </message>
    <message>
        <source>%1
This picture is damaged; its page may show grey.</source>
        <translation>%1
Cette image est endommagée ; sa page peut apparaître grise.</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, illisible</translation>
    </message>
</context>
<context>
    <name>pw::ImportWindowDelegate</name>
    <message>
        <source>Import a PDF</source>
        <translation>Importer un PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open the PDF in its viewer</source>
        <translation>Ouvrir le PDF dans sa visionneuse</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Toutes les pages</translation>
    </message>
    <message>
        <source>Only</source>
        <translation>Seulement</translation>
    </message>
    <message>
        <source>for example 1-3,5,8</source>
        <translation>par exemple 1-3,5,8</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Plage de pages</translation>
    </message>
    <message>
        <source>Best (100)</source>
        <translation>Maximale (100)</translation>
    </message>
    <message>
        <source>High (85)</source>
        <translation>Haute (85)</translation>
    </message>
    <message>
        <source>Medium (65)</source>
        <translation>Moyenne (65)</translation>
    </message>
    <message>
        <source>Low (45)</source>
        <translation>Basse (45)</translation>
    </message>
    <message>
        <source>Smallest (25)</source>
        <translation>Fichiers minimaux (25)</translation>
    </message>
    <message>
        <source>Import the bookmarks as the table of contents</source>
        <translation>Importer les signets comme sommaire</translation>
    </message>
    <message>
        <source>Import the links as clickable areas</source>
        <translation>Importer les liens comme zones cliquables</translation>
    </message>
    <message>
        <source>Keep the text, so that readers can search and copy it</source>
        <translation>Conserver le texte, pour que les lecteurs puissent le rechercher et le copier</translation>
    </message>
    <message>
        <source>PDF file:</source>
        <translation>Fichier PDF :</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages :</translation>
    </message>
    <message>
        <source>Image quality:</source>
        <translation>Qualité d&apos;image :</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Use These Pages</source>
        <translation>Utiliser ces pages</translation>
    </message>
    <message>
        <source>The pages are imported, but:
%1</source>
        <translation>Les pages sont importées, mais :
%1</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>Importing page %1 of %2</source>
        <translation>Importation de la page %1 sur %2</translation>
    </message>
    <message>
        <source>The import was cancelled; the book is unchanged.</source>
        <translation>L&apos;importation a été annulée ; le livre n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Choose a PDF file</source>
        <translation>Choisir un fichier PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>pw::Leafreel_for_macAppDelegate</name>
    <message>
        <source>Reading the pictures…</source>
        <translation>Lecture des images…</translation>
    </message>
    <message>
        <source>Making the pages of the project…</source>
        <translation>Création des pages du projet…</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the list</source>
        <translation>
            <numerusform>%n image dans la liste</numerusform>
            <numerusform>%n images dans la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>Building the book: page %1 of %2</source>
        <translation>Création du livre : page %1 sur %2</translation>
    </message>
    <message>
        <source>The preview was not updated; it shows the book as it was.</source>
        <translation>L&apos;aperçu n&apos;a pas été mis à jour ; il montre le livre tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Localiser…</translation>
    </message>
    <message>
        <source>Making the pages of “%1”…</source>
        <translation>Création des pages de « %1 »…</translation>
    </message>
    <message>
        <source>Making the pages…</source>
        <translation>Création des pages…</translation>
    </message>
    <message>
        <source>The pages were not made; the preview shows the demonstration pages.</source>
        <translation>Les pages n&apos;ont pas été créées ; l&apos;aperçu montre les pages de démonstration.</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made: %1</source>
        <translation>Les pages du livre n&apos;ont pas pu être créées : %1</translation>
    </message>
    <message>
        <source>The preview could not be rebuilt: %1</source>
        <translation>L&apos;aperçu n&apos;a pas pu être recréé : %1</translation>
    </message>
    <message>
        <source>The preview is incomplete: %1</source>
        <translation>L&apos;aperçu est incomplet : %1</translation>
    </message>
    <message>
        <source>Preview updated</source>
        <translation>Aperçu mis à jour</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>template, style</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Template: %1, style: %2</source>
        <translation>Modèle : %1, style : %2</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Modèle : %1</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Ajouter des images</translation>
    </message>
    <message>
        <source>Add pictures first: Build turns the picture list into the book&apos;s pages.</source>
        <translation>Ajoutez d&apos;abord des images : « Créer le livre » fait de la liste d&apos;images les pages du livre.</translation>
    </message>
    <message>
        <source>Building the book…</source>
        <translation>Création du livre…</translation>
    </message>
    <message>
        <source>Build cancelled; the book is unchanged.</source>
        <translation>Création annulée ; le livre n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>Créer le livre</translation>
    </message>
    <message>
        <source>None of the files in the list is a picture that can be read.</source>
        <translation>Aucun des fichiers de la liste n&apos;est une image lisible.</translation>
    </message>
    <message>
        <source>The pages could not be made: %1</source>
        <translation>Les pages n&apos;ont pas pu être créées : %1</translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s).</source>
        <translation>
            <numerusform>Le livre a %n page.</numerusform>
            <numerusform>Le livre a %n pages.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s). These files of the list are not pictures that can be read and were left out:
%1</source>
        <translation>
            <numerusform>Le livre a %n page. Ces fichiers de la liste ne sont pas des images lisibles et ont été laissés de côté :
%1</numerusform>
            <numerusform>Le livre a %n pages. Ces fichiers de la liste ne sont pas des images lisibles et ont été laissés de côté :
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import PDF</source>
        <translation>importation du PDF</translation>
    </message>
    <message>
        <source>Choose Template</source>
        <translation>choix du modèle</translation>
    </message>
    <message>
        <source>Export the template settings</source>
        <translation>Exporter les réglages du modèle</translation>
    </message>
    <message>
        <source>Settings files (*.txt);;All files (*)</source>
        <translation>Fichiers de réglages (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les réglages</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;.</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans « %1 ».</translation>
    </message>
    <message>
        <source>Settings saved to %1</source>
        <translation>Réglages enregistrés dans %1</translation>
    </message>
    <message>
        <source>Import template settings</source>
        <translation>Importer des réglages du modèle</translation>
    </message>
    <message>
        <source>Settings files (*.txt)</source>
        <translation>Fichiers de réglages (*.txt)</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>importation des réglages</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read.</source>
        <translation>« %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>About Pagewind</source>
        <translation>À propos de Pagewind</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Turn photographs or a PDF into a page-flipping book.&lt;/p&gt;&lt;p&gt;Licensed under the GNU AGPL 3.0 or later.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Faites de vos photos ou d&apos;un PDF un livre à feuilleter.&lt;/p&gt;&lt;p&gt;Sous licence GNU AGPL 3.0 ou ultérieure.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Locate “%1”</source>
        <translation>Localiser « %1 »</translation>
    </message>
    <message numerus="yes">
        <source>Locate %n Picture(s)</source>
        <translation>
            <numerusform>localisation de %n image</numerusform>
            <numerusform>localisation de %n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing picture(s) found again.</source>
        <translation>
            <numerusform>%n image manquante retrouvée.</numerusform>
            <numerusform>%n images manquantes retrouvées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The preview does not print; readers print the published book in their browser.</source>
        <translation>L&apos;aperçu n&apos;imprime pas ; les lecteurs impriment le livre publié dans leur navigateur.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>These pictures are damaged; their pages may show grey:
%1</source>
        <translation>Ces images sont endommagées ; leurs pages peuvent apparaître grises :
%1</translation>
    </message>
</context>
<context>
    <name>pw::OutputWindowDelegate</name>
    <message>
        <source>Publish the book</source>
        <translation>Publier le livre</translation>
    </message>
    <message>
        <source>Book Published</source>
        <translation>Livre publié</translation>
    </message>
    <message>
        <source>Open the result files?</source>
        <translation>Ouvrir les fichiers produits ?</translation>
    </message>
    <message>
        <source>Publish finished! Open it?</source>
        <translation>Publication terminée ! L&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>&amp;Open it</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Replace the book?</source>
        <translation>Remplacer le livre ?</translation>
    </message>
    <message>
        <source>“%1” already holds a book. Replace it?</source>
        <translation>« %1 » contient déjà un livre. Le remplacer ?</translation>
    </message>
    <message>
        <source>Its pages and settings are replaced by this book&apos;s; other files in the folder stay.</source>
        <translation>Ses pages et ses réglages sont remplacés par ceux de ce livre ; les autres fichiers du dossier restent.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder the book is written into</source>
        <translation>Dossier dans lequel le livre est écrit</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de sortie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show the folder in the file manager</source>
        <translation>Afficher le dossier dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Afficher le dossier de sortie</translation>
    </message>
    <message>
        <source>Title of the web page</source>
        <translation>Titre de la page web</translation>
    </message>
    <message>
        <source>Book folder with an HTML page</source>
        <translation>Dossier du livre avec une page HTML</translation>
    </message>
    <message>
        <source>Mac application</source>
        <translation>Application Mac</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Dossier de sortie :</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Page title:</source>
        <translation>Titre de la page :</translation>
    </message>
    <message>
        <source>Output type:</source>
        <translation>Type de sortie :</translation>
    </message>
    <message>
        <source>Writing page %v of %m</source>
        <translation>Écriture de la page %v sur %m</translation>
    </message>
    <message>
        <source>Publishing progress</source>
        <translation>Progression de la publication</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Choisir ce dossier</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist yet.</source>
        <translation>Le dossier « %1 » n&apos;existe pas encore.</translation>
    </message>
    <message>
        <source>Choose the folder the book is written into.</source>
        <translation>Choisissez le dossier dans lequel le livre est écrit.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; cannot contain &quot;/&quot;; the folder goes in the field above.</source>
        <translation>Le nom de fichier « %1 » ne peut pas contenir « / » ; le dossier se saisit dans le champ au-dessus.</translation>
    </message>
    <message>
        <source>There is no book to publish.</source>
        <translation>Il n&apos;y a aucun livre à publier.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; could not be made. Choose a folder you can write to.</source>
        <translation>Le dossier de sortie « %1 » n&apos;a pas pu être créé. Choisissez un dossier dans lequel vous pouvez écrire.</translation>
    </message>
    <message>
        <source>Publishing was stopped; the book in &quot;%1&quot; is as it was.</source>
        <translation>La publication a été arrêtée ; le livre dans « %1 » est tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>The book is incomplete:
%1</source>
        <translation>Le livre est incomplet :
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from %1. Import the PDF again.</source>
        <translation>Les pages du livre n&apos;ont pas pu être créées à partir de %1. Importez à nouveau le PDF.</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from the pictures. Build the book again.</source>
        <translation>Les pages du livre n&apos;ont pas pu être créées à partir des images. Créez à nouveau le livre.</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… et %n autre</numerusform>
            <numerusform>
… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Embed Code</source>
        <translation>&amp;Copier le code d&apos;intégration</translation>
    </message>
    <message>
        <source>Copies the HTML that shows this book inside another web page</source>
        <translation>Copie le HTML qui affiche ce livre dans une autre page web</translation>
    </message>
    <message>
        <source>Embed Code Copied</source>
        <translation>Code d&apos;intégration copié</translation>
    </message>
</context>
<context>
    <name>pw::PicturesPane</name>
    <message>
        <source>Your pictures, in book order. Drop files here, drag to rearrange (or Ctrl+arrow keys), Delete to remove.</source>
        <translation>Vos images, dans l&apos;ordre du livre. Déposez des fichiers ici, faites glisser pour réordonner (ou Ctrl+flèches), Suppr pour retirer.</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Images</translation>
    </message>
    <message>
        <source>Add Pictures…</source>
        <translation>Ajouter des images…</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>Créer le livre</translation>
    </message>
    <message>
        <source>Make the book&apos;s pages from these pictures</source>
        <translation>Créer les pages du livre à partir de ces images</translation>
    </message>
</context>
<context>
    <name>pw::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Language of the interface</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Celle du système (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Pagewind.</source>
        <translation>Une nouvelle langue s&apos;applique au prochain démarrage de Pagewind.</translation>
    </message>
</context>
<context>
    <name>pw::PreviewBuilder</name>
    <message>
        <source>Updating the preview…</source>
        <translation>Mise à jour de l&apos;aperçu…</translation>
    </message>
    <message>
        <source>the preview folder cannot be made</source>
        <translation>le dossier de l&apos;aperçu ne peut pas être créé</translation>
    </message>
</context>
<context>
    <name>pw::ProgressSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>pw::ProjectSession</name>
    <message>
        <source>Pagewind projects (*.%1)</source>
        <translation>Projets Pagewind (*.%1)</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … et %n autre</numerusform>
            <numerusform>  … et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Save the project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>Voulez-vous enregistrer les modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>Ne &amp;pas enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>These pictures of the list are missing; they are marked in the list:
%1</source>
        <translation>Ces images de la liste sont manquantes ; elles sont signalées dans la liste :
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages cannot be made again, these files are missing:
%1
The preview shows the demonstration pages until you build or import the pages again.</source>
        <translation>Les pages du livre ne peuvent pas être recréées, ces fichiers sont manquants :
%1
L&apos;aperçu montre les pages de démonstration jusqu&apos;à ce que vous créiez ou importiez à nouveau les pages.</translation>
    </message>
    <message>
        <source>The book&apos;s pages are made of missing pictures: the preview shows the demonstration pages until Locate… finds them.</source>
        <translation>Les pages du livre sont faites d&apos;images manquantes : l&apos;aperçu montre les pages de démonstration jusqu&apos;à ce que « Localiser… » les retrouve.</translation>
    </message>
    <message>
        <source>These files chosen in the properties are missing:
%1</source>
        <translation>Ces fichiers choisis dans les propriétés sont manquants :
%1</translation>
    </message>
    <message>
        <source>The style “%1” is not installed.</source>
        <translation>Le style « %1 » n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>The template has no properties %1 any more; their values were not used.</source>
        <translation>Le modèle n&apos;a plus les propriétés %1 ; leurs valeurs n&apos;ont pas été utilisées.</translation>
    </message>
    <message>
        <source>%1[*] — Pagewind</source>
        <translation>%1[*] — Pagewind</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>“%1” no longer exists; it was removed from Open Recent.</source>
        <translation>« %1 » n&apos;existe plus ; il a été retiré des projets récents.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesPane</name>
    <message>
        <source>Choose another template or style</source>
        <translation>Choisir un autre modèle ou style</translation>
    </message>
    <message>
        <source>T&amp;emplate:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importer…</translation>
    </message>
    <message>
        <source>Load property values from a settings file</source>
        <translation>Charger les valeurs des propriétés depuis un fichier de réglages</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Importer des réglages</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Save the property values to a settings file</source>
        <translation>Enregistrer les valeurs des propriétés dans un fichier de réglages</translation>
    </message>
    <message>
        <source>Export settings</source>
        <translation>Exporter des réglages</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriété</translation>
    </message>
    <message>
        <source>Property description</source>
        <translation>Description de la propriété</translation>
    </message>
    <message>
        <source>Select a property to read what it changes in the book.</source>
        <translation>Sélectionnez une propriété pour lire ce qu&apos;elle change dans le livre.</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Réglages :</translation>
    </message>
</context>
<context>
    <name>pw::SelectTemplateWindowDelegate</name>
    <message>
        <source>Choose a template and a style</source>
        <translation>Choisir un modèle et un style</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
</context>
<context>
    <name>pw::WindowActions</name>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Add &amp;Pictures…</source>
        <translation>Ajouter des ima&amp;ges…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Build Book</source>
        <translation>&amp;Créer le livre</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Import PDF…</source>
        <translation>&amp;Importer un PDF…</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>P&amp;ublish…</source>
        <translation>&amp;Publier…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Retirer de la liste les images sélectionnées</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Show the changed properties in the preview</source>
        <translation>Afficher les propriétés modifiées dans l&apos;aperçu</translation>
    </message>
    <message>
        <source>Choose &amp;Template…</source>
        <translation>Choisir le &amp;modèle…</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>I&amp;mport Settings…</source>
        <translation>&amp;Importer les réglages…</translation>
    </message>
    <message>
        <source>&amp;Export Settings…</source>
        <translation>&amp;Exporter les réglages…</translation>
    </message>
    <message>
        <source>&amp;About Pagewind</source>
        <translation>À &amp;propos de Pagewind</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Projets &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
</context>
</TS>
