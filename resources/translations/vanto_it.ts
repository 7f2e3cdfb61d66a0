<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../forms/mainwindow.ui" line="+14"/>
        <location line="+1465"/>
        <source>Vanto</source>
        <translation>Vanto</translation>
    </message>
    <message>
        <location line="-1425"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>General settings:</source>
        <translation>Impostazioni generali:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Include gyroscopic drift</source>
        <translation>Includi la deriva giroscopica</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Auto maximum range</source>
        <translation>Distanza massima automatica</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Maximum range</source>
        <translation>Distanza massima</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Multi shoot behavior</source>
        <translation>Confronto delle cariche</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Independant</source>
        <translation>Indipendenti</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Same Zero Range</source>
        <translation>Stessa distanza di azzeramento</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Same Angle</source>
        <translation>Stesso angolo di tiro</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kill zone</source>
        <translation>Zona vitale</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Range card settings:</source>
        <translation>Tabella di tiro:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> units</source>
        <translation> unità</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Display MOA</source>
        <translation>Mostra MOA</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Display mils</source>
        <translation>Mostra mil</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Display clicks</source>
        <translation>Mostra click</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Rifle and Scope</source>
        <translation>Arma e ottica</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Rifle:</source>
        <translation>Arma:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Sight height</source>
        <translation>Altezza di mira</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Barrel twist</source>
        <translation>Passo di rigatura</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Twist direction</source>
        <translation>Senso di rigatura</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>right</source>
        <translation>destrorsa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>left</source>
        <translation>sinistrorsa</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Scope:</source>
        <translation>Ottica:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scope click</source>
        <translation>Click della torretta</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>custom value</source>
        <translation>valore personalizzato</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Horiz.</source>
        <translation>Orizz.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+92"/>
        <source>at</source>
        <translation>a</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>Vert.</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <location line="+120"/>
        <source>Conditions and Wind</source>
        <translation>Condizioni e vento</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Conditions:</source>
        <translation>Condizioni:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Up/Downhill</source>
        <translation>Tiro in salita/discesa</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Up</source>
        <translation>Salita</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Down</source>
        <translation>Discesa</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Default pressure</source>
        <translation>Pressione standard</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Altitude correction</source>
        <translation>Correzione di quota</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Base pressure</source>
        <translation>Pressione di riferimento</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Altitude</source>
        <translation>Quota</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Wind:</source>
        <translation>Vento:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wind velocity</source>
        <translation>Velocità del vento</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Wind angle</source>
        <translation>Angolo del vento</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Compute !</source>
        <translation>Calcola!</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Drop</source>
        <translation>Caduta</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time of Flight</source>
        <translation>Tempo di volo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Max Height</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Load/Save</source>
        <translation>Carica/Salva</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Save parameters</source>
        <translation>Salva parametri</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Load parameters</source>
        <translation>Carica parametri</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>US</source>
        <translation>Imperiale (US)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>MOA</source>
        <translation>MOA</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>mils</source>
        <translation>mil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BC from velocity measurements</source>
        <translation>BC da misure di velocità</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Manage custom database</source>
        <translation>Gestisci il database personale</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>User Manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+321"/>
        <source>Restart interface ?</source>
        <translation>Riavviare l&apos;interfaccia?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply language change now ? This will restart the Vanto interface. All unsaved simulation will be lost.

Otherwise, the language change will be applied at next launch of Vanto.</source>
        <translation>Applicare ora il cambio di lingua? L&apos;interfaccia di Vanto verrà riavviata. Tutte le simulazioni non salvate andranno perse.

Altrimenti la nuova lingua sarà applicata al prossimo avvio di Vanto.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No reader found for pdf format. Please install a pdf reader to display user manual</source>
        <translation>Nessun lettore PDF trovato. Installare un lettore PDF per visualizzare il manuale utente</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../ballistics/shoot.cpp" line="+517"/>
        <location line="+453"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-452"/>
        <source>Ballistic coefficient missing or zero for load : </source>
        <translation>Coefficiente balistico mancante o nullo per la carica: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please enter a ballistic coefficient above 0</source>
        <translation>Inserire un coefficiente balistico maggiore di 0</translation>
    </message>
    <message>
        <location line="+452"/>
        <source>Zeroing range not reachable for load : </source>
        <translation>Distanza di azzeramento non raggiungibile per la carica: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try to reduce your zeroing range for this load, or to change some parameters</source>
        <translation>Provare a ridurre la distanza di azzeramento di questa carica o a modificare alcuni parametri</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <location filename="../../results/cardlayout.cpp" line="+27"/>
        <source>Range (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Range (yd)</source>
        <translation>Distanza (yd)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop (cm)</source>
        <translation>Caduta (cm)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drop (in)</source>
        <translation>Caduta (in)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop (MOA)</source>
        <translation>Caduta (MOA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop (mils)</source>
        <translation>Caduta (mil)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drop (clicks)</source>
        <translation>Caduta (click)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drift (cm)</source>
        <translation>Deriva (cm)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Drift (in)</source>
        <translation>Deriva (in)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drift (MOA)</source>
        <translation>Deriva (MOA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drift (mils)</source>
        <translation>Deriva (mil)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Drift (clicks)</source>
        <translation>Deriva (click)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Velocity (m/s)</source>
        <translation>Velocità (m/s)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Velocity (fps)</source>
        <translation>Velocità (fps)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Energy (J)</source>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Energy (ft.lbs)</source>
        <translation>Energia (ft.lbs)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time of flight (s)</source>
        <translation>Tempo di volo (s)</translation>
    </message>
</context>
<context>
    <name>Saver</name>
    <message>
        <location filename="../../settings/saver.cpp" line="+36"/>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+15"/>
        <source>Vanto Files (*.vnt)</source>
        <translation>File Vanto (*.vnt)</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+13"/>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The parameters could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare i parametri in %1:
%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Load File</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The parameter file %1 could not be read:
%2</source>
        <translation>Non è stato possibile leggere il file di parametri %1:
%2</translation>
    </message>
    <message>
        <location filename="../../settings/parameterfile.cpp" line="+55"/>
        <source>No temporary folder could be created.</source>
        <translation>Impossibile creare una cartella temporanea.</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+5"/>
        <source>The parameters could not be prepared.</source>
        <translation>Non è stato possibile preparare i parametri.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
</context>
<context>
    <name>Shoot</name>
    <message>
        <location filename="../../ballistics/shoot.cpp" line="-672"/>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
<context>
    <name>ShootContainer</name>
    <message>
        <location filename="../../loads/shootcontainer.cpp" line="+241"/>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
</TS>
