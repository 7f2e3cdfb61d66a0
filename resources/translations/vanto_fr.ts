<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BCfromVFinder</name>
    <message>
        <source>Calculate BC from velocity measures</source>
        <translation>Calcul du CB à partir de mesures de vitesse</translation>
    </message>
    <message>
        <source>Calculate BC from bullet velocity at two ranges</source>
        <translation>Calcul du CB à partir de la vitesse du projectile à deux distances</translation>
    </message>
    <message>
        <source>Range near =</source>
        <translation>Distance proche =</translation>
    </message>
    <message>
        <source>Velocity =</source>
        <translation>Vitesse =</translation>
    </message>
    <message>
        <source>Range far =</source>
        <translation>Distance lointaine =</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>BC = </source>
        <translation>CB = </translation>
    </message>
    <message>
        <source>Muzzle velocity = </source>
        <translation>Vitesse initiale = </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Apply to load</source>
        <translation>Appliquer à la charge</translation>
    </message>
</context>
<context>
    <name>BulletCsv</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <translation>pas un nombre : « %1 »</translation>
    </message>
    <message>
        <source>out of range: %1</source>
        <translation>hors limites : %1</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>quoted field not closed</source>
        <translation>champ entre guillemets non fermé</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The file holds no header</source>
        <translation>Le fichier n&apos;a pas d&apos;en-tête</translation>
    </message>
    <message>
        <source>Line 1: no column &quot;%1&quot; in the header</source>
        <translation>Ligne 1 : pas de colonne « %1 » dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>Line %1: %2 fields, the header has %3</source>
        <translation>Ligne %1 : %2 champs, l&apos;en-tête en a %3</translation>
    </message>
    <message>
        <source>not a drag model (G1, G2, G5, G6, G7 or G8): &quot;%1&quot;</source>
        <translation>pas une loi de traînée (G1, G2, G5, G6, G7 ou G8) : « %1 »</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <translation>Ligne %1, colonne %2 : %3</translation>
    </message>
</context>
<context>
    <name>BulletDatabase</name>
    <message>
        <source>the file does not exist.</source>
        <translation>le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the file is damaged or is not a bullet database.</source>
        <translation>le fichier est endommagé ou n&apos;est pas une base de projectiles.</translation>
    </message>
    <message>
        <source>The database %1 cannot be read: %2</source>
        <translation>La base %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>another program holds the file locked. Vanto tries again at your next action on it.</source>
        <translation>un autre programme verrouille le fichier. Vanto réessaie à votre prochaine action sur celui-ci.</translation>
    </message>
</context>
<context>
    <name>CustoDBManager</name>
    <message>
        <source>Manage custom database</source>
        <translation>Gérer la base personnelle</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Lenght</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>Grains</translation>
    </message>
    <message>
        <source>BC</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Add to Custom
Database</source>
        <translation>Ajouter à la
base personnelle</translation>
    </message>
    <message>
        <source>Remove selected from
Custom Database</source>
        <translation>Retirer la sélection de
la base personnelle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>The bullet could not be added to the custom database %1:
%2</source>
        <translation>Le projectile n&apos;a pas pu être ajouté à la base personnelle %1 :
%2</translation>
    </message>
    <message>
        <source>The bullet could not be removed from the custom database %1:
%2</source>
        <translation>Le projectile n&apos;a pas pu être retiré de la base personnelle %1 :
%2</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer un CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Nothing was imported from %1:
%2</source>
        <translation>Rien n&apos;a été importé de %1 :
%2</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) added from %1</source>
        <translation>
            <numerusform>%n ligne ajoutée depuis %1</numerusform>
            <numerusform>%n lignes ajoutées depuis %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of %1 were refused:</source>
        <translation>
            <numerusform>%n ligne de %1 a été refusée :</numerusform>
            <numerusform>%n lignes de %1 ont été refusées :</numerusform>
        </translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>The bullets could not be exported to %1:
%2</source>
        <translation>Les projectiles n&apos;ont pas pu être exportés vers %1 :
%2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
</context>
<context>
    <name>CustomBulletModel</name>
    <message>
        <source>No values to identify the row</source>
        <translation>Aucune valeur pour identifier la ligne</translation>
    </message>
