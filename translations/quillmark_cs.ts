<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AtomicWrite</name>
    <message>
        <source>Unknown error</source>
        <translation>Neznámá chyba</translation>
    </message>
</context>
<context>
    <name>ChecksModel</name>
    <message>
        <source>No problems found.</source>
        <translation>Nebyly nalezeny žádné problémy.</translation>
    </message>
</context>
<context>
    <name>ClearAll</name>
    <message>
        <source>Are you sure you want to clear ALL fields?</source>
        <translation>Opravdu chcete vymazat VŠECHNA pole?</translation>
    </message>
    <message>
        <source>Clear All?</source>
        <translation>Vymazat vše?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Writes the overview and briefing pages of a Varnholt mission.</source>
        <translation>Vytváří stránky s přehledem a briefingem mise hry Varnholt.</translation>
    </message>
    <message>
        <source>A mission folder, or its overview.html or briefing.html, to open.</source>
        <translation>Složka mise nebo její overview.html či briefing.html, které se mají otevřít.</translation>
    </message>
    <message>
        <source>Check the missions named instead of opening a window: each a mission folder, one of its pages, or a folder whose folders hold missions. One line per problem, &quot;PATH: error|warning|note: FIELD: TEXT&quot;, and a summary; the exit status is 1 when a mission has errors.</source>
        <translation>Zkontroluje uvedené mise, aniž by otevřel okno: každá je složka mise, jedna z jejích stránek, nebo složka, jejíž složky obsahují mise. Jeden řádek na každý problém, &quot;PATH: error|warning|note: FIELD: TEXT&quot;, a souhrn; návratový kód je 1, když má některá mise chyby.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>neznámá volba &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--check needs a mission folder, a page or a folder of missions</source>
        <translation>--check potřebuje složku mise, stránku nebo složku misí</translation>
    </message>
    <message>
        <source>one mission at a time: unexpected argument &apos;%1&apos;</source>
        <translation>jen jedna mise najednou: nečekaný argument &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CreateFiles</name>
    <message>
        <source>Could not write %1:
%2</source>
        <translation>Soubor %1 nelze zapsat:
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Please Enter Mission Name.</source>
        <translation>Zadejte prosím název mise.</translation>
    </message>
    <message>
        <source>Width must be even number</source>
        <translation>Šířka musí být sudé číslo</translation>
    </message>
    <message>
        <source>Height must be even number</source>
        <translation>Výška musí být sudé číslo</translation>
    </message>
    <message>
        <source>You haven&apos;t entered any mission objectives</source>
        <translation>Nezadali jste žádné úkoly mise</translation>
    </message>
    <message>
        <source>Are you sure you want to continue?</source>
        <translation>Opravdu chcete pokračovat?</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>Pokračovat?</translation>
    </message>
    <message>
        <source>Files Created!</source>
        <translation>Soubory vytvořeny!</translation>
    </message>
    <message>
        <source>File Generator</source>
        <translation>Generátor souborů</translation>
    </message>
</context>
<context>
    <name>FolderSettings</name>
    <message>
        <source>The settings file %1 could not be read: %2.

Make sure Varnholt.ini is in the same directory as the program.</source>
        <translation>Soubor nastavení %1 nelze přečíst: %2.

Zkontrolujte, že je Varnholt.ini ve stejné složce jako program.</translation>
    </message>
    <message>
        <source>The save folder could not be remembered: the settings file %1 could not be written (%2).</source>
        <translation>Složku pro uložení nelze zapamatovat: soubor nastavení %1 nelze zapsat (%2).</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <translation>Jednotka %1 není připravena.</translation>
    </message>
    <message>
        <source>The save folder %1 is not remembered for the next start: the settings file cannot hold a folder whose path holds a double quote or a line break.</source>
        <translation>Složka pro uložení %1 se do příštího spuštění nezapamatuje: soubor nastavení neumí uložit složku, jejíž cesta obsahuje uvozovky nebo zalomení řádku.</translation>
    </message>
