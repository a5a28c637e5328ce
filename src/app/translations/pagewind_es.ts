<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>PictureListCommand</name>
    <message numerus="yes">
        <source>Add %n Picture(s)</source>
        <translation>
            <numerusform>añadir %n imagen</numerusform>
            <numerusform>añadir %n imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Picture(s)</source>
        <translation>
            <numerusform>quitar %n imagen</numerusform>
            <numerusform>quitar %n imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Picture(s)</source>
        <translation>
            <numerusform>mover %n imagen</numerusform>
            <numerusform>mover %n imágenes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyValueCommand</name>
    <message>
        <source>Change “%1”</source>
        <translation>cambiar «%1»</translation>
    </message>
</context>
<context>
    <name>RecentProjects</name>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vaciar la lista</translation>
    </message>
</context>
<context>
    <name>pw::FlashTemplateOutlineDelegate</name>
    <message>
        <source>(Untitled)</source>
        <translation>(Sin título)</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(Desconocido)</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>pw::FlashTmplValueDelegate</name>
    <message>
        <source>Choose a colour</source>
        <translation>Elegir un color</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Allowed files (%1)</source>
        <translation>Archivos permitidos (%1)</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Elegir un archivo</translation>
    </message>
</context>
<context>
    <name>pw::ImageBrowserView</name>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>The pictures of the book, in page order</source>
        <translation>Las imágenes del libro, en el orden de las páginas</translation>
    </message>
    <message>
        <source>Drop pictures here, or press Add Pictures.

Build Book turns them into the pages; until then the preview shows the demonstration pages.</source>
        <translation>Suelte imágenes aquí o pulse «Añadir imágenes».

«Crear el libro» las convierte en las páginas; hasta entonces la vista previa muestra las páginas de demostración.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>The folder “%1” no longer exists. Locate… in this menu finds the picture in its new place.</source>
        <translation>La carpeta «%1» ya no existe. «Localizar…» en este menú encuentra la imagen en su nuevo lugar.</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move to &amp;Start</source>
        <translation>Mover al &amp;principio</translation>
    </message>
    <message>
        <source>Ctrl+Home</source>
        <translation>Ctrl+Home</translation>
    </message>
    <message>
        <source>Move to &amp;End</source>
        <translation>Mover al &amp;final</translation>
    </message>
    <message>
        <source>Ctrl+End</source>
        <translation>Ctrl+End</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar en la &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Localizar…</translation>
    </message>
</context>
<context>
    <name>pw::ImageListModel</name>
    <message>
        <source>%1
(missing)</source>
        <translation>%1
(falta)</translation>
    </message>
    <message>
        <source>%1
This file is missing: it was moved or deleted.</source>
        <translation>%1
Falta este archivo: se movió o se eliminó.</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <translation>%1, falta</translation>
    </message>
    <message>
        <source>%1
(cannot be read)</source>
        <translation>%1
(no se puede leer)</translation>
    </message>
    <message>
        <source>%1
This file cannot be read: %2. It is left out of the book.</source>
        <translation>%1
Este archivo no se puede leer: %2. Queda fuera del libro.</translation>
    </message>
    <message>
        <source>%1
This picture is damaged; its page may show grey.</source>
        <translation>%1
Esta imagen está dañada; su página puede verse gris.</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1, no se puede leer</translation>
    </message>
