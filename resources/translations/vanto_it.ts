<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BCfromVFinder</name>
    <message>
        <location filename="../../forms/bcfromvfinder.ui" line="+15" />
        <source>Calculate BC from velocity measures</source>
        <translation>Calcolo del BC da misure di velocità</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Calculate BC from bullet velocity at two ranges</source>
        <translation>Calcolo del BC dalla velocità della palla a due distanze</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Range near =</source>
        <translation>Distanza vicina =</translation>
    </message>
    <message>
        <location line="+23" />
        <location line="+58" />
        <source>Velocity =</source>
        <translation>Velocità =</translation>
    </message>
    <message>
        <location line="-13" />
        <source>Range far =</source>
        <translation>Distanza lontana =</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <location line="+12" />
        <source>BC = </source>
        <translation>BC = </translation>
    </message>
    <message>
        <location line="+12" />
        <location filename="../../tools/bcfinder.cpp" line="+116" />
        <source>Muzzle velocity = </source>
        <translation>Velocità alla bocca = </translation>
    </message>
    <message>
        <location filename="../../tools/bcfromvfinder.cpp" line="+16" />
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>BulletDatabase</name>
    <message>
        <location filename="../../database/bulletdatabase.cpp" line="+81" />
        <source>the file does not exist.</source>
        <translation>il file non esiste.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged or is not a bullet database.</source>
        <translation>il file è danneggiato o non è un database di palle.</translation>
    </message>
    <message>
        <location line="+42" />
        <source>The database %1 cannot be read: %2</source>
        <translation>Il database %1 non può essere letto: %2</translation>
    </message>
</context>
<context>
    <name>CustoDBManager</name>
    <message>
        <location filename="../../forms/custodbmanager.ui" line="+14" />
        <source>Manage custom database</source>
        <translation>Gestisci il database personale</translation>
    </message>
    <message>
        <location line="+14" />
        <location filename="../../database/custodbmanager.cpp" line="+48" />
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../../database/custodbmanager.cpp" line="+2" />
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../../database/custodbmanager.cpp" line="-1" />
        <source>Caliber</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <location line="+29" />
        <location filename="../../database/custodbmanager.cpp" line="+3" />
        <source>Lenght</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <location line="+29" />
        <location filename="../../database/custodbmanager.cpp" line="+1" />
        <source>Grains</source>
        <translation>Grani</translation>
    </message>
    <message>
        <location line="+20" />
        <location filename="../../database/custodbmanager.cpp" line="-2" />
        <source>BC</source>
        <translation>BC</translation>
    </message>
    <message>
        <location line="+26" />
        <location filename="../../database/custodbmanager.cpp" line="+3" />
        <source>Reference Number</source>
        <translation>Codice</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../../database/custodbmanager.cpp" line="+1" />
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+48" />
        <source>Add to Custom
Database</source>
        <translation>Aggiungi al
database personale</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Remove selected from
Custom Database</source>
        <translation>Rimuovi la selezione dal
database personale</translation>
    </message>
    <message>
        <location line="+59" />
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../../database/custodbmanager.cpp" line="-8" />
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+44" />
        <location line="+23" />
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-22" />
        <source>The bullet could not be added to the custom database %1:
%2</source>
        <translation>Non è stato possibile aggiungere la palla al database personale %1:
%2</translation>
    </message>
    <message>
        <location line="+23" />
        <source>The bullet could not be removed from the custom database %1:
%2</source>
        <translation>Non è stato possibile rimuovere la palla dal database personale %1:
%2</translation>
    </message>
</context>
<context>
    <name>CustomBulletModel</name>
    <message>
        <location filename="../../database/custombulletmodel.cpp" line="+24" />
        <source>No values to identify the row</source>
        <translation>Nessun valore per identificare la riga</translation>
    </message>
