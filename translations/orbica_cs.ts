<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orbica</source>
        <translation>O programu Orbica</translation>
    </message>
    <message>
        <source>Orbica 2.1</source>
        <translation>Orbica 2.1</translation>
    </message>
    <message>
        <source>Current model information</source>
        <translation>Informace o aktuálním modelu</translation>
    </message>
    <message>
        <source>Components :</source>
        <translation>Komponenty :</translation>
    </message>
    <message>
        <source>Respondents :</source>
        <translation>Respondenti :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Actions</name>
    <message>
        <source>&amp;Histogram</source>
        <translation>&amp;Histogram</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graf</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>&amp;Analýza</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Okno</translation>
    </message>
    <message>
        <source>H&amp;elp</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;New window</source>
        <translation>&amp;Nové okno</translation>
    </message>
    <message>
        <source>Opens new histogram window</source>
        <translation>Otevře nové okno histogramu</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>Nové okno</translation>
    </message>
    <message>
        <source>&amp;Close window</source>
        <translation>&amp;Zavřít okno</translation>
    </message>
    <message>
        <source>Closes the active window</source>
        <translation>Zavře aktivní okno</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>&amp;Open census…</source>
        <translation>&amp;Otevřít sčítání…</translation>
    </message>
    <message>
        <source>Opens the census of another folder</source>
        <translation>Otevře sčítání z jiné složky</translation>
    </message>
    <message>
        <source>&amp;Recent censuses</source>
        <translation>Ne&amp;dávná sčítání</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportovat…</translation>
    </message>
    <message>
        <source>Saves the histogram as a picture (PNG, SVG, PDF) or its numbers (CSV)</source>
        <translation>Uloží histogram jako obrázek (PNG, SVG, PDF) nebo jeho čísla (CSV)</translation>
    </message>
    <message>
        <source>Cop&amp;y graph</source>
        <translation>Kopírovat &amp;graf</translation>
    </message>
    <message>
        <source>Copies the histogram to the clipboard as a picture</source>
        <translation>Zkopíruje histogram do schránky jako obrázek</translation>
    </message>
    <message>
        <source>&amp;Print ...</source>
        <translation>&amp;Tisk ...</translation>
    </message>
    <message>
        <source>Prints the histogram</source>
        <translation>Vytiskne histogram</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Náhled</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Vzhled stránky</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exits the application</source>
        <translation>Ukončí aplikaci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Další otázka</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Předchozí otázka</translation>
    </message>
    <message>
        <source>Sub&amp;populations</source>
        <translation>Sub&amp;populace</translation>
    </message>
    <message>
        <source>Displays the list of displayed subpopulations</source>
        <translation>Zobrazí seznam zobrazených subpopulací</translation>
    </message>
    <message>
        <source>Displayed subpopulations</source>
        <translation>Zobrazené subpopulace</translation>
    </message>
    <message>
        <source>&amp;Answer list</source>
        <translation>Seznam o&amp;dpovědí</translation>
    </message>
    <message>
        <source>Displays/hides the answer list</source>
        <translation>Zobrazí nebo skryje seznam odpovědí</translation>
    </message>
    <message>
        <source>Display/show the answer list</source>
        <translation>Zobrazit/skrýt seznam odpovědí</translation>
    </message>
    <message>
        <source>&amp;Question list</source>
        <translation>Seznam &amp;otázek</translation>
    </message>
    <message>
        <source>Shows the question list</source>
        <translation>Zobrazí seznam otázek</translation>
    </message>
    <message>
        <source>Subpopulation list</source>
        <translation>Seznam subpopulací</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Panel &amp;nástrojů</translation>
    </message>
    <message>
        <source>Shows or hides the toolbar</source>
        <translation>Zobrazí nebo skryje panel nástrojů</translation>
    </message>
    <message>
        <source>Show/hide the toolbar</source>
        <translation>Zobrazit/skrýt panel nástrojů</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Stavový řádek</translation>
    </message>
    <message>
        <source>Shows or hides the status bar</source>
        <translation>Zobrazí nebo skryje stavový řádek</translation>
    </message>
    <message>
        <source>Show/hide the status bar</source>
        <translation>Zobrazit/skrýt stavový řádek</translation>
    </message>
    <message>
        <source>2D bar</source>
        <translation>2D sloupcový</translation>
    </message>
    <message>
        <source>2D bar graph</source>
        <translation>2D sloupcový graf</translation>
    </message>
    <message>
        <source>3D bar</source>
        <translation>3D sloupcový</translation>
    </message>
    <message>
        <source>3D bar graph</source>
        <translation>3D sloupcový graf</translation>
    </message>
    <message>
        <source>cylinder</source>
        <translation>válcový</translation>
    </message>
    <message>
        <source>Cylinder graph</source>
        <translation>Válcový graf</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>koláčový</translation>
    </message>
    <message>
        <source>Pie graph</source>
        <translation>Koláčový graf</translation>
    </message>
    <message>
        <source>beside</source>
        <translation>vedle sebe</translation>
    </message>
    <message>
        <source>behind</source>
        <translation>za sebou</translation>
    </message>
    <message>
        <source>Arrange subpopulations behind or beside each other</source>
        <translation>Uspořádat subpopulace za sebou nebo vedle sebe</translation>
    </message>
    <message>
        <source>Switches the arrangement when displaying more then one subpopulation</source>
        <translation>Přepne uspořádání, když je zobrazeno více subpopulací</translation>
    </message>
    <message>
        <source>Display errors?</source>
        <translation>Zobrazit chyby?</translation>
    </message>
    <message>
        <source>Determine whether the calculated errors are indicated.</source>
        <translation>Určuje, zda se vyznačují vypočtené chyby.</translation>
    </message>
    <message>
        <source>Show absolute or relative values</source>
        <translation>Zobrazit absolutní nebo relativní hodnoty</translation>
    </message>
    <message>
        <source>Determine whether relative or absolute values are shown</source>
        <translation>Určuje, zda se zobrazují relativní, nebo absolutní hodnoty</translation>
    </message>
    <message>
        <source>2D table</source>
        <translation>2D tabulka</translation>
    </message>
    <message>
        <source>Shows the 2D table</source>
        <translation>Zobrazí 2D tabulku</translation>
    </message>
    <message>
        <source>Run..</source>
        <translation>Spustit..</translation>
    </message>
    <message>
        <source>Show last results</source>
        <translation>Zobrazit poslední výsledky</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Kaskáda</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Dlaždice</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Rejstřík</translation>
    </message>
    <message>
        <source>Displays the help index</source>
        <translation>Zobrazí rejstřík nápovědy</translation>
    </message>
    <message>
        <source>Help index</source>
        <translation>Rejstřík nápovědy</translation>
    </message>
    <message>
        <source>&amp;Getting started..</source>
        <translation>&amp;Začínáme..</translation>
    </message>
    <message>
        <source>&amp;Paper (PDF)</source>
        <translation>Č&amp;lánek (PDF)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>Display the asbout inforamtion</source>
        <translation>Zobrazí informace o programu</translation>
    </message>
    <message>
        <source>About..</source>
        <translation>O programu..</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Displays help</source>
        <translation>Zobrazí nápovědu</translation>
    </message>
    <message>
        <source>Displays context help</source>
        <translation>Zobrazí kontextovou nápovědu</translation>
    </message>
