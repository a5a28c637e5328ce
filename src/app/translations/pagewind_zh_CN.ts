<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PictureListCommand</name>
    <message numerus="yes">
        <source>Add %n Picture(s)</source>
        <translation>
            <numerusform>添加 %n 张图片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Picture(s)</source>
        <translation>
            <numerusform>移除 %n 张图片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Picture(s)</source>
        <translation>
            <numerusform>移动 %n 张图片</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PropertyValueCommand</name>
    <message>
        <source>Change “%1”</source>
        <translation>更改“%1”</translation>
    </message>
</context>
<context>
    <name>RecentProjects</name>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>清除列表(&amp;C)</translation>
    </message>
</context>
<context>
    <name>pw::FlashTemplateOutlineDelegate</name>
    <message>
        <source>(Untitled)</source>
        <translation>(无标题)</translation>
    </message>
    <message>
        <source>(Unknown)</source>
        <translation>(未知)</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>pw::FlashTmplValueDelegate</name>
    <message>
        <source>Choose a colour</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Allowed files (%1)</source>
        <translation>允许的文件 (%1)</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>选择文件</translation>
    </message>
</context>
<context>
    <name>pw::ImageBrowserView</name>
    <message>
        <source>Pictures</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>The pictures of the book, in page order</source>
        <translation>书中的图片，按页面顺序排列</translation>
    </message>
    <message>
        <source>Drop pictures here, or press Add Pictures.

Build Book turns them into the pages; until then the preview shows the demonstration pages.</source>
        <translation>将图片拖放到这里，或点击“添加图片”。