</context>
<context>
    <name>MarkupCommands</name>
    <message>
        <source>Insert Marker</source>
        <translation>Vložit značku</translation>
    </message>
    <message>
        <source>What is the name of the marker?</source>
        <translation>Jak se má značka jmenovat?</translation>
    </message>
    <message>
        <source>Enter the text to click</source>
        <translation>Zadejte text, na který se bude klikat</translation>
    </message>
</context>
<context>
    <name>MissionCheck</name>
    <message>
        <source>No mission pages here nor in the folders here.</source>
        <translation>Zde ani ve zdejších složkách nejsou stránky mise.</translation>
    </message>
    <message>
        <source>Neither a mission folder nor overview.html or briefing.html.</source>
        <translation>Není to složka mise ani overview.html či briefing.html.</translation>
    </message>
    <message>
        <source>No such file or folder.</source>
        <translation>Soubor ani složka neexistuje.</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>očekáváno %1</translation>
    </message>
    <message>
        <source>The page is missing.</source>
        <translation>Stránka chybí.</translation>
    </message>
    <message>
        <source>1 mission checked</source>
        <translation>Zkontrolované mise: 1</translation>
    </message>
    <message>
        <source>%1 missions checked</source>
        <translation>Zkontrolované mise: %1</translation>
    </message>
    <message>
        <source>%1: %2 with errors, %3 with warnings.</source>
        <translation>%1; s chybami: %2, s varováními: %3.</translation>
    </message>
    <message>
        <source>expected %1, found %2</source>
        <translation>očekáváno %1, nalezeno %2</translation>
    </message>
</context>
<context>
    <name>MissionFolder</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 není běžný soubor.</translation>
    </message>
    <message>
        <source>%1 is larger than %2.</source>
        <translation>%1 je větší než %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 nelze přečíst: %2</translation>
    </message>
</context>
<context>
    <name>MissionOpener</name>
    <message>
        <source>Open Mission</source>
        <translation>Otevřít misi</translation>
    </message>
    <message>
        <source>Mission pages (overview.html briefing.html)</source>
        <translation>Stránky mise (overview.html briefing.html)</translation>
    </message>
</context>
<context>
    <name>ObjectivesEditor</name>
    <message>
        <source>Must enter objective</source>
        <translation>Je třeba zadat úkol</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Objective Added!</source>
        <translation>Úkol přidán!</translation>
    </message>
    <message>
        <source>Please Select An Item To Edit</source>
        <translation>Vyberte prosím položku k úpravě</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all objectives?</source>
        <translation>Opravdu chcete vymazat všechny úkoly?</translation>
    </message>
    <message>
        <source>Clear Objectives?</source>
        <translation>Vymazat úkoly?</translation>
    </message>
</context>
<context>
    <name>OpenMission</name>
    <message>
        <source>overview.html: the picture width &quot;%1&quot; is not a number</source>
        <translation>overview.html: šířka obrázku „%1“ není číslo</translation>
    </message>
    <message>
        <source>overview.html: the picture height &quot;%1&quot; is not a number</source>
        <translation>overview.html: výška obrázku „%1“ není číslo</translation>
    </message>
    <message>
        <source>Open Mission</source>
        <translation>Otevřít misi</translation>
    </message>
    <message>
        <source>No mission pages in %1.</source>
        <translation>Ve složce %1 nejsou žádné stránky mise.</translation>
    </message>
    <message>
        <source>The mission in %1 cannot be opened:

%2</source>
        <translation>Misi ve složce %1 nelze otevřít:

%2</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Složka %1 neexistuje.</translation>
    </message>
    <message>
        <source>%1 is not a mission page. Open overview.html, briefing.html or the folder that holds them.</source>
        <translation>%1 není stránka mise. Otevřete overview.html, briefing.html nebo složku, ve které jsou.</translation>
    </message>
    <message>
        <source>overview.html was not found in %1: the overview&apos;s fields have their starting values.</source>
        <translation>Ve složce %1 nebyl nalezen soubor overview.html: pole přehledu mají své výchozí hodnoty.</translation>
    </message>
    <message>
        <source>briefing.html was not found in %1: the briefing&apos;s fields have their starting values.</source>
        <translation>Ve složce %1 nebyl nalezen soubor briefing.html: pole briefingu mají své výchozí hodnoty.</translation>
    </message>
</context>
<context>
    <name>PageChecks</name>
    <message>
        <source>Mission Name</source>
        <translation>Název mise</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation>Šířka obrázku</translation>
    </message>
    <message>
        <source>Picture Height</source>
        <translation>Výška obrázku</translation>
    </message>
    <message>
        <source>Mission Notes</source>
        <translation>Poznámky k misi</translation>
    </message>
    <message>
        <source>Mission Briefing</source>
        <translation>Briefing mise</translation>
    </message>
    <message>
        <source>Objective %1</source>
        <translation>Úkol %1</translation>
    </message>
    <message>
        <source>End %1 Header</source>
        <translation>Nadpis konce %1</translation>
    </message>
    <message>
        <source>End %1 Description</source>
        <translation>Popis konce %1</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is opened but never closed: add &lt;/%1&gt; where it should end.</source>
        <translation>&lt;%1&gt; je otevřená, ale nikde se neuzavírá: přidejte &lt;/%1&gt; tam, kde má končit.</translation>
    </message>
    <message>
        <source>&lt;/%1&gt; closes a tag that was never opened: remove it, or add &lt;%1&gt; where it should start.</source>
        <translation>&lt;/%1&gt; uzavírá značku, která nebyla otevřena: odstraňte ji, nebo přidejte &lt;%1&gt; tam, kde má začínat.</translation>
    </message>
    <message>
        <source>A marker link has no name (&lt;a href=&quot;marker:&quot;&gt;): give it a name or remove it.</source>
        <translation>Odkaz na značku nemá název (&lt;a href=&quot;marker:&quot;&gt;): pojmenujte ho, nebo ho odstraňte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; starts a tag that is never finished: end it with &gt; or remove the &lt;.</source>
        <translation>„%1“ začíná značku, která není nikde dokončena: ukončete ji znakem &gt;, nebo odstraňte &lt;.</translation>
    </message>
    <message>
        <source>Characters the page cannot hold: %1. They are written as codes such as &amp;#%2;, which the game may show as written.</source>
        <translation>Znaky, které stránka nemůže obsahovat: %1. Zapíší se jako kódy, například &amp;#%2;, a hra je může zobrazit tak, jak jsou zapsány.</translation>
    </message>
    <message>
        <source>No picture chosen: the overview will show a broken picture. Choose one under Picture Source.</source>
        <translation>Není vybrán žádný obrázek: přehled zobrazí nefunkční obrázek. Vyberte ho na kartě Zdroj obrázku.</translation>
    </message>
    <message>
        <source>The picture lies outside the save folder: the game finds it only on this computer. Copy it into the save folder and choose it there.</source>
        <translation>Obrázek leží mimo složku pro uložení: hra ho najde jen na tomto počítači. Zkopírujte ho do složky pro uložení a vyberte ho tam.</translation>
    </message>
    <message>
        <source>This objective is empty: edit it or remove it.</source>
        <translation>Tento úkol je prázdný: upravte ho, nebo ho odstraňte.</translation>
    </message>
    <message>
        <source>Repeats objective %1: the page lists it twice.</source>
        <translation>Opakuje úkol %1: stránka ho uvede dvakrát.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No objectives: Create Files will ask whether to go on without them.</source>
        <translation>Žádné úkoly: Vytvořit soubory se zeptá, zda pokračovat bez nich.</translation>
    </message>