</context>
<context>
    <name>AnalysisDialog</name>
    <message>
        <source>Analysis</source>
        <translation>Analýza</translation>
    </message>
    <message>
        <source>Critrion order</source>
        <translation>Pořadí podle kritéria</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>1. question</source>
        <translation>1. otázka</translation>
    </message>
    <message>
        <source>2. question</source>
        <translation>2. otázka</translation>
    </message>
    <message>
        <source>Max. length of condition </source>
        <translation>Max. délka podmínky </translation>
    </message>
    <message>
        <source>Difference treshold</source>
        <translation>Práh rozdílu</translation>
    </message>
    <message>
        <source>Difference significance</source>
        <translation>Význam rozdílu</translation>
    </message>
</context>
<context>
    <name>AnalysisResults</name>
    <message>
        <source>Analysis results</source>
        <translation>Výsledky analýzy</translation>
    </message>
    <message>
        <source>Used criterion</source>
        <translation>Použité kritérium</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Popis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AnswerList</name>
    <message>
        <source>Full answers</source>
        <translation>Úplné odpovědi</translation>
    </message>
</context>
<context>
    <name>CensusSession</name>
    <message>
        <source>Open census</source>
        <translation>Otevřít sčítání</translation>
    </message>
    <message>
        <source>The sample census is not installed.</source>
        <translation>Ukázkové sčítání není nainstalováno.</translation>
    </message>
    <message>
        <source>The sample census cannot be copied to %1.</source>
        <translation>Ukázkové sčítání nelze zkopírovat do %1.</translation>
    </message>
</context>
<context>
    <name>CrossTableWindow</name>
    <message>
        <source>Result table</source>
        <translation>Tabulka výsledků</translation>
    </message>
    <message>
        <source>Top question</source>
        <translation>Horní otázka</translation>
    </message>
    <message>
        <source>Left question</source>
        <translation>Levá otázka</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Do souboru %1 nelze zapisovat.</translation>
    </message>
    <message>
        <source>The file name must end in .png, .svg, .pdf or .csv.</source>
        <translation>Název souboru musí končit příponou .png, .svg, .pdf nebo .csv.</translation>
    </message>
    <message>
        <source>question-%1.png</source>
        <translation>otazka-%1.png</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf);;CSV numbers (*.csv)</source>
        <translation>Obrázek PNG (*.png);;Kresba SVG (*.svg);;Dokument PDF (*.pdf);;Čísla CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Soubor:</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Procházet…</translation>
    </message>
    <message>
        <source>&amp;Size (pixels):</source>
        <translation>&amp;Velikost (pixely):</translation>
    </message>
    <message>
        <source>x</source>
        <translation>×</translation>
    </message>
    <message>
        <source>The file&apos;s type follows its extension: .png, .svg, .pdf (the graph) or .csv (its numbers).</source>
        <translation>Typ souboru určuje jeho přípona: .png, .svg, .pdf (graf) nebo .csv (jeho čísla).</translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>Getting started..</source>
        <translation>Začínáme..</translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation>Příště nezobrazovat.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>Subpopulation description</source>
        <translation>Popis subpopulace</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>NavigationPanel</name>
    <message>
        <source>&lt;=</source>
        <translation>&lt;=</translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation>Předchozí otázka</translation>
    </message>
    <message>
        <source>Question list</source>
        <translation>Seznam otázek</translation>
    </message>
    <message>
        <source>=&gt;</source>
        <translation>=&gt;</translation>
    </message>
    <message>
        <source>Next question</source>
        <translation>Další otázka</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Running ..</source>
        <translation>Probíhá ..</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
</context>
<context>
    <name>QuestionListDialog</name>
    <message>
        <source>Question list</source>
        <translation>Seznam otázek</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>Řadit podle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>StartDialog</name>
    <message>
        <source>Orbica</source>
        <translation>Orbica</translation>
    </message>
    <message>
        <source>This folder holds no census. Choose one to open:</source>
        <translation>V této složce není žádné sčítání. Zvolte, které otevřít:</translation>
    </message>
    <message>
        <source>Open census folder…</source>
        <translation>Otevřít složku sčítání…</translation>
    </message>
    <message>
        <source>Recent census folders:</source>
        <translation>Nedávné složky sčítání:</translation>
    </message>
    <message>
        <source>Open the sample census</source>
        <translation>Otevřít ukázkové sčítání</translation>
    </message>
    <message>
        <source>Recent census folders</source>
        <translation>Nedávné složky sčítání</translation>
    </message>
</context>
<context>
    <name>SubpopulationEditor</name>
    <message>
        <source>Subpopulation properties</source>
        <translation>Vlastnosti subpopulace</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Otázky:</translation>
    </message>
    <message>
        <source>Answers:</source>
        <translation>Odpovědi:</translation>
    </message>
    <message>
        <source>Subpopulation size:</source>
        <translation>Velikost subpopulace:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Poznámky</translation>
    </message>
