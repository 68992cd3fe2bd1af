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
</context>
<context>
    <name>orbica::gettingStarted</name>
    <message>
        <source>%1 was not found.</source>
        <translation>Soubor %1 nebyl nalezen.</translation>
    </message>
</context>
</TS>