</context>
<context>
    <name>PageReader</name>
    <message>
        <source>an empty line</source>
        <translation>prázdný řádek</translation>
    </message>
    <message>
        <source>%1 (the page ends before it)</source>
        <translation>%1 (stránka končí dřív)</translation>
    </message>
    <message>
        <source>a line starting %1 and ending %2</source>
        <translation>řádek začínající %1 a končící %2</translation>
    </message>
    <message>
        <source>a line %1SOURCE%2WIDTH%3HEIGHT%4</source>
        <translation>řádek %1ZDROJ%2ŠÍŘKA%3VÝŠKA%4</translation>
    </message>
    <message>
        <source>a line starting %1</source>
        <translation>řádek začínající %1</translation>
    </message>
    <message>
        <source>%1, line %2: expected %3</source>
        <translation>%1, řádek %2: očekáván %3</translation>
    </message>
    <message>
        <source>%1, line %2: expected %3, found %4</source>
        <translation>%1, řádek %2: očekáván %3, nalezen %4</translation>
    </message>
</context>
<context>
    <name>PictureBrowser</name>
    <message>
        <source>The picture &quot;%1&quot; cannot be loaded.
%2</source>
        <translation>Obrázek „%1“ nelze načíst.
%2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
</context>
<context>
    <name>PictureMeasure</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Soubor neexistuje.</translation>
    </message>
    <message>
        <source>It is a folder, not a picture file.</source>
        <translation>Je to složka, ne soubor s obrázkem.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Soubor je prázdný.</translation>
    </message>
    <message>
        <source>The file is not a readable BMP, GIF or JPEG picture.</source>
        <translation>Soubor není čitelný obrázek BMP, GIF ani JPEG.</translation>
    </message>
    <message>
        <source>The picture is too large to show at full size (%1 x %2 pixels).</source>
        <translation>Obrázek je příliš velký na zobrazení v plné velikosti (%1 × %2 pixelů).</translation>
    </message>
</context>
<context>
    <name>PictureSizeBoxes</name>
    <message>
        <source>Must Be Numbers</source>
        <translation>Musí být čísla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>a folder is in its place</source>
        <translation>na jeho místě je složka</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 je soubor, ne složka</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>složka %1 neexistuje</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>soubor nelze zapsat</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>soubor nebyl nalezen</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>je to složka, ne soubor</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>není to běžný soubor</translation>
    </message>
    <message>
        <source>the settings file cannot hold a folder whose path holds a double quote or a line break</source>
        <translation>soubor nastavení neumí uložit složku, jejíž cesta obsahuje uvozovky nebo zalomení řádku</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quillmark</source>
        <translation>O programu Quillmark</translation>
    </message>
    <message>
        <source>Program Icon</source>
        <translation>Ikona programu</translation>
    </message>
    <message>
        <source>Varnholt Quillmark</source>
        <translation>Varnholt Quillmark</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Create briefing and overview HTML files needed for custom Varnholt missions.</source>
        <translation>Vytváří soubory HTML s briefingem a přehledem, které potřebují vlastní mise hry Varnholt.</translation>
    </message>
    <message>
        <source>If you have any question or comments, please send me an E-mail at:  </source>
        <translation>Máte-li dotazy nebo připomínky, napište mi prosím e-mail na adresu:  </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Informace o systému...</translation>
    </message>
    <message>
        <source>Version %1       By:  %2</source>
        <translation>Verze %1       Autoři:  %2</translation>
    </message>
    <message>
        <source>the Quillmark developers</source>
        <translation>vývojáři programu Quillmark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informace o systému nejsou momentálně k dispozici</translation>
    </message>