</context>
<context>
    <name>SubpopulationListDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Saved subpopulations</source>
        <translation>Uložené subpopulace</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SubpopulationPanel</name>
    <message>
        <source>Colour of subpopulation 1</source>
        <translation>Barva subpopulace 1</translation>
    </message>
    <message>
        <source>Show subpopulation 1</source>
        <translation>Zobrazit subpopulaci 1</translation>
    </message>
    <message>
        <source>Subpopulation 1</source>
        <translation>Subpopulace 1</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Edit subpopulation 1</source>
        <translation>Upravit subpopulaci 1</translation>
    </message>
    <message>
        <source>Colour of subpopulation 2</source>
        <translation>Barva subpopulace 2</translation>
    </message>
    <message>
        <source>Show subpopulation 2</source>
        <translation>Zobrazit subpopulaci 2</translation>
    </message>
    <message>
        <source>Subpopulation 2</source>
        <translation>Subpopulace 2</translation>
    </message>
    <message>
        <source>Edit subpopulation 2</source>
        <translation>Upravit subpopulaci 2</translation>
    </message>
    <message>
        <source>Colour of subpopulation 3</source>
        <translation>Barva subpopulace 3</translation>
    </message>
    <message>
        <source>Show subpopulation 3</source>
        <translation>Zobrazit subpopulaci 3</translation>
    </message>
    <message>
        <source>Subpopulation 3</source>
        <translation>Subpopulace 3</translation>
    </message>
    <message>
        <source>Edit subpopulation 3</source>
        <translation>Upravit subpopulaci 3</translation>
    </message>
    <message>
        <source>Colour of the analysis result</source>
        <translation>Barva výsledku analýzy</translation>
    </message>
    <message>
        <source>Show the analysis result</source>
        <translation>Zobrazit výsledek analýzy</translation>
    </message>
    <message>
        <source>Analysis results</source>
        <translation>Výsledky analýzy</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Edit the analysis result</source>
        <translation>Upravit výsledek analýzy</translation>
    </message>
</context>
<context>
    <name>gettingStarted</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Soubor %1 nelze přečíst.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>Soubor %1 nebyl nalezen.</translation>
    </message>
    <message>
        <source>[The rest of %1 is left out: only its first %2 MB of %3 MB are shown.]</source>
        <translation>[Zbytek souboru %1 je vynechán: zobrazuje se jen prvních %2 MB z %3 MB.]</translation>
    </message>
</context>
<context>
    <name>orbica-cli</name>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>neznámá volba „%1“</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>volba %1 potřebuje hodnotu</translation>
    </message>
    <message>
        <source>bad code &quot;%1&quot;: %2</source>
        <translation>chybný kód „%1“: %2</translation>
    </message>
    <message>
        <source>bad --criterion &quot;%1&quot; (0..5)</source>
        <translation>chybné --criterion „%1“ (0..5)</translation>
    </message>
    <message>
        <source>bad --length &quot;%1&quot; (1..3)</source>
        <translation>chybné --length „%1“ (1..3)</translation>
    </message>
    <message>
        <source>bad --threshold &quot;%1&quot; (a number)</source>
        <translation>chybné --threshold „%1“ (číslo)</translation>
    </message>
    <message>
        <source>bad --weight &quot;%1&quot; (0..1)</source>
        <translation>chybné --weight „%1“ (0..1)</translation>
    </message>
    <message>
        <source>bad --threads &quot;%1&quot; (1..1024)</source>
        <translation>chybné --threads „%1“ (1..1024)</translation>
    </message>
    <message>
        <source>--criterion is required</source>
        <translation>volba --criterion je povinná</translation>
    </message>
    <message>
        <source>--first is not used by criterion %1</source>
        <translation>kritérium %1 volbu --first nepoužívá</translation>
    </message>
    <message>
        <source>--second is not used by criterion %1</source>
        <translation>kritérium %1 volbu --second nepoužívá</translation>
    </message>
    <message>
        <source>criterion %1 needs --first</source>
        <translation>kritérium %1 potřebuje --first</translation>
    </message>
    <message>
        <source>criterion 3 needs --second</source>
        <translation>kritérium 3 potřebuje --second</translation>
    </message>
    <message>
        <source>bad %1 &quot;%2&quot; (a question number 1..24)</source>
        <translation>chybné %1 „%2“ (číslo otázky 1..24)</translation>
    </message>
    <message>
        <source>bad %1 &quot;%2&quot; (an answer such as 5c)</source>
        <translation>chybné %1 „%2“ (odpověď, například 5c)</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zastaveno</translation>
    </message>
    <message>
        <source>ranked search of the analysis</source>
        <translation>seřazené hledání analýzy</translation>
    </message>
    <message>
        <source>Runs the analysis search of criterion K (0..5) over the records of zData.gcd
and prints its title, then one line per result: rank, code, score, criterion
value, difference and true size, separated by tabs. Ctrl+C stops the search
(exit code 130).
  --first A, --second B   the analysed questions (criteria 2 and 3: numbers
                          1..24) or answers (criteria 4 and 5: such as 5c)
  --length F              most conditions in a result, 1..3 (default 2)
  --threshold T           difference threshold for longer conditions (default 0)
  --weight W              significance 0..1 of the difference in the score
                          (default 0: ranked by the criterion value alone)
  --threads N             search threads (default: one per processor)
</source>
        <translation>Spustí hledání analýzy podle kritéria K (0..5) nad záznamy zData.gcd a vypíše
jeho název, potom jeden řádek na výsledek: pořadí, kód, skóre, hodnotu
kritéria, rozdíl a skutečnou velikost, oddělené tabulátory. Ctrl+C hledání
zastaví (návratový kód 130).
  --first A, --second B   analyzované otázky (kritéria 2 a 3: čísla 1..24)
                          nebo odpovědi (kritéria 4 a 5: například 5c)
  --length F              nejvýše podmínek ve výsledku, 1..3 (výchozí 2)
  --threshold T           práh rozdílu pro delší podmínky (výchozí 0)
  --weight W              význam rozdílu ve skóre, 0..1 (výchozí 0: řadí
                          se jen podle hodnoty kritéria)
  --threads N             vlákna hledání (výchozí: jedno na procesor)