</context>
<context>
    <name>DBselector</name>
    <message>
        <source>Bullet Selection</source>
        <translation>Choix du projectile</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Centerfire</source>
        <translation>Percussion centrale</translation>
    </message>
    <message>
        <source>Rimfire</source>
        <translation>Percussion annulaire</translation>
    </message>
    <message>
        <source>Airgun Pellets</source>
        <translation>Plombs d&apos;air comprimé</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnelle</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Grains</source>
        <translation>Grains</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Selected bullet Ballistic coeficient(s) :</source>
        <translation>Coefficient(s) balistique(s) du projectile choisi :</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The bullets of %1 cannot be listed: %2</source>
        <translation>Les projectiles de %1 ne peuvent pas être listés : %2</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Reference Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Ballistic Coeficient</source>
        <translation>Coefficient balistique</translation>
    </message>
    <message>
        <source>From FPS</source>
        <translation>De (fps)</translation>
    </message>
    <message>
        <source>To FPS</source>
        <translation>À (fps)</translation>
    </message>
</context>
<context>
    <name>DopeCard</name>
    <message>
        <source>Zero %1 %2, muzzle velocity %3 %4, BC %5 (%6), sight height %7 %8</source>
        <translation>Zéro %1 %2, vitesse initiale %3 %4, CB %5 (%6), hauteur de visée %7 %8</translation>
    </message>
    <message>
        <source>Temperature %1 %2, pressure %3 hPa, wind %4 %5 at %6°</source>
        <translation>Température %1 %2, pression %3 hPa, vent %4 %5 à %6°</translation>
    </message>
    <message>
        <source>slope %1° %2</source>
        <translation>pente %1° %2</translation>
    </message>
    <message>
        <source>Date %1</source>
        <translation>Date %1</translation>
    </message>
    <message>
        <source>(not recomputed): the inputs changed after the last computation</source>
        <translation>(non recalculé) : les données ont changé depuis le dernier calcul</translation>
    </message>
    <message>
        <source>Dope card</source>
        <translation>Fiche de tir</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Wind hold (%1) at %2°</source>
        <translation>Correction de vent (%1) à %2°</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>clics</translation>
    </message>
