<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Orbica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbica 2.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current model information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Components :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respondents :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisDialog</name>
    <message>
        <source>Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critrion order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. length of condition </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference treshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference significance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnalysisResults</name>
    <message>
        <source>Analysis results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used criterion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerList</name>
    <message>
        <source>Full answers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CrossTableWindow</name>
    <message>
        <source>Result table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GettingStarted</name>
    <message>
        <source>Getting started..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>Subpopulation description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationPanel</name>
    <message>
        <source>&lt;=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>Running ..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionListDialog</name>
    <message>
        <source>Question list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubpopulationEditor</name>
    <message>
        <source>Subpopulation properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubpopulationListDialog</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved subpopulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SubpopulationPanel</name>
    <message>
        <source>Colour of subpopulation 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show subpopulation 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit subpopulation 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of subpopulation 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show subpopulation 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit subpopulation 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of subpopulation 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show subpopulation 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit subpopulation 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour of the analysis result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the analysis result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the analysis result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::AnalysisResultsModel</name>
    <message>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criterion value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::CAnalDlg</name>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose parameters for the analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::CMPanel</name>
    <message>
        <source>Displayed subpopulations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.. výsledky analýzy ..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ( analysis results will be shown here )</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::ListOtazek</name>
    <message>
        <source>Orbica Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::PopDialog</name>
    <message>
        <source>Subpopulation description: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::engine</name>
    <message>
        <source>Chyba při načítání</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direzu - error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation not deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters file not opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parameters file is truncated: its header is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the question descriptions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model file and its descritpion aren&apos;t consistent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inconsistency in model file description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load question list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the subpopulation list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot initialize the subpopulation list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many conditions or too small subpopulation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defined subpopulation is too small!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subpopulation hasn&apos;t been saved. Save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown analysis type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the zdata.gcd file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba, k&lt;0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chyba, k&gt;K(n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute subpopulation size error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative subpopulation size error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conditional question entropy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information measure between two questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relative answer frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absolute answer frequency</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbica::gettingStarted</name>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