</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info nemá žádné argumenty</translation>
    </message>
    <message>
        <source>prob needs a CODE</source>
        <translation>prob potřebuje CODE</translation>
    </message>
    <message>
        <source>dist needs a question number Q and a CODE</source>
        <translation>dist potřebuje číslo otázky Q a CODE</translation>
    </message>
    <message>
        <source>bad question number &quot;%1&quot; (questions are 1..24)</source>
        <translation>chybné číslo otázky „%1“ (otázky jsou 1..24)</translation>
    </message>
    <message>
        <source>model and records summary</source>
        <translation>přehled modelu a záznamů</translation>
    </message>
    <message>
        <source>Prints the model&apos;s component and respondent counts and how many records of
zData.gcd were read and skipped, one &quot;name value&quot; line each.
</source>
        <translation>Vypíše počet komponent a respondentů modelu a kolik záznamů zData.gcd bylo
načteno a přeskočeno, každé na jednom řádku „název hodnota“.
</translation>
    </message>
    <message>
        <source>P(S), deviation, size and observed count</source>
        <translation>P(S), odchylka, velikost a pozorovaný počet</translation>
    </message>
    <message>
        <source>Prints the probability of the subpopulation CODE, its deviation from the
observed counts, its size in persons (trunc(N x P)) and its observed count
(-1 when zData.gcd has none), separated by blanks.
</source>
        <translation>Vypíše pravděpodobnost subpopulace CODE, její odchylku od pozorovaných
počtů, její velikost v osobách (trunc(N x P)) a její pozorovaný počet
(-1, když ho zData.gcd nemá), oddělené mezerami.
</translation>
    </message>
    <message>
        <source>answer shares of question Q inside CODE</source>
        <translation>podíly odpovědí na otázku Q v CODE</translation>
    </message>
    <message>
        <source>Prints one line per answer of question Q (1..24): its share inside the
subpopulation CODE and the share&apos;s deviation, separated by a blank.
</source>
        <translation>Vypíše jeden řádek na odpověď otázky Q (1..24): její podíl v subpopulaci
CODE a odchylku podílu, oddělené mezerou.
</translation>
    </message>
    <message>
        <source>--style needs a value (bar2d, bar3d, cylinder or pie)</source>
        <translation>volba --style potřebuje hodnotu (bar2d, bar3d, cylinder nebo pie)</translation>
    </message>
    <message>
        <source>bad style &quot;%1&quot; (bar2d, bar3d, cylinder or pie)</source>
        <translation>chybný styl „%1“ (bar2d, bar3d, cylinder nebo pie)</translation>
    </message>
    <message>
        <source>--question needs a question number</source>
        <translation>volba --question potřebuje číslo otázky</translation>
    </message>
    <message>
        <source>--size needs WxH</source>
        <translation>volba --size potřebuje WxH</translation>
    </message>
    <message>
        <source>bad size &quot;%1&quot; (WxH, each 1..%2)</source>
        <translation>chybná velikost „%1“ (WxH, každý rozměr 1..%2)</translation>
    </message>
    <message>
        <source>--out needs a file name</source>
        <translation>volba --out potřebuje název souboru</translation>
    </message>
    <message>
        <source>the output file &quot;%1&quot; must end in .png, .svg or .pdf</source>
        <translation>výstupní soubor „%1“ musí končit na .png, .svg nebo .pdf</translation>
    </message>
    <message>
        <source>--style is missing</source>
        <translation>chybí volba --style</translation>
    </message>
    <message>
        <source>--question is missing</source>
        <translation>chybí volba --question</translation>
    </message>
    <message>
        <source>--out is missing</source>
        <translation>chybí volba --out</translation>
    </message>
    <message>
        <source>no subpopulation CODE given (one to four)</source>
        <translation>není zadán žádný kód subpopulace CODE (jeden až čtyři)</translation>
    </message>
    <message>
        <source>at most four subpopulation codes can be shown</source>
        <translation>zobrazit lze nejvýše čtyři kódy subpopulací</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;</source>
        <translation>nelze zapsat „%1“</translation>
    </message>
    <message>
        <source>draw a histogram (PNG, SVG or PDF)</source>
        <translation>nakreslí histogram (PNG, SVG nebo PDF)</translation>
    </message>
    <message>
        <source>Draws the graph of a histogram window for question Q (1..24) with one to four
subpopulations CODE... into FILE; its name ends in .png, .svg or .pdf.
  --style S      bar2d, bar3d, cylinder or pie
  --behind       bars of several subpopulations behind each other (default beside)
  --absolute     numbers of persons instead of shares in percent
  --no-errors    without the error boxes
  --no-highlight without the highlighted label of answer 1
  --size WxH     picture size in pixels, each 1..8192 (default 1024x700)
</source>
        <translation>Nakreslí graf okna histogramu pro otázku Q (1..24) s jednou až čtyřmi
subpopulacemi CODE... do souboru FILE; jeho název končí na .png, .svg nebo .pdf.
  --style S      bar2d, bar3d, cylinder nebo pie
  --behind       sloupce více subpopulací za sebou (výchozí vedle sebe)
  --absolute     počty osob místo podílů v procentech
  --no-errors    bez obdélníků chyb
  --no-highlight bez zvýrazněného popisku odpovědi 1
  --size WxH     velikost obrázku v pixelech, každý rozměr 1..8192 (výchozí 1024x700)