</context>
<context>
    <name>GraphContainer</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Distance (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Drop (cm)</source>
        <translation>Chute (cm)</translation>
    </message>
    <message>
        <source>Distance (yd.)</source>
        <translation>Distance (yd)</translation>
    </message>
    <message>
        <source>Killzone: </source>
        <translation>Zone vitale : </translation>
    </message>
    <message>
        <source>Drop (inches)</source>
        <translation>Chute (pouces)</translation>
    </message>
    <message>
        <source>Drop (moa)</source>
        <translation>Chute (MOA)</translation>
    </message>
    <message>
        <source>Drop (mils)</source>
        <translation>Chute (mils)</translation>
    </message>
    <message>
        <source>Velocity (m/s)</source>
        <translation>Vitesse (m/s)</translation>
    </message>
    <message>
        <source>Velocity (f/s)</source>
        <translation>Vitesse (f/s)</translation>
    </message>
    <message>
        <source>Energy (J)</source>
        <translation>Énergie (J)</translation>
    </message>
    <message>
        <source>Energy (ft.lbs)</source>
        <translation>Énergie (ft.lbs)</translation>
    </message>
    <message>
        <source>Time of flight (s)</source>
        <translation>Temps de vol (s)</translation>
    </message>
    <message>
        <source>Drift (cm)</source>
        <translation>Dérive (cm)</translation>
    </message>
    <message>
        <source>Drift (inches)</source>
        <translation>Dérive (pouces)</translation>
    </message>
    <message>
        <source>Drift (moa)</source>
        <translation>Dérive (MOA)</translation>
    </message>
    <message>
        <source>Drift (mils)</source>
        <translation>Dérive (mils)</translation>
    </message>
    <message>
        <source>Max Height (cm)</source>
        <translation>Flèche (cm)</translation>
    </message>
    <message>
        <source>Max Height (inches)</source>
        <translation>Flèche (pouces)</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>MPBR:</source>
        <translation>MPBR :</translation>
    </message>
    <message>
        <source>NZR:</source>
        <translation>Zéro 1 :</translation>
    </message>
    <message>
        <source>FZR:</source>
        <translation>Zéro 2 :</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>This range cannot be computed for this load</source>
        <translation>Cette distance ne peut pas être calculée pour cette charge</translation>
    </message>
    <message>
        <source>SG:</source>
        <translation>SG :</translation>
    </message>
    <message>
        <source>Gyroscopic stability factor</source>
        <translation>Facteur de stabilité gyroscopique</translation>
    </message>
    <message>
        <source>The stability cannot be computed: check the weight, calibre and length of the bullet and the twist</source>
        <translation>La stabilité ne peut pas être calculée : vérifiez le poids, le calibre et la longueur de la balle et le pas de rayure</translation>
    </message>
    <message>
        <source>(not stable)</source>
        <translation>(instable)</translation>
    </message>
    <message>
        <source>Below 1.0 the bullet is not stable: it will tumble</source>
        <translation>En dessous de 1,0 la balle n&apos;est pas stable : elle basculera</translation>
    </message>
    <message>
        <source>(marginal)</source>
        <translation>(limite)</translation>
    </message>
    <message>
        <source>Below 1.3 the stability is marginal: the bullet may not fly point first in cold, dense air</source>
        <translation>En dessous de 1,3 la stabilité est limite : la balle peut ne pas voler pointe en avant dans un air froid et dense</translation>
    </message>
    <message>
        <source>MPBR, NZR and FZR are the maximum point-blank range and the near and far zero ranges of the best zero for the kill zone (the bullet rises at most half the kill zone above the line of sight), not those of the load&apos;s own zero range.</source>
        <translation>MPBR, Zéro 1 et Zéro 2 sont la portée maximale de tir à bout portant et les distances de zéro proche et lointaine du meilleur zéro pour la zone vitale (la balle monte au plus de la moitié de la zone vitale au-dessus de la ligne de visée), et non celles de la distance de zéro de la charge.</translation>
    </message>
    <message>
        <source>(length not checked)</source>
        <translation>(longueur non vérifiée)</translation>
    </message>
    <message>
        <source>The bullet database gives no length for this bullet, so this factor is computed with a length that may not be the bullet&apos;s: please enter the bullet&apos;s length in the load&apos;s page.</source>
        <translation>La base de projectiles ne donne pas de longueur pour cette balle : ce facteur est donc calculé avec une longueur qui n&apos;est peut-être pas celle de la balle. Saisissez la longueur de la balle dans la page de la charge.</translation>
    </message>
</context>
<context>
    <name>KillZoneSetter</name>
    <message>
        <source>Set kill zone size</source>
        <translation>Taille de la zone vitale</translation>
    </message>
    <message>
        <source>KillZone Diameter</source>
        <translation>Diamètre de la zone vitale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <source>General settings:</source>
        <translation>Réglages généraux :</translation>
    </message>
    <message>
        <source>Include gyroscopic drift</source>
        <translation>Dérive gyroscopique</translation>
    </message>
    <message>
        <source>Auto maximum range</source>
        <translation>Portée max. automatique</translation>
    </message>
    <message>
        <source>Maximum range</source>
        <translation>Portée maximale</translation>
    </message>
    <message>
        <source>Multi shoot behavior</source>
        <translation>Comparaison des charges</translation>
    </message>
    <message>
        <source>Independant</source>
        <translation>Indépendantes</translation>
    </message>
    <message>
        <source>Same Zero Range</source>
        <translation>Même zéro</translation>
    </message>
    <message>
        <source>Same Angle</source>
        <translation>Même angle</translation>
    </message>
    <message>
        <source>Kill zone</source>
        <translation>Zone vitale</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Range card settings:</source>
        <translation>Table de tir :</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source> units</source>
        <translation> unités</translation>
    </message>
    <message>
        <source>Display MOA</source>
        <translation>Afficher les MOA</translation>
    </message>
    <message>
        <source>Display mils</source>
        <translation>Afficher les mils</translation>
    </message>
    <message>
        <source>Display clicks</source>
        <translation>Afficher les clics</translation>
    </message>
    <message>
        <source>Rifle and Scope</source>
        <translation>Arme et lunette</translation>
    </message>
    <message>
        <source>Rifle:</source>
        <translation>Arme :</translation>
    </message>
    <message>
        <source>Sight height</source>
        <translation>Hauteur de visée</translation>
    </message>
    <message>
        <source>Barrel twist</source>
        <translation>Pas de rayure</translation>
    </message>
    <message>
        <source>Twist direction</source>
        <translation>Sens des rayures</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Lunette :</translation>
    </message>
    <message>
        <source>Scope click</source>
        <translation>Clic de tourelle</translation>
    </message>
    <message>
        <source>custom value</source>
        <translation>personnalisée</translation>
    </message>
    <message>
        <source>Horiz.</source>
        <translation>Horiz.</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Vert.</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>Conditions and Wind</source>
        <translation>Conditions et vent</translation>
    </message>
    <message>
        <source>Conditions:</source>
        <translation>Conditions :</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Up/Downhill</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descente</translation>
    </message>
    <message>
        <source>Default pressure</source>
        <translation>Pression standard</translation>
    </message>
    <message>
        <source>Altitude correction</source>
        <translation>Correction d&apos;altitude</translation>
    </message>
    <message>
        <source>Base pressure</source>
        <translation>Pression de réf.</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Wind:</source>
        <translation>Vent :</translation>
    </message>
    <message>
        <source>Wind velocity</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <source>Wind angle</source>
        <translation>Angle du vent</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>Compute !</source>
        <translation>Calculer !</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Chute</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>Time of Flight</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Max Height</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Load/Save</source>
        <translation>Charger/Enregistrer</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Save parameters</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Load parameters</source>
        <translation>Charger des paramètres</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Impérial (US)</translation>
    </message>
    <message>
        <source>MOA</source>
        <translation>MOA</translation>
    </message>
    <message>
        <source>mils</source>
        <translation>mils</translation>
    </message>
    <message>
        <source>BC from velocity measurements</source>
        <translation>CB à partir de mesures de vitesse</translation>
    </message>
    <message>
        <source>Manage custom database</source>
        <translation>Gérer la base personnelle</translation>
    </message>
    <message>
        <source>User Manual</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Load </source>
        <translation>Charge </translation>
    </message>
    <message>
        <source>Restart interface ?</source>
        <translation>Redémarrer l&apos;interface ?</translation>
    </message>
    <message>
        <source>Apply language change now ? This will restart the Vanto interface. All unsaved simulation will be lost.

Otherwise, the language change will be applied at next launch of Vanto.</source>
        <translation>Appliquer le changement de langue maintenant ? L&apos;interface de Vanto va redémarrer. Toute simulation non enregistrée sera perdue.

Sinon, la nouvelle langue sera appliquée au prochain lancement de Vanto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>No reader found for pdf format. Please install a pdf reader to display user manual</source>
        <translation>Aucun lecteur PDF trouvé. Veuillez installer un lecteur PDF pour afficher le manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>Truing</source>
        <translation>Ajustement au tir réel</translation>
    </message>
    <message>
        <source>The inputs changed since the last computation: the results are out of date</source>
        <translation>Les données ont changé depuis le dernier calcul : les résultats ne sont plus à jour</translation>
    </message>
</context>
<context>
    <name>MasterSelector</name>
    <message>
        <source>Master Shoot Selection</source>
        <translation>Choix de la charge de référence</translation>
    </message>
</context>
<context>
    <name>ParamTab</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Muzzle Velocity</source>
        <translation>Vitesse initiale</translation>
    </message>
    <message>
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <source>Ballistic Coefficient</source>
        <translation>Coefficient balistique</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Zero range</source>
        <translation>Distance de réglage</translation>
    </message>
    <message>
        <source>Set parameters
manualy</source>
        <translation>Saisir les
paramètres</translation>
    </message>
    <message>
        <source>Select from 
bullet database</source>
        <translation>Choisir dans la
base de projectiles</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>The bullet database gives no length for this bullet: the length shown is not the bullet&apos;s. Please check it and enter the bullet&apos;s length.</source>
        <translation>La base de données ne donne pas la longueur de ce projectile : la longueur affichée n&apos;est pas la sienne. Veuillez la vérifier et saisir la longueur du projectile.</translation>
    </message>
    <message>
        <source>%1 above %2 ft/s</source>
        <translation>%1 au-dessus de %2 ft/s</translation>
    </message>
    <message>
        <source>Coefficients by velocity:</source>
        <translation>Coefficients selon la vitesse :</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>This is a folder.</source>
        <translation>C&apos;est un dossier.</translation>
    </message>
    <message>
        <source>The folder cannot be written: %1</source>
        <translation>Impossible d&apos;écrire dans le dossier : %1</translation>
    </message>
    <message>
        <source>The printing system reported an error.</source>
        <translation>Le système d&apos;impression a signalé une erreur.</translation>
    </message>
    <message>
        <source>The file could not be written whole: the disk may be full.</source>
        <translation>Le fichier n&apos;a pas pu être écrit en entier : le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>The file could not be put in place: %1</source>
        <translation>Le fichier n&apos;a pas pu être mis en place : %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Ballistic coefficient missing or zero for load : </source>
        <translation>Coefficient balistique absent ou nul pour la charge : </translation>
    </message>
    <message>
        <source>Please enter a ballistic coefficient above 0</source>
        <translation>Veuillez saisir un coefficient balistique supérieur à 0</translation>
    </message>
    <message>
        <source>Muzzle velocity missing or zero for load : </source>
        <translation>Vitesse initiale absente ou nulle pour la charge : </translation>
    </message>
    <message>
        <source>Please enter a muzzle velocity above 0</source>
        <translation>Veuillez saisir une vitesse initiale supérieure à 0</translation>
    </message>
    <message>
        <source>Air density cannot be computed for load : </source>
        <translation>La densité de l&apos;air ne peut pas être calculée pour la charge : </translation>
    </message>
    <message>
        <source>Please check the pressure, the altitude and the temperature</source>
        <translation>Veuillez vérifier la pression, l&apos;altitude et la température</translation>
    </message>
    <message>
        <source>Ballistic coefficient too small for the velocity of load : </source>
        <translation>Coefficient balistique trop faible pour la vitesse de la charge : </translation>
    </message>
    <message>
        <source>Please check the ballistic coefficient and the muzzle velocity of this load</source>
        <translation>Veuillez vérifier le coefficient balistique et la vitesse initiale de cette charge</translation>
    </message>
    <message>
        <source>Zeroing range not reachable for load : </source>
        <translation>Distance de réglage impossible à atteindre pour la charge : </translation>
    </message>
    <message>
        <source>Please try to reduce your zeroing range for this load, or to change some parameters</source>
        <translation>Essayez de réduire la distance de réglage de cette charge ou de modifier certains paramètres</translation>
    </message>
    <message>
        <source>Unable to find a valid solution</source>
        <translation>Impossible de trouver une solution valable</translation>
    </message>
    <message>
        <source>The load %1 has %2 ballistic coefficient bands: only the first %3 are kept.</source>
        <translation>La charge %1 a %2 plages de coefficient balistique : seules les %3 premières sont conservées.</translation>
    </message>
    <message>
        <source>Ballistic coefficient negative for load : </source>
        <translation>Coefficient balistique négatif pour la charge : </translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <source>Range (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Range (yd)</source>
        <translation>Distance (yd)</translation>
    </message>
    <message>
        <source>Drop (cm)</source>
        <translation>Chute (cm)</translation>
    </message>
    <message>
        <source>Drop (in)</source>
        <translation>Chute (in)</translation>
    </message>
    <message>
        <source>Drop (MOA)</source>
        <translation>Chute (MOA)</translation>
    </message>
    <message>
        <source>Drop (mils)</source>
        <translation>Chute (mils)</translation>
    </message>
    <message>
        <source>Drop (clicks)</source>
        <translation>Chute (clics)</translation>
    </message>
    <message>
        <source>Drift (cm)</source>
        <translation>Dérive (cm)</translation>
    </message>
    <message>
        <source>Drift (in)</source>
        <translation>Dérive (in)</translation>
    </message>
    <message>
        <source>Drift (MOA)</source>
        <translation>Dérive (MOA)</translation>
    </message>
    <message>
        <source>Drift (mils)</source>
        <translation>Dérive (mils)</translation>
    </message>
    <message>
        <source>Drift (clicks)</source>
        <translation>Dérive (clics)</translation>
    </message>
    <message>
        <source>Velocity (m/s)</source>
        <translation>Vitesse (m/s)</translation>
    </message>
    <message>
        <source>Velocity (fps)</source>
        <translation>Vitesse (fps)</translation>
    </message>
    <message>
        <source>Energy (J)</source>
        <translation>Énergie (J)</translation>
    </message>
    <message>
        <source>Energy (ft.lbs)</source>
        <translation>Énergie (ft.lbs)</translation>
    </message>
    <message>
        <source>Time of flight (s)</source>
        <translation>Temps de vol (s)</translation>
    </message>
    <message>
        <source>Cannot be computed for this load</source>
        <translation>Ne peut pas être calculé pour cette charge</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Export To Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Print Range Card</source>
        <translation>Imprimer la table</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Chute</translation>
    </message>
    <message>
        <source>Drop MOA</source>
        <translation>Chute MOA</translation>
    </message>
    <message>
        <source>Drop Clicks</source>
        <translation>Chute clics</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <source>Drift MOA</source>
        <translation>Dérive MOA</translation>
    </message>
    <message>
        <source>Drift Clicks</source>
        <translation>Dérive clics</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Time of flight</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <source>Drop mils</source>
        <translation>Chute mils</translation>
    </message>
    <message>
        <source>Drift mils</source>
        <translation>Dérive mils</translation>
    </message>
    <message>
        <source>Projectile Caliber : </source>
        <translation>Calibre du projectile : </translation>
    </message>
    <message>
        <source>Ballistic Coeff : </source>
        <translation>Coeff. balistique : </translation>
    </message>
    <message>
        <source>Muzzle Velocity : </source>
        <translation>Vitesse initiale : </translation>
    </message>
    <message>
        <source>Barrel Twist : </source>
        <translation>Pas de rayure : </translation>
    </message>
    <message>
        <source>Sight Heigh : </source>
        <translation>Hauteur de visée : </translation>
    </message>
    <message>
        <source>Wind Velocity : </source>
        <translation>Vitesse du vent : </translation>
    </message>
    <message>
        <source>Temperature : </source>
        <translation>Température : </translation>
    </message>
    <message>
        <source>KillZone : </source>
        <translation>Zone vitale : </translation>
    </message>
    <message>
        <source>Near Zero Range : </source>
        <translation>Zéro proche : </translation>
    </message>
    <message>
        <source>Projectile Weight : </source>
        <translation>Poids du projectile : </translation>
    </message>
    <message>
        <source>Length : </source>
        <translation>Longueur : </translation>
    </message>
    <message>
        <source>Zero Range : </source>
        <translation>Distance de réglage : </translation>
    </message>
    <message>
        <source>Direction : </source>
        <translation>Sens : </translation>
    </message>
    <message>
        <source>Scope Click : </source>
        <translation>Clic de tourelle : </translation>
    </message>
    <message>
        <source>Wind Angle : </source>
        <translation>Angle du vent : </translation>
    </message>
    <message>
        <source>Pressure : </source>
        <translation>Pression : </translation>
    </message>
    <message>
        <source>Max Point Blank Range : </source>
        <translation>Portée de tir direct max : </translation>
    </message>
    <message>
        <source>Far Zero Range : </source>
        <translation>Zéro lointain : </translation>
    </message>
    <message>
        <source>Note : </source>
        <translation>Note : </translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Print Dope Card</source>
        <translation>Imprimer la fiche de tir</translation>
    </message>
    <message>
        <source>Dope Card As PDF</source>
        <translation>Fiche de tir en PDF</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>The range card could not be saved to %1:
%2</source>
        <translation>La table de tir n&apos;a pas pu être enregistrée dans %1 :
%2</translation>
    </message>
    <message>
        <source>The dope card could not be saved to %1:
%2</source>
        <translation>La fiche de tir n&apos;a pas pu être enregistrée dans %1 :
%2</translation>
    </message>
    <message>
        <source>Near zero, far zero and maximum point-blank range are those of the best zero for the kill zone (the bullet rises at most half the kill zone above the line of sight), not of the zero range above.</source>
        <translation>Zéro proche, zéro lointain et portée maximale de tir à bout portant sont ceux du meilleur zéro pour la zone vitale (la balle monte au plus de la moitié de la zone vitale au-dessus de la ligne de visée), et non de la distance de zéro ci-dessus.</translation>
    </message>
</context>
<context>
    <name>ResultsState</name>
    <message>
        <source>(not recomputed)</source>
        <translation>(non recalculé)</translation>
    </message>
</context>
<context>
    <name>Saver</name>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Vanto Files (*.vnt)</source>
        <translation>Fichiers Vanto (*.vnt)</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>The parameters could not be saved to %1:
%2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 :
%2</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <source>The parameter file %1 could not be read:
%2</source>
        <translation>Le fichier de paramètres %1 n&apos;a pas pu être lu :
%2</translation>
    </message>
    <message>
        <source>The parameters could not be prepared.</source>
        <translation>Les paramètres n&apos;ont pas pu être préparés.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>This is a folder or a device, not a file.</source>
        <translation>Il s&apos;agit d&apos;un dossier ou d&apos;un périphérique, pas d&apos;un fichier.</translation>
    </message>
    <message>
        <source>The temporary folder %1 cannot be written; it may be full.</source>
        <translation>Impossible d&apos;écrire dans le dossier temporaire %1 ; il est peut-être plein.</translation>
    </message>
    <message>
        <source>The file is too large to be a parameter file.</source>
        <translation>Le fichier est trop grand pour être un fichier de paramètres.</translation>
    </message>
    <message>
        <source>The file could not be read whole.</source>
        <translation>Le fichier n&apos;a pas pu être lu en entier.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1.
Vanto goes on with the values you enter, but they will be lost when it ends.</source>
        <translation>Vos réglages ne peuvent pas être enregistrés dans %1.
Vanto continue avec les valeurs que vous saisissez, mais elles seront perdues à sa fermeture.</translation>
    </message>
</context>
<context>
    <name>Shoot</name>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>ShootContainer</name>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>Truing</name>
    <message>
        <source>Muzzle velocity = %1 %2</source>
        <translation>Vitesse initiale = %1 %2</translation>
    </message>
</context>
<context>
    <name>TruingDialog</name>
    <message>
        <source>Truing</source>
        <translation>Ajustement au tir réel</translation>
    </message>
    <message>
        <source>How far below the point of aim the bullet hit, or the elevation dialled up that hit</source>
        <translation>De combien l&apos;impact est sous le point visé, ou la hausse affichée qui a touché</translation>
    </message>
    <message>
        <source>clicks</source>
        <translation>clics</translation>
    </message>
    <message>
        <source>Muzzle velocity</source>
        <translation>Vitesse initiale</translation>
    </message>
    <message>
        <source>Ballistic coefficient</source>
        <translation>Coefficient balistique</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Observed drop</source>
        <translation>Chute observée</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Compute</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Apply to load</source>
        <translation>Appliquer à la charge</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Computed drop = %1 %2</source>
        <translation>Chute calculée = %1 %2</translation>
    </message>
    <message>
        <source>Change = %1 %</source>
        <translation>Écart = %1 %</translation>
    </message>
</context>
<context>
    <name>Vanto</name>
    <message>
        <source>Vanto user manual (%1)</source>
        <translation>Manuel d&apos;utilisation de Vanto (%1)</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Contact: questions and reports, see the &lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;user manual&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; text-decoration: underline;&quot;&gt;Translations :&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Français : Vanto contributors&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Italiano : Vanto contributors&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Other : looking for translators !!&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Compiled with Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Executed with Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; font-size:12pt; font-weight:600;&quot;&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Contact : questions et signalements, voir le &lt;a href=&quot;xxx_home_url_xxx&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;manuel d&apos;utilisation&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;span style=&quot; text-decoration: underline;&quot;&gt;Traductions :&lt;/span&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Français : contributeurs de Vanto&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Italiano : contributeurs de Vanto&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;- Autres : traducteurs recherchés !&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Compilé avec Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style=&quot;line-height:30%&quot;&gt;Exécuté avec Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