“生成书”会把它们变成书页；在此之前，预览显示示例页面。</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>The folder “%1” no longer exists. Locate… in this menu finds the picture in its new place.</source>
        <translation>文件夹“%1”已不存在。使用此菜单中的“定位…”可在新位置找到该图片。</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Move to &amp;Start</source>
        <translation>移到开头(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+Home</source>
        <translation>Ctrl+Home</translation>
    </message>
    <message>
        <source>Move to &amp;End</source>
        <translation>移到末尾(&amp;E)</translation>
    </message>
    <message>
        <source>Ctrl+End</source>
        <translation>Ctrl+End</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>在文件夹中显示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>定位(&amp;L)…</translation>
    </message>
</context>
<context>
    <name>pw::ImageListModel</name>
    <message>
        <source>%1
(missing)</source>
        <translation>%1
(缺失)</translation>
    </message>
    <message>
        <source>%1
This file is missing: it was moved or deleted.</source>
        <translation>%1
此文件缺失：它已被移动或删除。</translation>
    </message>
    <message>
        <source>%1, missing</source>
        <translation>%1，缺失</translation>
    </message>
    <message>
        <source>%1
(cannot be read)</source>
        <translation>%1
(无法读取)</translation>
    </message>
    <message>
        <source>%1
This file cannot be read: %2. It is left out of the book.</source>
        <translation>%1
无法读取此文件：%2。它不会放入书中。</translation>
    </message>
    <message>
        <source>%1
This picture is damaged; its page may show grey.</source>
        <translation>%1
此图片已损坏；它的页面可能显示为灰色。</translation>
    </message>
    <message>
        <source>%1, cannot be read</source>
        <translation>%1，无法读取</translation>
    </message>
</context>
<context>
    <name>pw::ImportWindowDelegate</name>
    <message>
        <source>Import a PDF</source>
        <translation>导入 PDF</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF 文件</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open the PDF in its viewer</source>
        <translation>在查看器中打开此 PDF</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>所有页面</translation>
    </message>
    <message>
        <source>Only</source>
        <translation>仅</translation>
    </message>
    <message>
        <source>for example 1-3,5,8</source>
        <translation>例如 1-3,5,8</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>页面范围</translation>
    </message>
    <message>
        <source>Best (100)</source>
        <translation>最佳 (100)</translation>
    </message>
    <message>
        <source>High (85)</source>
        <translation>高 (85)</translation>
    </message>
    <message>
        <source>Medium (65)</source>
        <translation>中 (65)</translation>
    </message>
    <message>
        <source>Low (45)</source>
        <translation>低 (45)</translation>
    </message>
    <message>
        <source>Smallest (25)</source>
        <translation>最小文件 (25)</translation>
    </message>
    <message>
        <source>Import the bookmarks as the table of contents</source>
        <translation>将书签导入为目录</translation>
    </message>
    <message>
        <source>Import the links as clickable areas</source>
        <translation>将链接导入为可点击区域</translation>
    </message>
    <message>
        <source>Keep the text, so that readers can search and copy it</source>
        <translation>保留文字，以便读者搜索和复制</translation>
    </message>
    <message>
        <source>PDF file:</source>
        <translation>PDF 文件：</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>页面：</translation>
    </message>
    <message>
        <source>Image quality:</source>
        <translation>图像质量：</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Use These Pages</source>
        <translation>使用这些页面</translation>
    </message>
    <message>
        <source>The pages are imported, but:
%1</source>
        <translation>页面已导入，但是：
%1</translation>
    </message>
    <message>
        <source>Preparing…</source>
        <translation>正在准备…</translation>
    </message>
    <message>
        <source>Importing page %1 of %2</source>
        <translation>正在导入第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>The import was cancelled; the book is unchanged.</source>
        <translation>导入已取消；书未改变。</translation>
    </message>
    <message>
        <source>Choose a PDF file</source>
        <translation>选择 PDF 文件</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>PDF 文件 (*.pdf);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>pw::Leafreel_for_macAppDelegate</name>
    <message>
        <source>Reading the pictures…</source>
        <translation>正在读取图片…</translation>
    </message>
    <message>
        <source>Making the pages of the project…</source>
        <translation>正在生成项目的页面…</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) in the list</source>
        <translation>
            <numerusform>列表中有 %n 张图片</numerusform>
        </translation>
    </message>
    <message>
        <source>Building the book: page %1 of %2</source>
        <translation>正在生成书：第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>The preview was not updated; it shows the book as it was.</source>
        <translation>预览未更新；它显示的是之前的书。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Locate…</source>
        <translation>定位(&amp;L)…</translation>
    </message>
    <message>
        <source>Making the pages of “%1”…</source>
        <translation>正在生成“%1”的页面…</translation>
    </message>
    <message>
        <source>Making the pages…</source>
        <translation>正在生成页面…</translation>
    </message>
    <message>
        <source>The pages were not made; the preview shows the demonstration pages.</source>
        <translation>未生成页面；预览显示示例页面。</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made: %1</source>
        <translation>无法生成书的页面：%1</translation>
    </message>
    <message>
        <source>The preview could not be rebuilt: %1</source>
        <translation>无法重新生成预览：%1</translation>
    </message>
    <message>
        <source>The preview is incomplete: %1</source>
        <translation>预览不完整：%1</translation>
    </message>
    <message>
        <source>Preview updated</source>
        <translation>预览已更新</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>template, style</comment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Template: %1, style: %2</source>
        <translation>模板：%1，样式：%2</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>模板：%1</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Add pictures first: Build turns the picture list into the book&apos;s pages.</source>
        <translation>请先添加图片：“生成书”会把图片列表变成书的页面。</translation>
    </message>
    <message>
        <source>Building the book…</source>
        <translation>正在生成书…</translation>
    </message>
    <message>
        <source>Build cancelled; the book is unchanged.</source>
        <translation>生成已取消；书未改变。</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>生成书</translation>
    </message>
    <message>
        <source>None of the files in the list is a picture that can be read.</source>
        <translation>列表中没有可读取的图片文件。</translation>
    </message>
    <message>
        <source>The pages could not be made: %1</source>
        <translation>无法生成页面：%1</translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s).</source>
        <translation>
            <numerusform>这本书共 %n 页。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The book has %n page(s). These files of the list are not pictures that can be read and were left out:
%1</source>
        <translation>
            <numerusform>这本书共 %n 页。列表中的以下文件不是可读取的图片，已被略过：
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import PDF</source>
        <translation>导入 PDF</translation>
    </message>
    <message>
        <source>Choose Template</source>
        <translation>选择模板</translation>
    </message>
    <message>
        <source>Export the template settings</source>
        <translation>导出模板设置</translation>
    </message>
    <message>
        <source>Settings files (*.txt);;All files (*)</source>
        <translation>设置文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export Settings</source>
        <translation>导出设置</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;.</source>
        <translation>无法将设置写入“%1”。</translation>
    </message>
    <message>
        <source>Settings saved to %1</source>
        <translation>设置已保存到 %1</translation>
    </message>
    <message>
        <source>Import template settings</source>
        <translation>导入模板设置</translation>
    </message>
    <message>
        <source>Settings files (*.txt)</source>
        <translation>设置文件 (*.txt)</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>导入设置</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read.</source>
        <translation>无法读取“%1”。</translation>
    </message>
    <message>
        <source>About Pagewind</source>
        <translation>关于 Pagewind</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;Turn photographs or a PDF into a page-flipping book.&lt;/p&gt;&lt;p&gt;Licensed under the GNU AGPL 3.0 or later.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Pagewind %1&lt;/h3&gt;&lt;p&gt;把照片或 PDF 变成可翻页的电子书。&lt;/p&gt;&lt;p&gt;依据 GNU AGPL 3.0 或更高版本授权。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Locate “%1”</source>
        <translation>定位“%1”</translation>
    </message>
    <message numerus="yes">
        <source>Locate %n Picture(s)</source>
        <translation>
            <numerusform>定位 %n 张图片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missing picture(s) found again.</source>
        <translation>
            <numerusform>已重新找到 %n 张缺失的图片。</numerusform>
        </translation>
    </message>
    <message>
        <source>The preview does not print; readers print the published book in their browser.</source>
        <translation>预览不能打印；读者可在浏览器中打印已发布的书。</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>图片 (%1)</translation>
    </message>
    <message>
        <source>These pictures are damaged; their pages may show grey:
%1</source>
        <translation>这些图片已损坏；它们的页面可能显示为灰色：
%1</translation>
    </message>