</context>
<context>
    <name>frmEditObj</name>
    <message>
        <source>Edit Objective</source>
        <translation>Upravit úkol</translation>
    </message>
    <message>
        <source>Objective</source>
        <translation>Úkol</translation>
    </message>
    <message>
        <source>Add Objective</source>
        <translation>Přidat úkol</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Objective Text</source>
        <translation>Text úkolu</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Varnholt</source>
        <translation>Varnholt</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>Briefing</source>
        <translation>Briefing</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>Clear ALL fields</source>
        <translation>Vymazat VŠECHNA pole</translation>
    </message>
    <message>
        <source>Create Files</source>
        <translation>Vytvořit soubory</translation>
    </message>
    <message>
        <source>Create files</source>
        <translation>Vytvořit soubory</translation>
    </message>
    <message>
        <source>Picture Source</source>
        <translation>Zdroj obrázku</translation>
    </message>
    <message>
        <source>Mission Name</source>
        <translation>Název mise</translation>
    </message>
    <message>
        <source>Enter the mission name</source>
        <translation>Zadejte název mise</translation>
    </message>
    <message>
        <source>Overview Text</source>
        <translation>Text přehledu</translation>
    </message>
    <message>
        <source>Give brief description of mission</source>
        <translation>Stručně popište misi</translation>
    </message>
    <message>
        <source>Save to...</source>
        <translation>Uložit do...</translation>
    </message>
    <message>
        <source>Save Folder</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>Save Folder List</source>
        <translation>Seznam složek pro uložení</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Picture Properites</source>
        <translation>Vlastnosti obrázku</translation>
    </message>
    <message>
        <source>Picture Folder List</source>
        <translation>Seznam složek s obrázky</translation>
    </message>
    <message>
        <source>Picture Files</source>
        <translation>Soubory obrázků</translation>
    </message>
    <message>
        <source>Picture Preview</source>
        <translation>Náhled obrázku</translation>
    </message>
    <message>
        <source>Picture Properties</source>
        <translation>Vlastnosti obrázku</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Šířka:</translation>
    </message>
    <message>
        <source>Picture Width</source>
        <translation>Šířka obrázku</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Výška:</translation>
    </message>
    <message>
        <source>Picture Height</source>
        <translation>Výška obrázku</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Varování!</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Velikost:</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Mission Notes</source>
        <translation>Poznámky k misi</translation>
    </message>
    <message>
        <source>Mission Notes Text</source>
        <translation>Text poznámek k misi</translation>
    </message>
    <message>
        <source>Handwritten mission notes</source>
        <translation>Ručně psané poznámky k misi</translation>
    </message>
    <message>
        <source>Add Linebreak</source>
        <translation>Zalomit řádek</translation>
    </message>
    <message>
        <source>Insert Marker</source>
        <translation>Vložit značku</translation>
    </message>
    <message>
        <source>Mission Briefing</source>
        <translation>Briefing mise</translation>
    </message>
    <message>
        <source>Mission Briefing Text</source>
        <translation>Text briefingu mise</translation>
    </message>
    <message>
        <source>Briefing on the mission</source>
        <translation>Briefing k misi</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Úkoly</translation>
    </message>
    <message>
        <source>New Objective</source>
        <translation>Nový úkol</translation>
    </message>
    <message>
        <source>Objective to add to the mission</source>
        <translation>Úkol, který se přidá do mise</translation>
    </message>
    <message>
        <source>Add Objective</source>
        <translation>Přidat úkol</translation>
    </message>
    <message>
        <source>Add the current objective</source>
        <translation>Přidat zadaný úkol</translation>
    </message>
    <message>
        <source>Edit Objective</source>
        <translation>Upravit úkol</translation>
    </message>
    <message>
        <source>Clear Objectives</source>
        <translation>Vymazat úkoly</translation>
    </message>
    <message>
        <source>Objectives List</source>
        <translation>Seznam úkolů</translation>
    </message>
    <message>
        <source>List of current missions.  Double click to remove</source>
        <translation>Seznam aktuálních úkolů.  Dvojklikem úkol odstraníte</translation>
    </message>
    <message>
        <source>Total Objectives:</source>
        <translation>Celkem úkolů:</translation>
    </message>
    <message>
        <source>End %1</source>
        <translation>Kon. %1</translation>
    </message>
    <message>
        <source>Header:</source>
        <translation>Nadpis:</translation>
    </message>
    <message>
        <source>End %1 Header</source>
        <translation>Nadpis konce %1</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Popis:</translation>
    </message>
    <message>
        <source>End %1 Description</source>
        <translation>Popis konce %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Open Mission...</source>
        <translation>&amp;Otevřít misi...</translation>
    </message>
    <message>
        <source>&amp;Create Files</source>
        <translation>&amp;Vytvořit soubory</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Preview Pages</source>
        <translation>&amp;Náhled stránek</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;About Quillmark</source>
        <translation>&amp;O programu Quillmark</translation>
    </message>
    <message>
        <source>Reco&amp;ver Texts...</source>
        <translation>Obnovit &amp;texty...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Otevřít &amp;nedávné</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vymazat seznam</translation>
    </message>