</translation>
    </message>
    <message>
        <source>sample takes one folder DIR, not also &quot;%1&quot;</source>
        <translation>sample bere jednu složku DIR, ne ještě „%1“</translation>
    </message>
    <message>
        <source>bad --seed &quot;%1&quot; (a whole number 0 or more)</source>
        <translation>chybné --seed „%1“ (celé číslo 0 nebo větší)</translation>
    </message>
    <message>
        <source>bad --components &quot;%1&quot; (1..65535)</source>
        <translation>chybné --components „%1“ (1..65535)</translation>
    </message>
    <message>
        <source>bad --respondents &quot;%1&quot; (1..2147483647)</source>
        <translation>chybné --respondents „%1“ (1..2147483647)</translation>
    </message>
    <message>
        <source>sample needs a folder DIR</source>
        <translation>sample potřebuje složku DIR</translation>
    </message>
    <message>
        <source>wrote a census of %1 components, %2 respondents and %3 records to %4</source>
        <translation>do %4 zapsáno sčítání: komponent %1, respondentů %2, záznamů %3</translation>
    </message>
    <message>
        <source>paper needs one output FILE</source>
        <translation>paper potřebuje jeden výstupní soubor FILE</translation>
    </message>
    <message>
        <source>write the methodology note (PDF)</source>
        <translation>zapíše metodickou poznámku (PDF)</translation>
    </message>
    <message>
        <source>Writes the methodology note that the viewer opens from Help &gt; Paper as a PDF
file FILE.
</source>
        <translation>Zapíše metodickou poznámku, kterou prohlížeč otevírá z nabídky Nápověda &gt; Článek,
jako soubor PDF FILE.
</translation>
    </message>
    <message>
        <source>write a sample census</source>
        <translation>zapíše ukázkové sčítání</translation>
    </message>
    <message>
        <source>Writes a complete census into the folder DIR (created when missing): a model
of C components (default 64) for N respondents (default 10,000,000) drawn
with the seed S (default 1), its observed counts, the question texts, a few
saved subpopulations, the getting-started text and the methodology note.
</source>
        <translation>Zapíše úplné sčítání do složky DIR (vytvoří ji, když chybí): model s C
komponentami (výchozí 64) pro N respondentů (výchozí 10 000 000) vylosovaný
s počátečním číslem S (výchozí 1), jeho pozorované počty, texty otázek, několik
uložených subpopulací, úvodní text a metodickou poznámku.
</translation>
    </message>
    <message>
        <source>table needs the question numbers TOP and LEFT and a CODE</source>
        <translation>table potřebuje čísla otázek TOP a LEFT a CODE</translation>
    </message>
    <message>
        <source>bad top question number &quot;%1&quot; (questions are 1..24)</source>
        <translation>chybné číslo horní otázky „%1“ (otázky jsou 1..24)</translation>
    </message>
    <message>
        <source>bad left question number &quot;%1&quot; (questions are 1..24)</source>
        <translation>chybné číslo levé otázky „%1“ (otázky jsou 1..24)</translation>
    </message>
    <message>
        <source>the questions do not exist in the loaded description</source>
        <translation>otázky v načteném popisu neexistují</translation>
    </message>
    <message>
        <source>order needs an ordering KIND and one to four CODEs</source>
        <translation>order potřebuje druh řazení KIND a jeden až čtyři kódy CODE</translation>
    </message>
    <message>
        <source>bad ordering kind &quot;%1&quot; (0 number, 1 max., 2 avg., 3 total difference)</source>
        <translation>chybný druh řazení „%1“ (0 číslo, 1 max., 2 prům., 3 celkový rozdíl)</translation>
    </message>
    <message>
        <source>at most four codes (one per display slot), got %1</source>
        <translation>nejvýše čtyři kódy (jeden na zobrazovací pozici), zadáno %1</translation>
    </message>
    <message>
        <source>pops takes no arguments</source>
        <translation>pops nemá žádné argumenty</translation>
    </message>
    <message>
        <source>cross table of questions TOP and LEFT inside CODE</source>
        <translation>kontingenční tabulka otázek TOP a LEFT v CODE</translation>
    </message>
    <message>
        <source>Prints the cross table of question TOP (columns) and question LEFT (rows),
both 1..24, for the subpopulation CODE: estimated persons for every pair of
answers with row and column totals, as monospaced text. csv and json give
the numbers only: one record per pair of answers and the grand total.
</source>
        <translation>Vypíše kontingenční tabulku otázky TOP (sloupce) a otázky LEFT (řádky), obě
1..24, pro subpopulaci CODE: odhadnuté počty osob pro každou dvojici odpovědí
s řádkovými a sloupcovými součty, jako text s pevnou šířkou znaků. csv a json
dávají jen čísla: jeden záznam na dvojici odpovědí a celkový součet.
</translation>
    </message>
    <message>
        <source>question order for the shown sets CODE... (KIND 0..3)</source>
        <translation>pořadí otázek pro zobrazené množiny CODE... (KIND 0..3)</translation>
    </message>
    <message>
        <source>Prints the question numbers in the browsing order of KIND (0 number, 1 max.,
2 avg., 3 total difference) for one to four subpopulations CODE... shown as
in display slots 0, 1, ..., on one line separated by blanks.
</source>
        <translation>Vypíše čísla otázek v pořadí procházení KIND (0 číslo, 1 max., 2 prům.,
3 celkový rozdíl) pro jednu až čtyři subpopulace CODE... zobrazené jako na
pozicích 0, 1, ..., na jednom řádku oddělená mezerami.
</translation>
    </message>
    <message>
        <source>saved subpopulations: identity, code, name</source>
        <translation>uložené subpopulace: identita, kód, název</translation>
    </message>
    <message>
        <source>Prints one line per subpopulation saved in the folder Populace: its identity,
its code and its name, separated by tabs.
</source>
        <translation>Vypíše jeden řádek na subpopulaci uloženou ve složce Populace: její identitu,
kód a název, oddělené tabulátory.
</translation>
    </message>
    <message>
        <source>bad --factor &quot;%1&quot; (a number above 1)</source>
        <translation>chybné --factor „%1“ (číslo větší než 1)</translation>
    </message>
    <message>
        <source>bad --min-count &quot;%1&quot; (a whole number 0 or more)</source>
        <translation>chybné --min-count „%1“ (celé číslo 0 nebo větší)</translation>
    </message>
    <message>
        <source>check the census files and list every problem</source>
        <translation>zkontroluje soubory sčítání a vypíše každý problém</translation>
    </message>
    <message>
        <source>Checks data.mle, zData.gcd, Otazky.txt and the files of Populace and prints
every problem, one line each (&quot;FILE[:LINE]: text&quot;), then how many were found.
Exit code 0 without problems, 1 with problems, 3 when a file could not be
read at all (missing or unreadable).
  --factor F      observed counts and model sizes further apart than this
                  factor (above 1, default 2) are reported
  --min-count M   only where either reaches M persons (default 1% of the
                  respondents)
