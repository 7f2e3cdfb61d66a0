<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BCfromVFinder</name>
    <message>
        <source>Calculate BC from velocity measures</source>
        <translation>Calcolo del BC da misure di velocità</translation>
    </message>
    <message>
        <source>Calculate BC from bullet velocity at two ranges</source>
        <translation>Calcolo del BC dalla velocità della palla a due distanze</translation>
    </message>
    <message>
        <source>Range near =</source>
        <translation>Distanza vicina =</translation>
    </message>
    <message>
        <source>Velocity =</source>
        <translation>Velocità =</translation>
    </message>
    <message>
        <source>Range far =</source>
        <translation>Distanza lontana =</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>BC = </source>
        <translation>BC = </translation>
    </message>
    <message>
        <source>Muzzle velocity = </source>
        <translation>Velocità alla bocca = </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Apply to load</source>
        <translation>Applica alla carica</translation>
    </message>
</context>
<context>
    <name>BulletCsv</name>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <translation>non è un numero: «%1»</translation>
    </message>
    <message>
        <source>out of range: %1</source>
        <translation>fuori intervallo: %1</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>testo dopo virgolette di chiusura</translation>
    </message>
    <message>
        <source>quoted field not closed</source>
        <translation>campo tra virgolette non chiuso</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>The file holds no header</source>
        <translation>Il file non ha intestazione</translation>
    </message>
    <message>
        <source>Line 1: no column &quot;%1&quot; in the header</source>
        <translation>Riga 1: nessuna colonna «%1» nell&apos;intestazione</translation>
    </message>
    <message>
        <source>Line %1: %2 fields, the header has %3</source>
        <translation>Riga %1: %2 campi, l&apos;intestazione ne ha %3</translation>
    </message>
    <message>
        <source>not a drag model (G1, G2, G5, G6, G7 or G8): &quot;%1&quot;</source>
        <translation>non è un modello di resistenza (G1, G2, G5, G6, G7 o G8): «%1»</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Riga %1, colonna %2: %3</translation>
    </message>
</context>
<context>
    <name>BulletDatabase</name>
    <message>
        <source>the file does not exist.</source>
        <translation>il file non esiste.</translation>
    </message>
    <message>
        <source>the file is damaged or is not a bullet database.</source>
        <translation>il file è danneggiato o non è un database di palle.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read: %2</source>
        <translation>Il database %1 non può essere letto: %2</translation>
    </message>
    <message>
        <source>another program holds the file locked. Vanto tries again at your next action on it.</source>
        <translation>un altro programma tiene il file bloccato. Vanto riprova alla sua prossima azione su di esso.</translation>
    </message>
</context>
<context>
    <name>CustoDBManager</name>
    <message>
        <source>Manage custom database</source>
        <translation>Gestisci il database personale</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Lenght</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>Grani</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>BC</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Add to Custom
Database</source>
        <translation>Aggiungi al
database personale</translation>
    </message>
    <message>
        <source>Remove selected from
Custom Database</source>
        <translation>Rimuovi la selezione dal
database personale</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The bullet could not be added to the custom database %1:
%2</source>
        <translation>Non è stato possibile aggiungere la palla al database personale %1:
%2</translation>
    </message>
    <message>
        <source>The bullet could not be removed from the custom database %1:
%2</source>
        <translation>Non è stato possibile rimuovere la palla dal database personale %1:
%2</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importa CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>Nulla è stato importato da %1:
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) added from %1</source>
        <translation>
            <numerusform>%n riga aggiunta da %1</numerusform>
            <numerusform>%n righe aggiunte da %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 were refused:</source>
        <translation>
            <numerusform>%n riga di %1 è stata rifiutata:</numerusform>
            <numerusform>%n righe di %1 sono state rifiutate:</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>The bullets could not be exported to %1:
%2</source>
        <translation>Non è stato possibile esportare le palle in %1:
%2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Esportato in %1</translation>
    </message>
</context>
<context>
    <name>CustomBulletModel</name>
    <message>
        <source>No values to identify the row</source>
        <translation>Nessun valore per identificare la riga</translation>
    </message>