</context>
<context>
    <name>pw::OutputWindowDelegate</name>
    <message>
        <source>Publish the book</source>
        <translation>发布书</translation>
    </message>
    <message>
        <source>Book Published</source>
        <translation>书已发布</translation>
    </message>
    <message>
        <source>Open the result files?</source>
        <translation>打开生成的文件吗？</translation>
    </message>
    <message>
        <source>Publish finished! Open it?</source>
        <translation>发布完成！现在打开吗？</translation>
    </message>
    <message>
        <source>&amp;Open it</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Replace the book?</source>
        <translation>替换这本书吗？</translation>
    </message>
    <message>
        <source>“%1” already holds a book. Replace it?</source>
        <translation>“%1”中已有一本书。要替换它吗？</translation>
    </message>
    <message>
        <source>Its pages and settings are replaced by this book&apos;s; other files in the folder stay.</source>
        <translation>它的页面和设置将被这本书的替换；文件夹中的其他文件保留。</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Folder the book is written into</source>
        <translation>写入书的文件夹</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Show the folder in the file manager</source>
        <translation>在文件管理器中显示该文件夹</translation>
    </message>
    <message>
        <source>Show the output folder</source>
        <translation>显示输出文件夹</translation>
    </message>
    <message>
        <source>Title of the web page</source>
        <translation>网页标题</translation>
    </message>
    <message>
        <source>Book folder with an HTML page</source>
        <translation>带 HTML 页面的书文件夹</translation>
    </message>
    <message>
        <source>Mac application</source>
        <translation>Mac 应用程序</translation>
    </message>
    <message>
        <source>Output folder:</source>
        <translation>输出文件夹：</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Page title:</source>
        <translation>页面标题：</translation>
    </message>
    <message>
        <source>Output type:</source>
        <translation>输出类型：</translation>
    </message>
    <message>
        <source>Writing page %v of %m</source>
        <translation>正在写入第 %v 页，共 %m 页</translation>
    </message>
    <message>
        <source>Publishing progress</source>
        <translation>发布进度</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>发布</translation>
    </message>
    <message>
        <source>Choose folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist yet.</source>
        <translation>文件夹“%1”尚不存在。</translation>
    </message>
    <message>
        <source>Choose the folder the book is written into.</source>
        <translation>请选择写入书的文件夹。</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; cannot contain &quot;/&quot;; the folder goes in the field above.</source>
        <translation>文件名“%1”不能包含“/”；文件夹请填在上面的字段中。</translation>
    </message>
    <message>
        <source>There is no book to publish.</source>
        <translation>没有可发布的书。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; could not be made. Choose a folder you can write to.</source>
        <translation>无法创建输出文件夹“%1”。请选择您有写入权限的文件夹。</translation>
    </message>
    <message>
        <source>Publishing was stopped; the book in &quot;%1&quot; is as it was.</source>
        <translation>发布已停止；“%1”中的书保持原样。</translation>
    </message>
    <message>
        <source>The book is incomplete:
%1</source>
        <translation>书不完整：
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from %1. Import the PDF again.</source>
        <translation>无法从 %1 生成书的页面。请重新导入该 PDF。</translation>
    </message>
    <message>
        <source>The book&apos;s pages could not be made from the pictures. Build the book again.</source>
        <translation>无法从图片生成书的页面。请重新生成书。</translation>
    </message>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… 以及另外 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Embed Code</source>
        <translation>复制嵌入代码(&amp;C)</translation>
    </message>
    <message>
        <source>Copies the HTML that shows this book inside another web page</source>
        <translation>复制可在其他网页中显示这本书的 HTML</translation>
    </message>
    <message>
        <source>Embed Code Copied</source>
        <translation>嵌入代码已复制</translation>
    </message>
</context>
<context>
    <name>pw::PicturesPane</name>
    <message>
        <source>Your pictures, in book order. Drop files here, drag to rearrange (or Ctrl+arrow keys), Delete to remove.</source>
        <translation>您的图片，按书中顺序排列。将文件拖放到这里，拖动可重新排序（或按 Ctrl+方向键），按 Delete 键移除。</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>图片(&amp;P)</translation>
    </message>
    <message>
        <source>Add Pictures…</source>
        <translation>添加图片…</translation>
    </message>
    <message>
        <source>Build Book</source>
        <translation>生成书</translation>
    </message>
    <message>
        <source>Make the book&apos;s pages from these pictures</source>
        <translation>用这些图片生成书的页面</translation>
    </message>
</context>
<context>
    <name>pw::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Language of the interface</source>
        <translation>界面语言</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>跟随系统（%1）</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
    </message>
    <message>
        <source>A new language is used from the next start of Pagewind.</source>
        <translation>新的语言将在下次启动 Pagewind 时生效。</translation>
    </message>
</context>
<context>
    <name>pw::PreviewBuilder</name>
    <message>
        <source>Updating the preview…</source>
        <translation>正在更新预览…</translation>
    </message>
    <message>
        <source>the preview folder cannot be made</source>
        <translation>无法创建预览文件夹</translation>
    </message>