</source>
        <translation>Zkontroluje data.mle, zData.gcd, Otazky.txt a soubory ve složce Populace
a vypíše každý problém na jednom řádku („FILE[:LINE]: text“), potom kolik jich
našel. Návratový kód 0 bez problémů, 1 s problémy, 3, když soubor nešlo
přečíst vůbec (chybí nebo je nečitelný).
  --factor F      hlásí pozorované počty a velikosti z modelu, které se liší
                  víc než tímto činitelem (větší než 1, výchozí 2)
  --min-count M   jen kde jeden z nich dosáhne M osob (výchozí 1 %
                  respondentů)
</translation>
    </message>
    <message>
        <source>usage: orbica-cli COMMAND [ARGS] | COMMAND --help | --help | --version</source>
        <translation>použití: orbica-cli COMMAND [ARGS] | COMMAND --help | --help | --version</translation>
    </message>
    <message>
        <source>Runs in a folder that holds the census files (data.mle, zData.gcd, Otazky.txt, Populace).
CODE is a subpopulation code such as &quot;3ac12b&quot;; &quot;&quot; or &quot;Celá&quot; is the whole population.
Commands marked * accept --format tsv|csv|json. &quot;orbica-cli COMMAND --help&quot; describes one.
</source>
        <translation>Pracuje ve složce se soubory sčítání (data.mle, zData.gcd, Otazky.txt, Populace).
CODE je kód subpopulace, například „3ac12b“; &quot;&quot; nebo „Celá“ je celá populace.
Příkazy označené * přijímají --format tsv|csv|json. „orbica-cli COMMAND --help“ popíše jeden.
</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 a census file could not be loaded (validate: problems
found), 2 wrong arguments, 3 validate could not read a file at all.
</source>
        <translation>Návratové kódy: 0 hotovo, 1 soubor sčítání nešlo načíst (validate: nalezeny
problémy), 2 chybné argumenty, 3 validate nemohl soubor vůbec přečíst.
</translation>
    </message>
    <message>
        <source>usage: orbica-cli %1</source>
        <translation>použití: orbica-cli %1</translation>
    </message>
    <message>
        <source>  --format F   tsv (the default: the lines described above), csv (a header
               row, then one row per record) or json (one object per run
               with named fields)
</source>
        <translation>  --format F   tsv (výchozí: řádky popsané výše), csv (řádek záhlaví, potom
               jeden řádek na záznam) nebo json (jeden objekt na běh
               s pojmenovanými poli)
</translation>
    </message>
    <message>
        <source>--format needs a value (tsv, csv or json)</source>
        <translation>volba --format potřebuje hodnotu (tsv, csv nebo json)</translation>
    </message>
    <message>
        <source>bad --format &quot;%1&quot; (tsv, csv or json)</source>
        <translation>chybné --format „%1“ (tsv, csv nebo json)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>neznámý příkaz „%1“</translation>
    </message>
    <message>
        <source>the methodology text is missing from the program</source>
        <translation>text metodické poznámky v programu chybí</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>nelze zapsat %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>nelze zapsat %1</translation>
    </message>
</context>
<context>
    <name>orbica::AnalysisResultsModel</name>
    <message>
        <source>Condition</source>
        <translation>Podmínka</translation>
    </message>
    <message>
        <source>Short answers</source>
        <translation>Krátké odpovědi</translation>
    </message>
    <message>
        <source>Criterion value</source>
        <translation>Hodnota kritéria</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Rozdíl</translation>
    </message>
    <message>
        <source>True size</source>
        <translation>Skutečná velikost</translation>
    </message>
</context>
<context>
    <name>orbica::CAnalDlg</name>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Choose parameters for the analysis</source>
        <translation>Zvolte parametry analýzy</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analýza</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation>Zadejte číslo.</translation>
    </message>
</context>
<context>
    <name>orbica::CAnalSeznam</name>
    <message>
        <source>Rank</source>
        <translation>Pořadí</translation>
    </message>
</context>
<context>
    <name>orbica::CApp</name>
    <message>
        <source>The census in &quot;%1&quot; is open in another Orbica (process %2 on %3). Open it read-only? Nothing will be saved; No quits.</source>
        <translation>Sčítání ve složce „%1“ je otevřené v jiné instanci programu Orbica (proces %2 na %3). Otevřít je jen pro čtení? Nic se neuloží; volbou Ne se program ukončí.</translation>
    </message>
</context>
<context>
    <name>orbica::CDokument</name>
    <message>
        <source>Frequencies for question %1</source>
        <translation>Četnosti pro otázku %1</translation>
    </message>
</context>
<context>
    <name>orbica::CHistogram</name>
    <message>
        <source>A histogram window: the answers of one question in the displayed subpopulations. Press F1 for help.</source>
        <translation>Okno histogramu: odpovědi na jednu otázku v zobrazených subpopulacích. Nápovědu zobrazíte klávesou F1.</translation>
    </message>
</context>
<context>
    <name>orbica::CMPanel</name>
    <message>
        <source>Displayed subpopulations</source>
        <translation>Zobrazené subpopulace</translation>
    </message>
    <message>
        <source>.. výsledky analýzy ..</source>
        <translation>.. výsledky analýzy ..</translation>
    </message>
    <message>
        <source>   ( analysis results will be shown here )</source>
        <translation>   ( zde se zobrazí výsledky analýzy )</translation>
    </message>
</context>
<context>
    <name>orbica::CMainFrame</name>
    <message>
        <source>Orbica</source>
        <translation>Orbica</translation>
    </message>
    <message>
        <source>For help press F1</source>
        <translation>Nápovědu zobrazíte klávesou F1</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>Choose the object for which You wish help</source>
        <translation>Vyberte objekt, ke kterému chcete zobrazit nápovědu</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Orbica Help</source>
        <translation>Nápověda programu Orbica</translation>
    </message>
</context>
<context>
    <name>orbica::CSeznamPop</name>
    <message>
        <source>Delete the saved subpopulation &quot;%1&quot;?</source>
        <translation>Smazat uloženou subpopulaci „%1“?</translation>
    </message>