</context>
<context>
    <name>DBselector</name>
    <message>
        <source>Bullet Selection</source>
        <translation>Scelta della palla</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Centerfire</source>
        <translation>Percussione centrale</translation>
    </message>
    <message>
        <source>Rimfire</source>
        <translation>Percussione anulare</translation>
    </message>
    <message>
        <source>Airgun Pellets</source>
        <translation>Pallini ad aria compressa</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personale</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>Grani</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Selected bullet Ballistic coeficient(s) :</source>
        <translation>Coefficiente/i balistico/i della palla scelta:</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The bullets of %1 cannot be listed: %2</source>
        <translation>Le palle di %1 non possono essere elencate: %2</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Ballistic Coeficient</source>
        <translation>Coefficiente balistico</translation>
    </message>
    <message>
        <source>From FPS</source>
        <translation>Da (fps)</translation>
    </message>
    <message>
        <source>To FPS</source>
        <translation>A (fps)</translation>
    </message>
</context>
<context>
    <name>DopeCard</name>
    <message>
        <source>Zero %1 %2, muzzle velocity %3 %4, BC %5 (%6), sight height %7 %8</source>
        <translation>Azzeramento %1 %2, velocità iniziale %3 %4, CB %5 (%6), altezza di mira %7 %8</translation>
    </message>
    <message>
        <source>Temperature %1 %2, pressure %3 hPa, wind %4 %5 at %6°</source>
        <translation>Temperatura %1 %2, pressione %3 hPa, vento %4 %5 a %6°</translation>
    </message>
    <message>
        <source>slope %1° %2</source>
        <translation>pendenza %1° %2</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>Data %1</translation>
    </message>
    <message>
        <source>(not recomputed): the inputs changed after the last computation</source>
        <translation>(non ricalcolato): i dati sono cambiati dopo l&apos;ultimo calcolo</translation>
    </message>
    <message>
        <source>Dope card</source>
        <translation>Tabella di tiro</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Wind hold (%1) at %2°</source>
        <translation>Correzione vento (%1) a %2°</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>click</translation>
    </message>