</context>
<context>
    <name>DBselector</name>
    <message>
        <location filename="../../forms/dbselector.ui" line="+14" />
        <source>Bullet Selection</source>
        <translation>Scelta della palla</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Centerfire</source>
        <translation>Percussione centrale</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Rimfire</source>
        <translation>Percussione anulare</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Airgun Pellets</source>
        <translation>Pallini ad aria compressa</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Custom</source>
        <translation>Personale</translation>
    </message>
    <message>
        <location line="+24" />
        <location filename="../../database/dbselector.cpp" line="+98" />
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <location line="+17" />
        <location filename="../../database/dbselector.cpp" line="+0" />
        <source>Caliber</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <location line="+20" />
        <location filename="../../database/dbselector.cpp" line="+0" />
        <source>Grains</source>
        <translation>Grani</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <location line="+42" />
        <source>Selected bullet Ballistic coeficient(s) :</source>
        <translation>Coefficiente/i balistico/i della palla scelta:</translation>
    </message>
    <message>
        <location line="+53" />
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../../database/dbselector.cpp" line="-5" />
        <source>The bullets of %1 cannot be listed: %2</source>
        <translation>Le palle di %1 non possono essere elencate: %2</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reference Number</source>
        <translation>Codice</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+27" />
        <source>Ballistic Coeficient</source>
        <translation>Coefficiente balistico</translation>
    </message>
    <message>
        <location line="+1" />
        <source>From FPS</source>
        <translation>Da (fps)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>To FPS</source>
        <translation>A (fps)</translation>
    </message>