</context>
<context>
    <name>orbica::CensusSession</name>
    <message>
        <source>The census folder %1 cannot be opened.</source>
        <translation>Složku sčítání %1 nelze otevřít.</translation>
    </message>
    <message>
        <source>The census folder %1 cannot be written: subpopulations you save and the settings cannot be kept there.</source>
        <translation>Do složky sčítání %1 nelze zapisovat: uložené subpopulace ani nastavení v ní nelze uchovat.</translation>
    </message>
    <message>
        <source>Open census folder</source>
        <translation>Otevřít složku sčítání</translation>
    </message>
</context>
<context>
    <name>orbica::ListOtazek</name>
    <message>
        <source>Orbica Help</source>
        <translation>Nápověda programu Orbica</translation>
    </message>
    <message>
        <source>Question number</source>
        <translation>Číslo otázky</translation>
    </message>
    <message>
        <source>Max. difference</source>
        <translation>Max. rozdíl</translation>
    </message>
    <message>
        <source>Avg. difference</source>
        <translation>Prům. rozdíl</translation>
    </message>
    <message>
        <source>Total difference</source>
        <translation>Celkový rozdíl</translation>
    </message>
    <message>
        <source>Question list</source>
        <translation>Seznam otázek</translation>
    </message>
</context>
<context>
    <name>orbica::PopDialog</name>
    <message>
        <source>Subpopulation description: </source>
        <translation>Popis subpopulace: </translation>
    </message>
</context>
<context>
    <name>orbica::PrintPage</name>
    <message>
        <source>Answers</source>
        <translation>Odpovědi</translation>
    </message>
    <message>
        <source>Displayed subpopulations</source>
        <translation>Zobrazené subpopulace</translation>
    </message>
</context>
<context>
    <name>orbica::StartDialog</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Open census folder</source>
        <translation>Otevřít složku sčítání</translation>
    </message>
</context>
<context>
    <name>orbica::engine</name>
    <message>
        <source>Chyba při načítání</source>
        <translation>Chyba při načítání</translation>
    </message>
    <message>
        <source>Direzu - error</source>
        <translation>Direzu - chyba</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Soubor nenalezen</translation>
    </message>
    <message>
        <source>Subpopulation not saved</source>
        <translation>Subpopulace nebyla uložena</translation>
    </message>
    <message>
        <source>Subpopulation changed</source>
        <translation>Subpopulace byla změněna</translation>
    </message>
    <message>
        <source>Subpopulation not deleted</source>
        <translation>Subpopulace nebyla smazána</translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation>Nastavení nebylo uloženo</translation>
    </message>
    <message>
        <source>Chyba</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Parameters file not opened</source>
        <translation>Soubor parametrů nebyl otevřen</translation>
    </message>
    <message>
        <source>The parameters file is truncated: its header is incomplete.</source>
        <translation>Soubor parametrů je zkrácený: jeho hlavička není úplná.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nedostatek paměti</translation>
    </message>
    <message>
        <source>Cannot load the question descriptions.</source>
        <translation>Nelze načíst popisy otázek.</translation>
    </message>
    <message>
        <source>Model file and its descritpion aren&apos;t consistent.</source>
        <translation>Soubor modelu a jeho popis si neodpovídají.</translation>
    </message>
    <message>
        <source>Inconsistency in model file description</source>
        <translation>Nesoulad v popisu souboru modelu</translation>
    </message>
    <message>
        <source>Cannot load the model.</source>
        <translation>Nelze načíst model.</translation>
    </message>
    <message>
        <source>Cannot load question list.</source>
        <translation>Nelze načíst seznam otázek.</translation>
    </message>
    <message>
        <source>Cannot load the subpopulation list.</source>
        <translation>Nelze načíst seznam subpopulací.</translation>
    </message>
    <message>
        <source>Cannot initialize the subpopulation list.</source>
        <translation>Nelze inicializovat seznam subpopulací.</translation>
    </message>
    <message>
        <source>Too many conditions or too small subpopulation!</source>
        <translation>Příliš mnoho podmínek nebo příliš malá subpopulace!</translation>
    </message>
    <message>
        <source>Defined subpopulation is too small!</source>
        <translation>Definovaná subpopulace je příliš malá!</translation>
    </message>
    <message>
        <source>Subpopulation hasn&apos;t been saved. Save?</source>
        <translation>Subpopulace nebyla uložena. Uložit?</translation>
    </message>
    <message>
        <source>Unknown analysis type</source>
        <translation>Neznámý typ analýzy</translation>
    </message>
    <message>
        <source>Cannot open the zdata.gcd file</source>
        <translation>Nelze otevřít soubor zdata.gcd</translation>
    </message>
    <message>
        <source>Not enough memory for results</source>
        <translation>Nedostatek paměti pro výsledky</translation>
    </message>
    <message>
        <source>Chyba, k&lt;0</source>
        <translation>Chyba, k&lt;0</translation>
    </message>
    <message>
        <source>Chyba, k&gt;K(n)</source>
        <translation>Chyba, k&gt;K(n)</translation>
    </message>
    <message>
        <source>Absolute subpopulation size error</source>
        <translation>Absolutní chyba velikosti subpopulace</translation>
    </message>
    <message>
        <source>Relative subpopulation size error</source>
        <translation>Relativní chyba velikosti subpopulace</translation>
    </message>
    <message>
        <source>Conditional question entropy</source>
        <translation>Podmíněná entropie otázky</translation>
    </message>
    <message>
        <source>Information measure between two questions</source>
        <translation>Míra informace mezi dvěma otázkami</translation>
    </message>
    <message>
        <source>Relative answer frequency</source>
        <translation>Relativní četnost odpovědi</translation>
    </message>
    <message>
        <source>Absolute answer frequency</source>
        <translation>Absolutní četnost odpovědi</translation>
    </message>
    <message>
        <source>Census in use</source>
        <translation>Sčítání se již používá</translation>
    </message>
    <message>
        <source>Subpopulation exists</source>
        <translation>Subpopulace již existuje</translation>
    </message>
    <message>
        <source>Saved subpopulations not read</source>
        <translation>Uložené subpopulace nebyly načteny</translation>
    </message>
    <message>
        <source>Delete subpopulation</source>
        <translation>Smazat subpopulaci</translation>
    </message>
    <message>
        <source>Orbica</source>
        <translation>Orbica</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a named pipe, device or folder); it is not read.</source>
        <translation>„%1“ není běžný soubor (je to pojmenovaná roura, zařízení nebo složka); nenačítá se.</translation>
    </message>
    <message>
        <source>The parameters file is truncated: it holds %1 bytes, a model of %2 components needs %3.</source>
        <translation>Soubor parametrů je zkrácený: obsahuje %1 bajtů, model s počtem komponent %2 potřebuje %3.</translation>
    </message>
    <message>
        <source>The model %1 holds weights or probabilities that are not a number, infinite or negative. They are used as stored; graphs show the shares computed from them as missing.