</context>
<context>
    <name>GraphContainer</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <source>Drop (cm)</source>
        <translation>Caduta (cm)</translation>
    </message>
    <message>
        <source>Distance (yd.)</source>
        <translation>Distanza (yd)</translation>
    </message>
    <message>
        <source>Killzone: </source>
        <translation>Zona vitale: </translation>
    </message>
    <message>
        <source>Drop (inches)</source>
        <translation>Caduta (pollici)</translation>
    </message>
    <message>
        <source>Drop (moa)</source>
        <translation>Caduta (MOA)</translation>
    </message>
    <message>
        <source>Drop (mils)</source>
        <translation>Caduta (mil)</translation>
    </message>
    <message>
        <source>Velocity (m/s)</source>
        <translation>Velocità (m/s)</translation>
    </message>
    <message>
        <source>Velocity (f/s)</source>
        <translation>Velocità (f/s)</translation>
    </message>
    <message>
        <source>Energy (J)</source>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <source>Energy (ft.lbs)</source>
        <translation>Energia (ft.lbs)</translation>
    </message>
    <message>
        <source>Time of flight (s)</source>
        <translation>Tempo di volo (s)</translation>
    </message>
    <message>
        <source>Drift (cm)</source>
        <translation>Deriva (cm)</translation>
    </message>
    <message>
        <source>Drift (inches)</source>
        <translation>Deriva (pollici)</translation>
    </message>
    <message>
        <source>Drift (moa)</source>
        <translation>Deriva (MOA)</translation>
    </message>
    <message>
        <source>Drift (mils)</source>
        <translation>Deriva (mil)</translation>
    </message>
    <message>
        <source>Max Height (cm)</source>
        <translation>Freccia (cm)</translation>
    </message>
    <message>
        <source>Max Height (inches)</source>
        <translation>Freccia (pollici)</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>MPBR:</source>
        <translation>MPBR:</translation>
    </message>
    <message>
        <source>NZR:</source>
        <translation>1° zero:</translation>
    </message>
    <message>
        <source>FZR:</source>
        <translation>2° zero:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>This range cannot be computed for this load</source>
        <translation>Questa distanza non può essere calcolata per questa carica</translation>
    </message>
    <message>
        <source>SG:</source>
        <translation>SG:</translation>
    </message>
    <message>
        <source>Gyroscopic stability factor</source>
        <translation>Fattore di stabilità giroscopica</translation>
    </message>
    <message>
        <source>The stability cannot be computed: check the weight, calibre and length of the bullet and the twist</source>
        <translation>La stabilità non può essere calcolata: controllare peso, calibro e lunghezza della palla e il passo di rigatura</translation>
    </message>
    <message>
        <source>(not stable)</source>
        <translation>(instabile)</translation>
    </message>
    <message>
        <source>Below 1.0 the bullet is not stable: it will tumble</source>
        <translation>Sotto 1,0 la palla non è stabile: si ribalterà</translation>
    </message>
    <message>
        <source>(marginal)</source>
        <translation>(al limite)</translation>
    </message>
    <message>
        <source>Below 1.3 the stability is marginal: the bullet may not fly point first in cold, dense air</source>
        <translation>Sotto 1,3 la stabilità è al limite: la palla può non volare di punta in aria fredda e densa</translation>
    </message>
    <message>
        <source>MPBR, NZR and FZR are the maximum point-blank range and the near and far zero ranges of the best zero for the kill zone (the bullet rises at most half the kill zone above the line of sight), not those of the load&apos;s own zero range.</source>
        <translation>MPBR, 1° zero e 2° zero sono la distanza massima di tiro utile e le distanze di zero vicina e lontana del miglior azzeramento per la zona vitale (la palla sale al massimo di metà della zona vitale sopra la linea di mira), non quelle della distanza di azzeramento della carica.</translation>
    </message>
    <message>
        <source>(length not checked)</source>
        <translation>(lunghezza non verificata)</translation>
    </message>
    <message>
        <source>The bullet database gives no length for this bullet, so this factor is computed with a length that may not be the bullet&apos;s: please enter the bullet&apos;s length in the load&apos;s page.</source>
        <translation>Il database dei proiettili non riporta la lunghezza di questa palla: questo fattore è quindi calcolato con una lunghezza che forse non è quella della palla. Inserite la lunghezza della palla nella pagina della carica.</translation>
    </message>