</context>
<context>
    <name>pw::ProgressSheet</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>pw::ProjectSession</name>
    <message>
        <source>Pagewind projects (*.%1)</source>
        <translation>Pagewind 项目 (*.%1)</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … 以及另外 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Open a project</source>
        <translation>打开项目</translation>
    </message>
    <message>
        <source>Save the project</source>
        <translation>保存项目</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存的更改</translation>
    </message>
    <message>
        <source>Do you want to save the changes to “%1”?</source>
        <translation>要保存对“%1”的更改吗？</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>如果不保存，您的更改将会丢失。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>不保存(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>These pictures of the list are missing; they are marked in the list:
%1</source>
        <translation>列表中的以下图片缺失；它们已在列表中标出：
%1</translation>
    </message>
    <message>
        <source>The book&apos;s pages cannot be made again, these files are missing:
%1
The preview shows the demonstration pages until you build or import the pages again.</source>
        <translation>无法重新生成书的页面，以下文件缺失：
%1
在您重新生成或导入页面之前，预览显示示例页面。</translation>
    </message>
    <message>
        <source>The book&apos;s pages are made of missing pictures: the preview shows the demonstration pages until Locate… finds them.</source>
        <translation>书的页面由缺失的图片组成：在“定位…”找到它们之前，预览显示示例页面。</translation>
    </message>
    <message>
        <source>These files chosen in the properties are missing:
%1</source>
        <translation>在属性中选择的以下文件缺失：
%1</translation>
    </message>
    <message>
        <source>The style “%1” is not installed.</source>
        <translation>样式“%1”未安装。</translation>
    </message>
    <message>
        <source>The template has no properties %1 any more; their values were not used.</source>
        <translation>模板已不再有属性 %1；它们的值未被使用。</translation>
    </message>
    <message>
        <source>%1[*] — Pagewind</source>
        <translation>%1[*] — Pagewind</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近打开</translation>
    </message>
    <message>
        <source>“%1” no longer exists; it was removed from Open Recent.</source>
        <translation>“%1”已不存在；已将其从“最近打开”中移除。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>pw::PropertiesPane</name>
    <message>
        <source>Choose another template or style</source>
        <translation>选择其他模板或样式</translation>
    </message>
    <message>
        <source>T&amp;emplate:</source>
        <translation>模板(&amp;E)：</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>导入…</translation>
    </message>
    <message>
        <source>Load property values from a settings file</source>
        <translation>从设置文件加载属性值</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>导入设置</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Save the property values to a settings file</source>
        <translation>将属性值保存到设置文件</translation>
    </message>
    <message>
        <source>Export settings</source>
        <translation>导出设置</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Property description</source>
        <translation>属性说明</translation>
    </message>
    <message>
        <source>Select a property to read what it changes in the book.</source>
        <translation>选择一个属性，查看它会改变书中的什么。</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>设置：</translation>
    </message>
</context>
<context>
    <name>pw::SelectTemplateWindowDelegate</name>
    <message>
        <source>Choose a template and a style</source>
        <translation>选择模板和样式</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
</context>
<context>
    <name>pw::WindowActions</name>
    <message>
        <source>&amp;New Project</source>
        <translation>新建项目(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>打开项目(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
    <message>
        <source>Add &amp;Pictures…</source>
        <translation>添加图片(&amp;P)…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Build Book</source>
        <translation>生成书(&amp;B)</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>&amp;Import PDF…</source>
        <translation>导入 PDF(&amp;I)…</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>P&amp;ublish…</source>
        <translation>发布(&amp;U)…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Remove the selected pictures from the list</source>
        <translation>从列表中移除所选图片</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>Pre&amp;ferences…</source>
        <translation>首选项(&amp;F)…</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Show the changed properties in the preview</source>
        <translation>在预览中显示已更改的属性</translation>
    </message>
    <message>
        <source>Choose &amp;Template…</source>
        <translation>选择模板(&amp;T)…</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>I&amp;mport Settings…</source>
        <translation>导入设置(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Export Settings…</source>
        <translation>导出设置(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;About Pagewind</source>
        <translation>关于 Pagewind(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>模板(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>书</translation>
    </message>
</context>
</TS>