%2</source>
        <translation>Model %1 obsahuje váhy nebo pravděpodobnosti, které nejsou číslo, jsou nekonečné nebo záporné. Používají se tak, jak jsou uložené; grafy ukazují podíly z nich spočtené jako chybějící.
%2</translation>
    </message>
    <message>
        <source>The model %1 holds weights or probabilities that are not a number, infinite or negative. They are used as stored; graphs show the shares computed from them as missing.
%2
(%3 more; orbica-cli validate lists them)</source>
        <translation>Model %1 obsahuje váhy nebo pravděpodobnosti, které nejsou číslo, jsou nekonečné nebo záporné. Používají se tak, jak jsou uložené; grafy ukazují podíly z nich spočtené jako chybějící.
%2
(dalších %3; vypíše je orbica-cli validate)</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 on line %2; the bad bytes are shown as &quot;�&quot;.</source>
        <translation>%1 není platné UTF-8 na řádku %2; chybné bajty jsou zobrazené jako „�“.</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 on line %2 and in 1 more place; the bad bytes are shown as &quot;�&quot;.</source>
        <translation>%1 není platné UTF-8 na řádku %2 a na 1 dalším místě; chybné bajty jsou zobrazené jako „�“.</translation>
    </message>
    <message>
        <source>%1 is not valid UTF-8 on line %2 and in %3 more places; the bad bytes are shown as &quot;�&quot;.</source>
        <translation>%1 není platné UTF-8 na řádku %2 a na dalších místech (%3); chybné bajty jsou zobrazené jako „�“.</translation>
    </message>
    <message>
        <source>The saved subpopulations could not be read from %1. Only the whole population is listed.</source>
        <translation>Uložené subpopulace nelze načíst z %1. Seznam obsahuje jen celou populaci.</translation>
    </message>
    <message>
        <source>The settings could not be saved to &quot;%1&quot; (%2). Colours, options and window positions of this session are lost; the previous file is unchanged.</source>
        <translation>Nastavení nelze uložit do „%1“ (%2). Barvy, volby a polohy oken z tohoto sezení se ztratí; předchozí soubor zůstává beze změny.</translation>
    </message>
    <message>
        <source>The subpopulation &quot;%1&quot; could not be saved to &quot;%2&quot; (%3). It stays in the list until the program ends.</source>
        <translation>Subpopulaci „%1“ nelze uložit do „%2“ (%3). V seznamu zůstane do ukončení programu.</translation>
    </message>
    <message>
        <source>The subpopulation &quot;%1&quot; could not be saved to &quot;%2&quot; (%3). It stays in the list until the program ends; its previous file &quot;%4&quot; is unchanged.</source>
        <translation>Subpopulaci „%1“ nelze uložit do „%2“ (%3). V seznamu zůstane do ukončení programu; její předchozí soubor „%4“ zůstává beze změny.</translation>
    </message>
    <message>
        <source>The subpopulation was saved to &quot;%1&quot;, but its previous file &quot;%2&quot; could not be deleted (%3).</source>
        <translation>Subpopulace byla uložena do „%1“, ale její předchozí soubor „%2“ nelze smazat (%3).</translation>
    </message>
    <message>
        <source>The subpopulation &quot;%1&quot; could not be deleted: the census is open read-only. It stays in the list.</source>
        <translation>Subpopulaci „%1“ nelze smazat: sčítání je otevřené jen pro čtení. Zůstává v seznamu.</translation>
    </message>
    <message>
        <source>The subpopulation &quot;%1&quot; could not be deleted: its file &quot;%2&quot; cannot be read and is left as it is. It stays in the list.</source>
        <translation>Subpopulaci „%1“ nelze smazat: její soubor „%2“ nelze přečíst a zůstává, jak je. Subpopulace zůstává v seznamu.</translation>
    </message>
    <message>
        <source>The subpopulation &quot;%1&quot; could not be deleted: its file &quot;%2&quot; cannot be removed (%3). It stays in the list.</source>
        <translation>Subpopulaci „%1“ nelze smazat: její soubor „%2“ nelze odstranit (%3). Subpopulace zůstává v seznamu.</translation>
    </message>
    <message>
        <source>The census is open read-only: the subpopulation &quot;%1&quot; is not saved.</source>
        <translation>Sčítání je otevřené jen pro čtení: subpopulace „%1“ se neuloží.</translation>
    </message>
    <message>
        <source>The subpopulation &quot;%1&quot; is not saved: its file &quot;%2&quot; exists but cannot be read, and is left as it is.</source>
        <translation>Subpopulace „%1“ se neuloží: její soubor „%2“ existuje, ale nelze ho přečíst, a zůstává, jak je.</translation>
    </message>
    <message>
        <source>A saved subpopulation &quot;%1&quot; has the same conditions. Replace it?</source>
        <translation>Uložená subpopulace „%1“ má stejné podmínky. Nahradit ji?</translation>
    </message>
    <message>
        <source> otazka %1 .. 1odp: %2 =&gt; cislo ot%3, poslodp: %4 =&gt; cisloot:  %5
</source>
        <translation> otazka %1 .. 1odp: %2 =&gt; cislo ot%3, poslodp: %4 =&gt; cisloot:  %5
</translation>
    </message>
</context>
</TS>