</context>
<context>
    <name>KillZoneSetter</name>
    <message>
        <source>Set kill zone size</source>
        <translation>Dimensione della zona vitale</translation>
    </message>
    <message>
        <source>KillZone Diameter</source>
        <translation>Diametro della zona vitale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vanto</source>
        <translation>Vanto</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General settings:</source>
        <translation>Impostazioni generali:</translation>
    </message>
    <message>
        <source>Include gyroscopic drift</source>
        <translation>Deriva giroscopica</translation>
    </message>
    <message>
        <source>Auto maximum range</source>
        <translation>Distanza max. automatica</translation>
    </message>
    <message>
        <source>Maximum range</source>
        <translation>Distanza massima</translation>
    </message>
    <message>
        <source>Multi shoot behavior</source>
        <translation>Confronto delle cariche</translation>
    </message>
    <message>
        <source>Independant</source>
        <translation>Indipendenti</translation>
    </message>
    <message>
        <source>Same Zero Range</source>
        <translation>Stesso zero</translation>
    </message>
    <message>
        <source>Same Angle</source>
        <translation>Stesso angolo</translation>
    </message>
    <message>
        <source>Kill zone</source>
        <translation>Zona vitale</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Range card settings:</source>
        <translation>Tabella di tiro:</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source> units</source>
        <translation> unità</translation>
    </message>
    <message>
        <source>Display MOA</source>
        <translation>Mostra MOA</translation>
    </message>
    <message>
        <source>Display mils</source>
        <translation>Mostra mil</translation>
    </message>
    <message>
        <source>Display clicks</source>
        <translation>Mostra click</translation>
    </message>
    <message>
        <source>Rifle and Scope</source>
        <translation>Arma e ottica</translation>
    </message>
    <message>
        <source>Rifle:</source>
        <translation>Arma:</translation>
    </message>
    <message>
        <source>Sight height</source>
        <translation>Altezza di mira</translation>
    </message>
    <message>
        <source>Barrel twist</source>
        <translation>Passo di rigatura</translation>
    </message>
    <message>
        <source>Twist direction</source>
        <translation>Senso di rigatura</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destrorsa</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistrorsa</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Ottica:</translation>
    </message>
    <message>
        <source>Scope click</source>
        <translation>Click della torretta</translation>
    </message>
    <message>
        <source>custom value</source>
        <translation>personalizzato</translation>
    </message>
    <message>
        <source>Horiz.</source>
        <translation>Orizz.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Vert.</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>Conditions and Wind</source>
        <translation>Condizioni e vento</translation>
    </message>
    <message>
        <source>Conditions:</source>
        <translation>Condizioni:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Up/Downhill</source>
        <translation>Pendenza</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Salita</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Discesa</translation>
    </message>
    <message>
        <source>Default pressure</source>
        <translation>Pressione standard</translation>
    </message>
    <message>
        <source>Altitude correction</source>
        <translation>Correzione di quota</translation>
    </message>
    <message>
        <source>Base pressure</source>
        <translation>Pressione rif.</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Wind:</source>
        <translation>Vento:</translation>
    </message>
    <message>
        <source>Wind velocity</source>
        <translation>Velocità del vento</translation>
    </message>
    <message>
        <source>Wind angle</source>
        <translation>Angolo del vento</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>Compute !</source>
        <translation>Calcola!</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Caduta</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <source>Time of Flight</source>
        <translation>Tempo di volo</translation>
    </message>
    <message>
        <source>Max Height</source>
        <translation>Freccia</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Load/Save</source>
        <translation>Carica/Salva</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Save parameters</source>
        <translation>Salva parametri</translation>
    </message>
    <message>
        <source>Load parameters</source>
        <translation>Carica parametri</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrico</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Imperiale (US)</translation>
    </message>
    <message>
        <source>MOA</source>
        <translation>MOA</translation>
    </message>
    <message>
        <source>mils</source>
        <translation>mil</translation>
    </message>
    <message>
        <source>BC from velocity measurements</source>
        <translation>BC da misure di velocità</translation>
    </message>
    <message>
        <source>Manage custom database</source>
        <translation>Gestisci il database personale</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuale utente</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Load </source>
        <translation>Carica </translation>
    </message>
    <message>
        <source>Restart interface ?</source>
        <translation>Riavviare l&apos;interfaccia?</translation>
    </message>
    <message>
        <source>Apply language change now ? This will restart the Vanto interface. All unsaved simulation will be lost.

Otherwise, the language change will be applied at next launch of Vanto.</source>
        <translation>Applicare ora il cambio di lingua? L&apos;interfaccia di Vanto verrà riavviata. Tutte le simulazioni non salvate andranno perse.

Altrimenti la nuova lingua sarà applicata al prossimo avvio di Vanto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>No reader found for pdf format. Please install a pdf reader to display user manual</source>
        <translation>Nessun lettore PDF trovato. Installare un lettore PDF per visualizzare il manuale utente</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Taratura sul tiro reale</translation>
    </message>
    <message>
        <source>The inputs changed since the last computation: the results are out of date</source>
        <translation>I dati sono cambiati dopo l&apos;ultimo calcolo: i risultati non sono aggiornati</translation>
    </message>
</context>
<context>
    <name>MasterSelector</name>
    <message>
        <source>Master Shoot Selection</source>
        <translation>Scelta della carica di riferimento</translation>
    </message>
</context>
<context>
    <name>ParamTab</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Muzzle Velocity</source>
        <translation>Velocità alla bocca</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibro</translation>
    </message>
    <message>
        <source>Ballistic Coefficient</source>
        <translation>Coefficiente balistico</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Zero range</source>
        <translation>Distanza di azzeramento</translation>
    </message>
    <message>
        <source>Set parameters
manualy</source>
        <translation>Inserisci i
parametri</translation>
    </message>
    <message>
        <source>Select from 
bullet database</source>
        <translation>Scegli dal