</context>
<context>
    <name>GraphContainer</name>
    <message>
        <location filename="../../forms/graphcontainer.ui" line="+14" />
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location filename="../../results/graphcontainer.cpp" line="+55" />
        <location line="+45" />
        <source>Distance (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <location line="-44" />
        <location line="+63" />
        <source>Drop (cm)</source>
        <translation>Caduta (cm)</translation>
    </message>
    <message>
        <location line="-19" />
        <source>Distance (yd.)</source>
        <translation>Distanza (yd)</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Killzone: </source>
        <translation>Zona vitale: </translation>
    </message>
    <message>
        <location line="+13" />
        <source>Drop (inches)</source>
        <translation>Caduta (pollici)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drop (moa)</source>
        <translation>Caduta (MOA)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drop (mils)</source>
        <translation>Caduta (mil)</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Velocity (m/s)</source>
        <translation>Velocità (m/s)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Velocity (f/s)</source>
        <translation>Velocità (f/s)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Energy (J)</source>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Energy (ft.lbs)</source>
        <translation>Energia (ft.lbs)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Time of flight (s)</source>
        <translation>Tempo di volo (s)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Drift (cm)</source>
        <translation>Deriva (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drift (inches)</source>
        <translation>Deriva (pollici)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drift (moa)</source>
        <translation>Deriva (MOA)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drift (mils)</source>
        <translation>Deriva (mil)</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Max Height (cm)</source>
        <translation>Freccia (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Max Height (inches)</source>
        <translation>Freccia (pollici)</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <location filename="../../forms/infopanel.ui" line="+20" />
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location line="+36" />
        <source>MPBR:</source>
        <translation>PBR max:</translation>
    </message>
    <message>
        <location line="+17" />
        <source>NZR:</source>
        <translation>Zero vicino:</translation>
    </message>
    <message>
        <location line="+17" />
        <source>FZR:</source>
        <translation>Zero lontano:</translation>
    </message>
    <message>
        <location filename="../../results/infopanel.cpp" line="+21" />
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location line="+25" />
        <source>This range cannot be computed for this load</source>
        <translation>Questa distanza non può essere calcolata per questa carica</translation>
    </message>
</context>
<context>
    <name>KillZoneSetter</name>
    <message>
        <location filename="../../forms/killzonesetter.ui" line="+16" />
        <source>Set kill zone size</source>
        <translation>Dimensione della zona vitale</translation>
    </message>
    <message>
        <location line="+4" />
        <source>KillZone Diameter</source>
        <translation>Diametro della zona vitale</translation>
    </message>
    <message>
        <location filename="../../tools/killzonesetter.cpp" line="+16" />
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../forms/mainwindow.ui" line="+14" />
        <location line="+1465" />
        <source>Vanto</source>
        <translation>Vanto</translation>
    </message>
    <message>
        <location line="-1425" />
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+30" />
        <source>General settings:</source>
        <translation>Impostazioni generali:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Include gyroscopic drift</source>
        <translation>Includi la deriva giroscopica</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Auto maximum range</source>
        <translation>Distanza massima automatica</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Maximum range</source>
        <translation>Distanza massima</translation>
    </message>
    <message>
        <location line="+43" />
        <source>Multi shoot behavior</source>
        <translation>Confronto delle cariche</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Independant</source>
        <translation>Indipendenti</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Same Zero Range</source>
        <translation>Stessa distanza di azzeramento</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Same Angle</source>
        <translation>Stesso angolo di tiro</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Kill zone</source>
        <translation>Zona vitale</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Range card settings:</source>
        <translation>Tabella di tiro:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <location line="+10" />
        <source> units</source>
        <translation> unità</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Display MOA</source>
        <translation>Mostra MOA</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Display mils</source>
        <translation>Mostra mil</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Display clicks</source>
        <translation>Mostra click</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Rifle and Scope</source>
        <translation>Arma e ottica</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Rifle:</source>
        <translation>Arma:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Sight height</source>
        <translation>Altezza di mira</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Barrel twist</source>
        <translation>Passo di rigatura</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Twist direction</source>
        <translation>Senso di rigatura</translation>
    </message>
    <message>
        <location line="+14" />
        <source>right</source>
        <translation>destrorsa</translation>
    </message>
    <message>
        <location line="+5" />
        <source>left</source>
        <translation>sinistrorsa</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Scope:</source>
        <translation>Ottica:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Scope click</source>
        <translation>Click della torretta</translation>
    </message>
    <message>
        <location line="+50" />
        <source>custom value</source>
        <translation>valore personalizzato</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Horiz.</source>
        <translation>Orizz.</translation>
    </message>
    <message>
        <location line="+46" />
        <location line="+92" />
        <source>at</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="-46" />
        <source>Vert.</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <location line="+120" />
        <source>Conditions and Wind</source>
        <translation>Condizioni e vento</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Conditions:</source>
        <translation>Condizioni:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Up/Downhill</source>
        <translation>Tiro in salita/discesa</translation>
    </message>
    <message>
        <location line="+24" />
        <source>Up</source>
        <translation>Salita</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Down</source>
        <translation>Discesa</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Default pressure</source>
        <translation>Pressione standard</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Altitude correction</source>
        <translation>Correzione di quota</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Base pressure</source>
        <translation>Pressione di riferimento</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Altitude</source>
        <translation>Quota</translation>
    </message>
    <message>
        <location line="+46" />
        <source>Wind:</source>
        <translation>Vento:</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Wind velocity</source>
        <translation>Velocità del vento</translation>
    </message>
    <message>
        <location line="+47" />
        <source>Wind angle</source>
        <translation>Angolo del vento</translation>
    </message>
    <message>
        <location line="+23" />
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <location line="+64" />
        <source>Compute !</source>
        <translation>Calcola!</translation>
    </message>
    <message>
        <location line="+35" />
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Drop</source>
        <translation>Caduta</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Time of Flight</source>
        <translation>Tempo di volo</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Max Height</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location line="+93" />
        <source>Load/Save</source>
        <translation>Carica/Salva</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+31" />
        <source>Save parameters</source>
        <translation>Salva parametri</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Load parameters</source>
        <translation>Carica parametri</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <location line="+8" />
        <source>US</source>
        <translation>Imperiale (US)</translation>
    </message>
    <message>
        <location line="+8" />
        <source>MOA</source>
        <translation>MOA</translation>
    </message>
    <message>
        <location line="+8" />
        <source>mils</source>
        <translation>mil</translation>
    </message>
    <message>
        <location line="+5" />
        <source>BC from velocity measurements</source>
        <translation>BC da misure di velocità</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Manage custom database</source>
        <translation>Gestisci il database personale</translation>
    </message>
    <message>
        <location line="+108" />
        <source>User Manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <location line="+9" />
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+109" />
        <location line="+4" />
        <source>Load </source>
        <translation>Carica </translation>
    </message>
    <message>
        <location line="+336" />
        <source>Restart interface ?</source>
        <translation>Riavviare l'interfaccia?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Apply language change now ? This will restart the Vanto interface. All unsaved simulation will be lost.

Otherwise, the language change will be applied at next launch of Vanto.</source>
        <translation>Applicare ora il cambio di lingua? L'interfaccia di Vanto verrà riavviata. Tutte le simulazioni non salvate andranno perse.

Altrimenti la nuova lingua sarà applicata al prossimo avvio di Vanto.</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+0" />
        <source>No reader found for pdf format. Please install a pdf reader to display user manual</source>
        <translation>Nessun lettore PDF trovato. Installare un lettore PDF per visualizzare il manuale utente</translation>
    </message>
</context>
<context>
    <name>MasterSelector</name>
    <message>
        <location filename="../../loads/masterselector.cpp" line="+25" />
        <source>Master Shoot Selection</source>
        <translation>Scelta della carica di riferimento</translation>
    </message>
</context>
<context>
    <name>ParamTab</name>
    <message>
        <location filename="../../forms/paramtab.ui" line="+14" />
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Active</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Muzzle Velocity</source>
        <translation>Velocità alla bocca</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Caliber</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Ballistic Coefficient</source>
        <translation>Coefficiente balistico</translation>
    </message>
    <message>
        <location line="+35" />
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Zero range</source>
        <translation>Distanza di azzeramento</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Set parameters
manualy</source>
        <translation>Inserisci i
parametri</translation>
    </message>
    <message>
        <location line="+15" />
        <source>Select from 
bullet database</source>
        <translation>Scegli dal
database delle palle</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../ballistics/shoot.cpp" line="+593" />
        <location line="+85" />
        <location line="+443" />
        <location filename="../../tools/bcfromvfinder.cpp" line="+26" />
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-579" />
        <source>Ballistic coefficient missing or zero for load : </source>
        <translation>Coefficiente balistico mancante o nullo per la carica: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please enter a ballistic coefficient above 0</source>
        <translation>Inserire un coefficiente balistico maggiore di 0</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Muzzle velocity missing or zero for load : </source>
        <translation>Velocità iniziale mancante o nulla per la carica: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please enter a muzzle velocity above 0</source>
        <translation>Inserire una velocità iniziale maggiore di 0</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Air density cannot be computed for load : </source>
        <translation>La densità dell'aria non può essere calcolata per la carica: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please check the pressure, the altitude and the temperature</source>
        <translation>Verificare la pressione, l'altitudine e la temperatura</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Ballistic coefficient too small for the velocity of load : </source>
        <translation>Coefficiente balistico troppo piccolo per la velocità della carica: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please check the ballistic coefficient and the muzzle velocity of this load</source>
        <translation>Verificare il coefficiente balistico e la velocità iniziale di questa carica</translation>
    </message>
    <message>
        <location line="+561" />
        <source>Zeroing range not reachable for load : </source>
        <translation>Distanza di azzeramento non raggiungibile per la carica: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please try to reduce your zeroing range for this load, or to change some parameters</source>
        <translation>Provare a ridurre la distanza di azzeramento di questa carica o a modificare alcuni parametri</translation>
    </message>
    <message>
        <location filename="../../tools/bcfromvfinder.cpp" line="+0" />
        <source>Unable to find a valid solution</source>
        <translation>Impossibile trovare una soluzione valida</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <location filename="../../results/cardlayout.cpp" line="+27" />
        <source>Range (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Range (yd)</source>
        <translation>Distanza (yd)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drop (cm)</source>
        <translation>Caduta (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drop (in)</source>
        <translation>Caduta (in)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drop (MOA)</source>
        <translation>Caduta (MOA)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drop (mils)</source>
        <translation>Caduta (mil)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drop (clicks)</source>
        <translation>Caduta (click)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drift (cm)</source>
        <translation>Deriva (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drift (in)</source>
        <translation>Deriva (in)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drift (MOA)</source>
        <translation>Deriva (MOA)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drift (mils)</source>
        <translation>Deriva (mil)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drift (clicks)</source>
        <translation>Deriva (click)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Velocity (m/s)</source>
        <translation>Velocità (m/s)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Velocity (fps)</source>
        <translation>Velocità (fps)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Energy (J)</source>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Energy (ft.lbs)</source>
        <translation>Energia (ft.lbs)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Time of flight (s)</source>
        <translation>Tempo di volo (s)</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Cannot be computed for this load</source>
        <translation>Non calcolabile per questa carica</translation>
    </message>
    <message>
        <location filename="../../forms/rangecard.ui" line="+17" />
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location line="+21" />
        <source>Export To Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Print Range Card</source>
        <translation>Stampa la tabella</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Export As PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <location line="+76" />
        <source>Range</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop</source>
        <translation>Caduta</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop MOA</source>
        <translation>Caduta MOA</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop Clicks</source>
        <translation>Caduta click</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift MOA</source>
        <translation>Deriva MOA</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift Clicks</source>
        <translation>Deriva click</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Time of flight</source>
        <translation>Tempo di volo</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop mils</source>
        <translation>Caduta mil</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift mils</source>
        <translation>Deriva mil</translation>
    </message>
    <message>
        <location filename="../../results/cardprinter.cpp" line="+91" />
        <source>Projectile Caliber : </source>
        <translation>Calibro della palla: </translation>
    </message>
    <message>
        <location line="+3" />
        <source>Ballistic Coeff : </source>
        <translation>Coeff. balistico: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Muzzle Velocity : </source>
        <translation>Velocità alla bocca: </translation>
    </message>
    <message>
        <location line="+3" />
        <source>Barrel Twist : </source>
        <translation>Passo di rigatura: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Sight Heigh : </source>
        <translation>Altezza di mira: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Wind Velocity : </source>
        <translation>Velocità del vento: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Temperature : </source>
        <translation>Temperatura: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>KillZone : </source>
        <translation>Zona vitale: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Near Zero Range : </source>
        <translation>Zero vicino: </translation>
    </message>
    <message>
        <location line="+3" />
        <source>Projectile Weight : </source>
        <translation>Peso della palla: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Length : </source>
        <translation>Lunghezza: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zero Range : </source>
        <translation>Distanza di azzeramento: </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Direction : </source>
        <translation>Senso: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Scope Click : </source>
        <translation>Click della torretta: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Wind Angle : </source>
        <translation>Angolo del vento: </translation>
    </message>
    <message>
        <location line="+4" />
        <source>Pressure : </source>
        <translation>Pressione: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Max Point Blank Range : </source>
        <translation>Portata utile massima: </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Far Zero Range : </source>
        <translation>Zero lontano: </translation>
    </message>
    <message>
        <location line="+41" />
        <source>Note : </source>
        <translation>Note: </translation>
    </message>
    <message>
        <location filename="../../results/rangecard.cpp" line="+126" />
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>Saver</name>
    <message>
        <location filename="../../settings/saver.cpp" line="+36" />
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <location line="+0" />
        <location line="+15" />
        <source>Vanto Files (*.vnt)</source>
        <translation>File Vanto (*.vnt)</translation>
    </message>
    <message>
        <location line="-7" />
        <location line="+13" />
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-13" />
        <source>The parameters could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare i parametri in %1:
%2</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Load File</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <location line="+6" />
        <source>The parameter file %1 could not be read:
%2</source>
        <translation>Non è stato possibile leggere il file di parametri %1:
%2</translation>
    </message>
    <message>
        <location filename="../../settings/parameterfile.cpp" line="+56" />
        <location line="+59" />
        <source>No temporary folder could be created.</source>
        <translation>Impossibile creare una cartella temporanea.</translation>
    </message>
    <message>
        <location line="-47" />
        <location line="+5" />
        <source>The parameters could not be prepared.</source>
        <translation>Non è stato possibile preparare i parametri.</translation>
    </message>
    <message>
        <location line="+25" />
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>This is a folder or a device, not a file.</source>
        <translation>Si tratta di una cartella o di un dispositivo, non di un file.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../settings/settings.cpp" line="+242" />
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Your settings cannot be saved to %1.
Vanto goes on with the values you enter, but they will be lost when it ends.</source>
        <translation>Le impostazioni non possono essere salvate in %1.
Vanto continua con i valori inseriti, ma andranno persi alla chiusura.</translation>
    </message>
</context>
<context>
    <name>Shoot</name>
    <message>
        <location filename="../../ballistics/shoot.cpp" line="-797" />
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
<context>
    <name>ShootContainer</name>
    <message>
        <location filename="../../loads/shootcontainer.cpp" line="+232" />
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <location filename="../../forms/about.ui" line="+16" />
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+10" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" font-size:12pt; font-weight:600;"&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Contact: questions and reports, see the &lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;user manual&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" text-decoration: underline;"&gt;Translations :&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Français : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Italiano : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Other : looking for translators !!&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Compiled with Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style="line-height:30%"&gt;Executed with Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" font-size:12pt; font-weight:600;"&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Contatti: domande e segnalazioni, vedere il &lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;manuale utente&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" text-decoration: underline;"&gt;Traduzioni:&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Français : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Italiano : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Altre: cerchiamo traduttori!&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Compilato con Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style="line-height:30%"&gt;Eseguito con Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../tools/about.cpp" line="+15" />
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