</context>
<context>
    <name>frmPagePreview</name>
    <message>
        <source>Page Preview</source>
        <translation>Náhled stránek</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Kontroly</translation>
    </message>
    <message>
        <source>Map marker: %1</source>
        <translation>Značka na mapě: %1</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Přehled</translation>
    </message>
    <message>
        <source>&amp;Briefing</source>
        <translation>&amp;Briefing</translation>
    </message>
    <message>
        <source>Overview Page</source>
        <translation>Stránka přehledu</translation>
    </message>
    <message>
        <source>Briefing Page</source>
        <translation>Stránka briefingu</translation>
    </message>
    <message>
        <source>C&amp;hecks</source>
        <translation>&amp;Kontroly</translation>
    </message>
    <message>
        <source>Bringing the page up to date...</source>
        <translation>Stránka se aktualizuje...</translation>
    </message>
    <message>
        <source>This page is too complex to preview</source>
        <translation>Tato stránka je příliš složitá pro náhled</translation>
    </message>
    <message>
        <source>This page is too large to preview whole: only its beginning is shown.</source>
        <translation>Tato stránka je příliš velká pro celý náhled: zobrazuje se jen její začátek.</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Picture Preview</source>
        <translation>Náhled obrázku</translation>
    </message>
    <message>
        <source>Full Size Picture</source>
        <translation>Obrázek v plné velikosti</translation>
    </message>
</context>
<context>
    <name>frmRecover</name>
    <message>
        <source>Recover Texts</source>
        <translation>Obnovit texty</translation>
    </message>
    <message>
        <source>&amp;Drafts</source>
        <translation>&amp;Koncepty</translation>
    </message>
    <message>
        <source>Drafts</source>
        <translation>Koncepty</translation>
    </message>
    <message>
        <source>Texts could not be kept as a draft: %1</source>
        <translation>Texty nebylo možné uložit jako koncept: %1</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>(no mission name)</source>
        <translation>(bez názvu mise)</translation>
    </message>
</context>
<context>
    <name>frmWarning</name>
    <message>
        <source>Warning!</source>
        <translation>Varování!</translation>
    </message>
    <message>
        <source>! Warning !</source>
        <translation>! Varování !</translation>
    </message>
    <message>
        <source>The dimensions for the picture are too big.  If you leave them at the current settings, they may not appear correctly.</source>
        <translation>Rozměry obrázku jsou příliš velké.  Pokud je ponecháte takto, obrázek se nemusí zobrazit správně.</translation>
    </message>
    <message>
        <source>Maximium Dimensions:   256 x 128</source>
        <translation>Největší rozměry:   256 × 128</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Note:  Dimentions MUST be even integers</source>
        <translation>Poznámka:  Rozměry MUSÍ být sudá celá čísla</translation>
    </message>
</context>
</TS>