</context>
<context>
    <name>pw::ImportWindowDelegate</name>
    <message>
        <source>Import a PDF</source>
        <translation>Importar un PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>Archivo PDF</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open the PDF in its viewer</source>
        <translation>Abrir el PDF en su visor</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Todas las páginas</translation>
    </message>
    <message>
        <source>Only</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>for example 1-3,5,8</source>
        <translation>por ejemplo 1-3,5,8</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Intervalo de páginas</translation>
    </message>
    <message>
        <source>Best (100)</source>
        <translation>Máxima (100)</translation>
    </message>
    <message>
        <source>High (85)</source>
        <translation>Alta (85)</translation>
    </message>
    <message>
        <source>Medium (65)</source>
        <translation>Media (65)</translation>
    </message>
    <message>
        <source>Low (45)</source>
        <translation>Baja (45)</translation>
    </message>
    <message>
        <source>Smallest (25)</source>
        <translation>Archivos mínimos (25)</translation>
    </message>
    <message>
        <source>Import the bookmarks as the table of contents</source>
        <translation>Importar los marcadores como índice</translation>
    </message>
    <message>
        <source>Import the links as clickable areas</source>
        <translation>Importar los enlaces como zonas en las que se puede hacer clic</translation>
    </message>
    <message>
        <source>Keep the text, so that readers can search and copy it</source>
        <translation>Conservar el texto, para que los lectores puedan buscarlo y copiarlo</translation>
    </message>
    <message>
        <source>PDF file:</source>
        <translation>Archivo PDF:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Image quality:</source>
        <translation>Calidad de imagen:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Use These Pages</source>
        <translation>Usar estas páginas</translation>
    </message>
    <message>
        <source>The pages are imported, but:
%1</source>
        <translation>Las páginas se han importado, pero:
%1</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Importing page %1 of %2</source>
        <translation>Importando la página %1 de %2</translation>
    </message>
    <message>
        <source>The import was cancelled; the book is unchanged.</source>
        <translation>Se canceló la importación; el libro no ha cambiado.</translation>
    </message>
    <message>
        <source>Choose a PDF file</source>
        <translation>Elegir un archivo PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>pw::Leafreel_for_macAppDelegate</name>
    <message>
        <source>Reading the pictures…</source>
        <translation>Leyendo las imágenes…</translation>
    </message>
    <message>
        <source>Making the pages of the project…</source>
        <translation>Creando las páginas del proyecto…</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the list</source>
        <translation>
            <numerusform>%n imagen en la lista</numerusform>
            <numerusform>%n imágenes en la lista</numerusform>
        </translation>
    </message>
    <message>
        <source>Building the book: page %1 of %2</source>
        <translation>Creando el libro: página %1 de %2</translation>
    </message>
    <message>
        <source>The preview was not updated; it shows the book as it was.</source>
        <translation>La vista previa no se actualizó; muestra el libro como estaba.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>&amp;Localizar…</translation>
    </message>
    <message>
        <source>Making the pages of “%1”…</source>
        <translation>Creando las páginas de «%1»…</translation>
    </message>
    <message>
        <source>Making the pages…</source>
        <translation>Creando las páginas…</translation>
    </message>
    <message>
        <source>The pages were not made; the preview shows the demonstration pages.</source>
        <translation>No se crearon las páginas; la vista previa muestra las páginas de demostración.</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made: %1</source>
        <translation>No se pudieron crear las páginas del libro: %1</translation>
    </message>
    <message>
        <source>The preview could not be rebuilt: %1</source>
        <translation>No se pudo volver a crear la vista previa: %1</translation>
    </message>
    <message>
        <source>The preview is incomplete: %1</source>
        <translation>La vista previa está incompleta: %1</translation>
    </message>
    <message>
        <source>Preview updated</source>
        <translation>Vista previa actualizada</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>template, style</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Template: %1, style: %2</source>
        <translation>Plantilla: %1, estilo: %2</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Plantilla: %1</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Añadir imágenes</translation>
    </message>
    <message>
        <source>Add pictures first: Build turns the picture list into the book&apos;s pages.</source>
        <translation>Añada primero imágenes: «Crear el libro» convierte la lista de imágenes en las páginas del libro.</translation>
    </message>
    <message>
        <source>Building the book…</source>
        <translation>Creando el libro…</translation>
    </message>
    <message>
        <source>Build cancelled; the book is unchanged.</source>
        <translation>Creación cancelada; el libro no ha cambiado.</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>Crear el libro</translation>
    </message>
    <message>
        <source>None of the files in the list is a picture that can be read.</source>
        <translation>Ninguno de los archivos de la lista es una imagen que se pueda leer.</translation>
    </message>
    <message>
        <source>The pages could not be made: %1</source>
        <translation>No se pudieron crear las páginas: %1</translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s).</source>
        <translation>
            <numerusform>El libro tiene %n página.</numerusform>
            <numerusform>El libro tiene %n páginas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s). These files of the list are not pictures that can be read and were left out:
%1</source>
        <translation>
            <numerusform>El libro tiene %n página. Estos archivos de la lista no son imágenes que se puedan leer y se han omitido:
%1</numerusform>
            <numerusform>El libro tiene %n páginas. Estos archivos de la lista no son imágenes que se puedan leer y se han omitido:
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import PDF</source>
        <translation>importar PDF</translation>
    </message>
    <message>
        <source>Choose Template</source>
        <translation>elegir plantilla</translation>
    </message>
    <message>
        <source>Export the template settings</source>
        <translation>Exportar los ajustes de la plantilla</translation>
    </message>
    <message>
        <source>Settings files (*.txt);;All files (*)</source>
        <translation>Archivos de ajustes (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>Exportar ajustes</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;.</source>
        <translation>No se pudieron escribir los ajustes en «%1».</translation>
    </message>
    <message>
        <source>Settings saved to %1</source>
        <translation>Ajustes guardados en %1</translation>
    </message>
    <message>
        <source>Import template settings</source>
        <translation>Importar ajustes de la plantilla</translation>
    </message>
    <message>
        <source>Settings files (*.txt)</source>
        <translation>Archivos de ajustes (*.txt)</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>importar ajustes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer «%1».</translation>
    </message>
    <message>
        <source>About Pagewind</source>
        <translation>Acerca de Pagewind</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Turn photographs or a PDF into a page-flipping book.&lt;/p&gt;&lt;p&gt;Licensed under the GNU AGPL 3.0 or later.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Convierta fotografías o un PDF en un libro que se hojea.&lt;/p&gt;&lt;p&gt;Con licencia GNU AGPL 3.0 o posterior.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Locate “%1”</source>
        <translation>Localizar «%1»</translation>
    </message>
    <message numerus="yes">
        <source>Locate %n Picture(s)</source>
        <translation>
            <numerusform>localizar %n imagen</numerusform>
            <numerusform>localizar %n imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing picture(s) found again.</source>
        <translation>
            <numerusform>Se ha vuelto a encontrar %n imagen que faltaba.</numerusform>
            <numerusform>Se han vuelto a encontrar %n imágenes que faltaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>The preview does not print; readers print the published book in their browser.</source>
        <translation>La vista previa no imprime; los lectores imprimen el libro publicado en su navegador.</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>These pictures are damaged; their pages may show grey:
%1</source>
        <translation>Estas imágenes están dañadas; sus páginas pueden verse grises:
%1</translation>
    </message>
</context>
<context>
    <name>pw::OutputWindowDelegate</name>
    <message>
        <source>Publish the book</source>
        <translation>Publicar el libro</translation>
    </message>
    <message>
        <source>Book Published</source>
        <translation>Libro publicado</translation>
    </message>
    <message>
        <source>Open the result files?</source>
        <translation>¿Abrir los archivos creados?</translation>
    </message>
    <message>
        <source>Publish finished! Open it?</source>
        <translation>¡Publicación terminada! ¿Abrirla?</translation>
    </message>
    <message>
        <source>&amp;Open it</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Replace the book?</source>
        <translation>¿Reemplazar el libro?</translation>
    </message>
    <message>
        <source>“%1” already holds a book. Replace it?</source>
        <translation>«%1» ya contiene un libro. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Its pages and settings are replaced by this book&apos;s; other files in the folder stay.</source>
        <translation>Sus páginas y ajustes se sustituyen por los de este libro; los demás archivos de la carpeta se conservan.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Folder the book is written into</source>
        <translation>Carpeta en la que se escribe el libro</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show the folder in the file manager</source>
        <translation>Mostrar la carpeta en el gestor de archivos</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>Mostrar la carpeta de destino</translation>
    </message>
    <message>
        <source>Title of the web page</source>
        <translation>Título de la página web</translation>
    </message>
    <message>
        <source>Book folder with an HTML page</source>
        <translation>Carpeta del libro con una página HTML</translation>
    </message>
    <message>
        <source>Mac application</source>
        <translation>Aplicación para Mac</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>Carpeta de destino:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>Page title:</source>
        <translation>Título de la página:</translation>
    </message>
    <message>
        <source>Output type:</source>
        <translation>Tipo de salida:</translation>
    </message>
    <message>
        <source>Writing page %v of %m</source>
        <translation>Escribiendo la página %v de %m</translation>
    </message>
    <message>
        <source>Publishing progress</source>
        <translation>Progreso de la publicación</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist yet.</source>
        <translation>La carpeta «%1» todavía no existe.</translation>
    </message>
    <message>
        <source>Choose the folder the book is written into.</source>
        <translation>Elija la carpeta en la que se escribe el libro.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; cannot contain &quot;/&quot;; the folder goes in the field above.</source>
        <translation>El nombre de archivo «%1» no puede contener «/»; la carpeta va en el campo de arriba.</translation>
    </message>
    <message>
        <source>There is no book to publish.</source>
        <translation>No hay ningún libro que publicar.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; could not be made. Choose a folder you can write to.</source>
        <translation>No se pudo crear la carpeta de destino «%1». Elija una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>Publishing was stopped; the book in &quot;%1&quot; is as it was.</source>
        <translation>Se detuvo la publicación; el libro de «%1» sigue como estaba.</translation>
    </message>
    <message>
        <source>The book is incomplete:
%1</source>
        <translation>El libro está incompleto:
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from %1. Import the PDF again.</source>
        <translation>No se pudieron crear las páginas del libro a partir de %1. Vuelva a importar el PDF.</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from the pictures. Build the book again.</source>
        <translation>No se pudieron crear las páginas del libro a partir de las imágenes. Vuelva a crear el libro.</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… y %n más</numerusform>
            <numerusform>
… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Embed Code</source>
        <translation>&amp;Copiar el código para insertar</translation>
    </message>
    <message>
        <source>Copies the HTML that shows this book inside another web page</source>
        <translation>Copia el HTML que muestra este libro dentro de otra página web</translation>
    </message>
    <message>
        <source>Embed Code Copied</source>
        <translation>Código para insertar copiado</translation>
    </message>
</context>
<context>
    <name>pw::PicturesPane</name>
    <message>
        <source>Your pictures, in book order. Drop files here, drag to rearrange (or Ctrl+arrow keys), Delete to remove.</source>
        <translation>Sus imágenes, en el orden del libro. Suelte archivos aquí, arrastre para reordenar (o Ctrl+flechas), Supr para quitar.</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>Add Pictures…</source>
        <translation>Añadir imágenes…</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>Crear el libro</translation>
    </message>
    <message>
        <source>Make the book&apos;s pages from these pictures</source>
        <translation>Crear las páginas del libro a partir de estas imágenes</translation>
    </message>
</context>
<context>
    <name>pw::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Language of the interface</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>La del sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Pagewind.</source>
        <translation>Un idioma nuevo se aplica a partir del próximo inicio de Pagewind.</translation>
    </message>
</context>
<context>
    <name>pw::PreviewBuilder</name>
    <message>
        <source>Updating the preview…</source>
        <translation>Actualizando la vista previa…</translation>
    </message>
    <message>
        <source>the preview folder cannot be made</source>
        <translation>no se puede crear la carpeta de la vista previa</translation>
    </message>
</context>
<context>
    <name>pw::ProgressSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>pw::ProjectSession</name>
    <message>
        <source>Pagewind projects (*.%1)</source>
        <translation>Proyectos de Pagewind (*.%1)</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … y %n más</numerusform>
            <numerusform>  … y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a project</source>
        <translation>Abrir un proyecto</translation>
    </message>
    <message>
        <source>Save the project</source>
        <translation>Guardar el proyecto</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>¿Desea guardar los cambios de «%1»?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Si no los guarda, sus cambios se perderán.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>These pictures of the list are missing; they are marked in the list:
%1</source>
        <translation>Faltan estas imágenes de la lista; están marcadas en la lista:
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages cannot be made again, these files are missing:
%1
The preview shows the demonstration pages until you build or import the pages again.</source>
        <translation>No se pueden volver a crear las páginas del libro, faltan estos archivos:
%1
La vista previa muestra las páginas de demostración hasta que vuelva a crear o importar las páginas.</translation>
    </message>
    <message>
        <source>The book&apos;s pages are made of missing pictures: the preview shows the demonstration pages until Locate… finds them.</source>
        <translation>Las páginas del libro están hechas de imágenes que faltan: la vista previa muestra las páginas de demostración hasta que «Localizar…» las encuentre.</translation>
    </message>
    <message>
        <source>These files chosen in the properties are missing:
%1</source>
        <translation>Faltan estos archivos elegidos en las propiedades:
%1</translation>
    </message>
    <message>
        <source>The style “%1” is not installed.</source>
        <translation>El estilo «%1» no está instalado.</translation>
    </message>
    <message>
        <source>The template has no properties %1 any more; their values were not used.</source>
        <translation>La plantilla ya no tiene las propiedades %1; sus valores no se han usado.</translation>
    </message>
    <message>
        <source>%1[*] — Pagewind</source>
        <translation>%1[*] — Pagewind</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>“%1” no longer exists; it was removed from Open Recent.</source>
        <translation>«%1» ya no existe; se ha quitado de «Abrir reciente».</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesPane</name>
    <message>
        <source>Choose another template or style</source>
        <translation>Elegir otra plantilla u otro estilo</translation>
    </message>
    <message>
        <source>T&amp;emplate:</source>
        <translation>&amp;Plantilla:</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Importar…</translation>
    </message>
    <message>
        <source>Load property values from a settings file</source>
        <translation>Cargar los valores de las propiedades desde un archivo de ajustes</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Importar ajustes</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save the property values to a settings file</source>
        <translation>Guardar los valores de las propiedades en un archivo de ajustes</translation>
    </message>
    <message>
        <source>Export settings</source>
        <translation>Exportar ajustes</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedad</translation>
    </message>
    <message>
        <source>Property description</source>
        <translation>Descripción de la propiedad</translation>
    </message>
    <message>
        <source>Select a property to read what it changes in the book.</source>
        <translation>Seleccione una propiedad para leer lo que cambia en el libro.</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Ajustes:</translation>
    </message>
</context>
<context>
    <name>pw::SelectTemplateWindowDelegate</name>
    <message>
        <source>Choose a template and a style</source>
        <translation>Elegir una plantilla y un estilo</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Plantillas</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>pw::WindowActions</name>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Nuevo proyecto</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>&amp;Abrir proyecto…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar c&amp;omo…</translation>
    </message>
    <message>
        <source>Add &amp;Pictures…</source>
        <translation>Añadir &amp;imágenes…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Build Book</source>
        <translation>&amp;Crear el libro</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Import PDF…</source>
        <translation>Im&amp;portar PDF…</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>P&amp;ublish…</source>
        <translation>P&amp;ublicar…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>Quitar de la lista las imágenes seleccionadas</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>Pre&amp;ferencias…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Show the changed properties in the preview</source>
        <translation>Mostrar las propiedades cambiadas en la vista previa</translation>
    </message>
    <message>
        <source>Choose &amp;Template…</source>
        <translation>Elegir &amp;plantilla…</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>I&amp;mport Settings…</source>
        <translation>I&amp;mportar ajustes…</translation>
    </message>
    <message>
        <source>&amp;Export Settings…</source>
        <translation>&amp;Exportar ajustes…</translation>
    </message>
    <message>
        <source>&amp;About Pagewind</source>
        <translation>&amp;Acerca de Pagewind</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>&amp;Plantilla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
</context>
</TS>