database delle palle</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>The bullet database gives no length for this bullet: the length shown is not the bullet&apos;s. Please check it and enter the bullet&apos;s length.</source>
        <translation>Il database non indica la lunghezza di questo proiettile: la lunghezza mostrata non è la sua. Verificarla e inserire la lunghezza del proiettile.</translation>
    </message>
    <message>
        <source>%1 above %2 ft/s</source>
        <translation>%1 sopra %2 ft/s</translation>
    </message>
    <message>
        <source>Coefficients by velocity:</source>
        <translation>Coefficienti secondo la velocità:</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>This is a folder.</source>
        <translation>Questa è una cartella.</translation>
    </message>
    <message>
        <source>The folder cannot be written: %1</source>
        <translation>Impossibile scrivere nella cartella: %1</translation>
    </message>
    <message>
        <source>The printing system reported an error.</source>
        <translation>Il sistema di stampa ha segnalato un errore.</translation>
    </message>
    <message>
        <source>The file could not be written whole: the disk may be full.</source>
        <translation>Il file non è stato scritto per intero: il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>The file could not be put in place: %1</source>
        <translation>Il file non è stato messo al suo posto: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Ballistic coefficient missing or zero for load : </source>
        <translation>Coefficiente balistico mancante o nullo per la carica: </translation>
    </message>
    <message>
        <source>Please enter a ballistic coefficient above 0</source>
        <translation>Inserire un coefficiente balistico maggiore di 0</translation>
    </message>
    <message>
        <source>Muzzle velocity missing or zero for load : </source>
        <translation>Velocità iniziale mancante o nulla per la carica: </translation>
    </message>
    <message>
        <source>Please enter a muzzle velocity above 0</source>
        <translation>Inserire una velocità iniziale maggiore di 0</translation>
    </message>
    <message>
        <source>Air density cannot be computed for load : </source>
        <translation>La densità dell&apos;aria non può essere calcolata per la carica: </translation>
    </message>
    <message>
        <source>Please check the pressure, the altitude and the temperature</source>
        <translation>Verificare la pressione, l&apos;altitudine e la temperatura</translation>
    </message>
    <message>
        <source>Ballistic coefficient too small for the velocity of load : </source>
        <translation>Coefficiente balistico troppo piccolo per la velocità della carica: </translation>
    </message>
    <message>
        <source>Please check the ballistic coefficient and the muzzle velocity of this load</source>
        <translation>Verificare il coefficiente balistico e la velocità iniziale di questa carica</translation>
    </message>
    <message>
        <source>Zeroing range not reachable for load : </source>
        <translation>Distanza di azzeramento non raggiungibile per la carica: </translation>
    </message>
    <message>
        <source>Please try to reduce your zeroing range for this load, or to change some parameters</source>
        <translation>Provare a ridurre la distanza di azzeramento di questa carica o a modificare alcuni parametri</translation>
    </message>
    <message>
        <source>Unable to find a valid solution</source>
        <translation>Impossibile trovare una soluzione valida</translation>
    </message>
    <message>
        <source>The load %1 has %2 ballistic coefficient bands: only the first %3 are kept.</source>
        <translation>La carica %1 ha %2 fasce di coefficiente balistico: vengono mantenute solo le prime %3.</translation>
    </message>
    <message>
        <source>Ballistic coefficient negative for load : </source>
        <translation>Coefficiente balistico negativo per il carico : </translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>Range (m)</source>
        <translation>Distanza (m)</translation>
    </message>
    <message>
        <source>Range (yd)</source>
        <translation>Distanza (yd)</translation>
    </message>
    <message>
        <source>Drop (cm)</source>
        <translation>Caduta (cm)</translation>
    </message>
    <message>
        <source>Drop (in)</source>
        <translation>Caduta (in)</translation>
    </message>
    <message>
        <source>Drop (MOA)</source>
        <translation>Caduta (MOA)</translation>
    </message>
    <message>
        <source>Drop (mils)</source>
        <translation>Caduta (mil)</translation>
    </message>
    <message>
        <source>Drop (clicks)</source>
        <translation>Caduta (click)</translation>
    </message>
    <message>
        <source>Drift (cm)</source>
        <translation>Deriva (cm)</translation>
    </message>
    <message>
        <source>Drift (in)</source>
        <translation>Deriva (in)</translation>
    </message>
    <message>
        <source>Drift (MOA)</source>
        <translation>Deriva (MOA)</translation>
    </message>
    <message>
        <source>Drift (mils)</source>
        <translation>Deriva (mil)</translation>
    </message>
    <message>
        <source>Drift (clicks)</source>
        <translation>Deriva (click)</translation>
    </message>
    <message>
        <source>Velocity (m/s)</source>
        <translation>Velocità (m/s)</translation>
    </message>
    <message>
        <source>Velocity (fps)</source>
        <translation>Velocità (fps)</translation>
    </message>
    <message>
        <source>Energy (J)</source>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <source>Energy (ft.lbs)</source>
        <translation>Energia (ft.lbs)</translation>
    </message>
    <message>
        <source>Time of flight (s)</source>
        <translation>Tempo di volo (s)</translation>
    </message>
    <message>
        <source>Cannot be computed for this load</source>
        <translation>Non calcolabile per questa carica</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Export To Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Print Range Card</source>
        <translation>Stampa la tabella</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Caduta</translation>
    </message>
    <message>
        <source>Drop MOA</source>
        <translation>Caduta MOA</translation>
    </message>
    <message>
        <source>Drop Clicks</source>
        <translation>Caduta click</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Deriva</translation>
    </message>
    <message>
        <source>Drift MOA</source>
        <translation>Deriva MOA</translation>
    </message>
    <message>
        <source>Drift Clicks</source>
        <translation>Deriva click</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation>Tempo di volo</translation>
    </message>
    <message>
        <source>Drop mils</source>
        <translation>Caduta mil</translation>
    </message>
    <message>
        <source>Drift mils</source>
        <translation>Deriva mil</translation>
    </message>
    <message>
        <source>Projectile Caliber : </source>
        <translation>Calibro della palla: </translation>
    </message>
    <message>
        <source>Ballistic Coeff : </source>
        <translation>Coeff. balistico: </translation>
    </message>
    <message>
        <source>Muzzle Velocity : </source>
        <translation>Velocità alla bocca: </translation>
    </message>
    <message>
        <source>Barrel Twist : </source>
        <translation>Passo di rigatura: </translation>
    </message>
    <message>
        <source>Sight Heigh : </source>
        <translation>Altezza di mira: </translation>
    </message>
    <message>
        <source>Wind Velocity : </source>
        <translation>Velocità del vento: </translation>
    </message>
    <message>
        <source>Temperature : </source>
        <translation>Temperatura: </translation>
    </message>
    <message>
        <source>KillZone : </source>
        <translation>Zona vitale: </translation>
    </message>
    <message>
        <source>Near Zero Range : </source>
        <translation>Zero vicino: </translation>
    </message>
    <message>
        <source>Projectile Weight : </source>
        <translation>Peso della palla: </translation>
    </message>
    <message>
        <source>Length : </source>
        <translation>Lunghezza: </translation>
    </message>
    <message>
        <source>Zero Range : </source>
        <translation>Distanza di azzeramento: </translation>
    </message>
    <message>
        <source>Direction : </source>
        <translation>Senso: </translation>
    </message>
    <message>
        <source>Scope Click : </source>
        <translation>Click della torretta: </translation>
    </message>
    <message>
        <source>Wind Angle : </source>
        <translation>Angolo del vento: </translation>
    </message>
    <message>
        <source>Pressure : </source>
        <translation>Pressione: </translation>
    </message>
    <message>
        <source>Max Point Blank Range : </source>
        <translation>Portata utile massima: </translation>
    </message>
    <message>
        <source>Far Zero Range : </source>
        <translation>Zero lontano: </translation>
    </message>
    <message>
        <source>Note : </source>
        <translation>Note: </translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Print Dope Card</source>
        <translation>Stampa tabella di tiro</translation>
    </message>
    <message>
        <source>Dope Card As PDF</source>
        <translation>Tabella di tiro in PDF</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The range card could not be saved to %1:
%2</source>
        <translation>La tabella di tiro non è stata salvata in %1:
%2</translation>
    </message>
    <message>
        <source>The dope card could not be saved to %1:
%2</source>
        <translation>La tabella di tiro compatta non è stata salvata in %1:
%2</translation>
    </message>
    <message>
        <source>Near zero, far zero and maximum point-blank range are those of the best zero for the kill zone (the bullet rises at most half the kill zone above the line of sight), not of the zero range above.</source>
        <translation>Zero vicino, zero lontano e distanza massima di tiro utile sono quelli del miglior azzeramento per la zona vitale (la palla sale al massimo di metà della zona vitale sopra la linea di mira), non della distanza di azzeramento qui sopra.</translation>
    </message>
</context>
<context>
    <name>ResultsState</name>
    <message>
        <source>(not recomputed)</source>
        <translation>(non ricalcolato)</translation>
    </message>
</context>
<context>
    <name>Saver</name>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Vanto Files (*.vnt)</source>
        <translation>File Vanto (*.vnt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The parameters could not be saved to %1:
%2</source>
        <translation>Non è stato possibile salvare i parametri in %1:
%2</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Carica file</translation>
    </message>
    <message>
        <source>The parameter file %1 could not be read:
%2</source>
        <translation>Non è stato possibile leggere il file di parametri %1:
%2</translation>
    </message>
    <message>
        <source>The parameters could not be prepared.</source>
        <translation>Non è stato possibile preparare i parametri.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>This is a folder or a device, not a file.</source>
        <translation>Si tratta di una cartella o di un dispositivo, non di un file.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written; it may be full.</source>
        <translation>Impossibile scrivere nella cartella temporanea %1; potrebbe essere piena.</translation>
    </message>
    <message>
        <source>The file is too large to be a parameter file.</source>
        <translation>Il file è troppo grande per essere un file di parametri.</translation>
    </message>
    <message>
        <source>The file could not be read whole.</source>
        <translation>Il file non è stato letto per intero.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1.
Vanto goes on with the values you enter, but they will be lost when it ends.</source>
        <translation>Le impostazioni non possono essere salvate in %1.
Vanto continua con i valori inseriti, ma andranno persi alla chiusura.</translation>
    </message>
</context>
<context>
    <name>Shoot</name>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
<context>
    <name>ShootContainer</name>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
</context>
<context>
    <name>Truing</name>
    <message>
        <source>Muzzle velocity = %1 %2</source>
        <translation>Velocità iniziale = %1 %2</translation>
    </message>
</context>
<context>
    <name>TruingDialog</name>
    <message>
        <source>Truing</source>
        <translation>Taratura sul tiro reale</translation>
    </message>
    <message>
        <source>How far below the point of aim the bullet hit, or the elevation dialled up that hit</source>
        <translation>Di quanto il colpo è sotto il punto mirato, o l&apos;elevazione impostata che ha colpito</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>click</translation>
    </message>
    <message>
        <source>Muzzle velocity</source>
        <translation>Velocità iniziale</translation>
    </message>
    <message>
        <source>Ballistic coefficient</source>
        <translation>Coefficiente balistico</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Observed drop</source>
        <translation>Caduta osservata</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Apply to load</source>
        <translation>Applica alla carica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Computed drop = %1 %2</source>
        <translation>Caduta calcolata = %1 %2</translation>
    </message>
    <message>
        <source>Change = %1 %</source>
        <translation>Variazione = %1 %</translation>
    </message>
</context>
<context>
    <name>Vanto</name>
    <message>
        <source>Vanto user manual (%1)</source>
        <translation>Manuale utente di Vanto (%1)</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Contact: questions and reports, see the &lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;user manual&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; text-decoration: underline;&quot;&gt;Translations :&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Français : Vanto contributors&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Italiano : Vanto contributors&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Other : looking for translators !!&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Compiled with Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Executed with Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Contatti: domande e segnalazioni, vedere il &lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;manuale utente&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; text-decoration: underline;&quot;&gt;Traduzioni:&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Français : contributori di Vanto&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Italiano : contributori di Vanto&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Altre: cerchiamo traduttori!&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Compilato con Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Eseguito con Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
