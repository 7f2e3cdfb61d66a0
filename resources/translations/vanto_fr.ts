<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BCfromVFinder</name>
    <message>
        <location filename="../../forms/bcfromvfinder.ui" line="+15" />
        <source>Calculate BC from velocity measures</source>
        <translation>Calcul du CB à partir de mesures de vitesse</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Calculate BC from bullet velocity at two ranges</source>
        <translation>Calcul du CB à partir de la vitesse du projectile à deux distances</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Range near =</source>
        <translation>Distance proche =</translation>
    </message>
    <message>
        <location line="+23" />
        <location line="+58" />
        <source>Velocity =</source>
        <translation>Vitesse =</translation>
    </message>
    <message>
        <location line="-13" />
        <source>Range far =</source>
        <translation>Distance lointaine =</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+12" />
        <source>BC = </source>
        <translation>CB = </translation>
    </message>
    <message>
        <location line="+12" />
        <location filename="../../tools/bcfinder.cpp" line="+116" />
        <source>Muzzle velocity = </source>
        <translation>Vitesse initiale = </translation>
    </message>
    <message>
        <location filename="../../tools/bcfromvfinder.cpp" line="+16" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>BulletDatabase</name>
    <message>
        <location filename="../../database/bulletdatabase.cpp" line="+81" />
        <source>the file does not exist.</source>
        <translation>le fichier n'existe pas.</translation>
    </message>
    <message>
        <location line="+5" />
        <source>the file is damaged or is not a bullet database.</source>
        <translation>le fichier est endommagé ou n'est pas une base de projectiles.</translation>
    </message>
    <message>
        <location line="+42" />
        <source>The database %1 cannot be read: %2</source>
        <translation>La base %1 ne peut pas être lue : %2</translation>
    </message>
</context>
<context>
    <name>CustoDBManager</name>
    <message>
        <location filename="../../forms/custodbmanager.ui" line="+14" />
        <source>Manage custom database</source>
        <translation>Gérer la base personnelle</translation>
    </message>
    <message>
        <location line="+14" />
        <location filename="../../database/custodbmanager.cpp" line="+48" />
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../../database/custodbmanager.cpp" line="+2" />
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../../database/custodbmanager.cpp" line="-1" />
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location line="+29" />
        <location filename="../../database/custodbmanager.cpp" line="+3" />
        <source>Lenght</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <location line="+29" />
        <location filename="../../database/custodbmanager.cpp" line="+1" />
        <source>Grains</source>
        <translation>Grains</translation>
    </message>
    <message>
        <location line="+20" />
        <location filename="../../database/custodbmanager.cpp" line="-2" />
        <source>BC</source>
        <translation>CB</translation>
    </message>
    <message>
        <location line="+26" />
        <location filename="../../database/custodbmanager.cpp" line="+3" />
        <source>Reference Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <location line="+13" />
        <location filename="../../database/custodbmanager.cpp" line="+1" />
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location line="+48" />
        <source>Add to Custom
Database</source>
        <translation>Ajouter à la
base personnelle</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Remove selected from
Custom Database</source>
        <translation>Retirer la sélection de
la base personnelle</translation>
    </message>
    <message>
        <location line="+59" />
        <source>Close</source>
        <translation>Fermer</translation>
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
        <translation>Attention</translation>
    </message>
    <message>
        <location line="-22" />
        <source>The bullet could not be added to the custom database %1:
%2</source>
        <translation>Le projectile n'a pas pu être ajouté à la base personnelle %1 :
%2</translation>
    </message>
    <message>
        <location line="+23" />
        <source>The bullet could not be removed from the custom database %1:
%2</source>
        <translation>Le projectile n'a pas pu être retiré de la base personnelle %1 :
%2</translation>
    </message>
</context>
<context>
    <name>CustomBulletModel</name>
    <message>
        <location filename="../../database/custombulletmodel.cpp" line="+24" />
        <source>No values to identify the row</source>
        <translation>Aucune valeur pour identifier la ligne</translation>
    </message>
</context>
<context>
    <name>DBselector</name>
    <message>
        <location filename="../../forms/dbselector.ui" line="+14" />
        <source>Bullet Selection</source>
        <translation>Choix du projectile</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Centerfire</source>
        <translation>Percussion centrale</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Rimfire</source>
        <translation>Percussion annulaire</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Airgun Pellets</source>
        <translation>Plombs d'air comprimé</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Custom</source>
        <translation>Personnelle</translation>
    </message>
    <message>
        <location line="+24" />
        <location filename="../../database/dbselector.cpp" line="+98" />
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <location line="+17" />
        <location filename="../../database/dbselector.cpp" line="+0" />
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location line="+20" />
        <location filename="../../database/dbselector.cpp" line="+0" />
        <source>Grains</source>
        <translation>Grains</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <location line="+42" />
        <source>Selected bullet Ballistic coeficient(s) :</source>
        <translation>Coefficient(s) balistique(s) du projectile choisi :</translation>
    </message>
    <message>
        <location line="+53" />
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../database/dbselector.cpp" line="-5" />
        <source>The bullets of %1 cannot be listed: %2</source>
        <translation>Les projectiles de %1 ne peuvent pas être listés : %2</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Reference Number</source>
        <translation>Référence</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location line="+27" />
        <source>Ballistic Coeficient</source>
        <translation>Coefficient balistique</translation>
    </message>
    <message>
        <location line="+1" />
        <source>From FPS</source>
        <translation>De (fps)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>To FPS</source>
        <translation>À (fps)</translation>
    </message>
</context>
<context>
    <name>GraphContainer</name>
    <message>
        <location filename="../../forms/graphcontainer.ui" line="+14" />
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <location filename="../../results/graphcontainer.cpp" line="+55" />
        <location line="+45" />
        <source>Distance (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <location line="-44" />
        <location line="+63" />
        <source>Drop (cm)</source>
        <translation>Chute (cm)</translation>
    </message>
    <message>
        <location line="-19" />
        <source>Distance (yd.)</source>
        <translation>Distance (yd)</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Killzone: </source>
        <translation>Zone vitale : </translation>
    </message>
    <message>
        <location line="+13" />
        <source>Drop (inches)</source>
        <translation>Chute (pouces)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drop (moa)</source>
        <translation>Chute (MOA)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drop (mils)</source>
        <translation>Chute (mils)</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Velocity (m/s)</source>
        <translation>Vitesse (m/s)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Velocity (f/s)</source>
        <translation>Vitesse (f/s)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Energy (J)</source>
        <translation>Énergie (J)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Energy (ft.lbs)</source>
        <translation>Énergie (ft.lbs)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Time of flight (s)</source>
        <translation>Temps de vol (s)</translation>
    </message>
    <message>
        <location line="+3" />
        <source>Drift (cm)</source>
        <translation>Dérive (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drift (inches)</source>
        <translation>Dérive (pouces)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drift (moa)</source>
        <translation>Dérive (MOA)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drift (mils)</source>
        <translation>Dérive (mils)</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Max Height (cm)</source>
        <translation>Flèche (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Max Height (inches)</source>
        <translation>Flèche (pouces)</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <location filename="../../forms/infopanel.ui" line="+20" />
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <location line="+36" />
        <source>MPBR:</source>
        <translation>PBR max :</translation>
    </message>
    <message>
        <location line="+17" />
        <source>NZR:</source>
        <translation>Zéro proche :</translation>
    </message>
    <message>
        <location line="+17" />
        <source>FZR:</source>
        <translation>Zéro lointain :</translation>
    </message>
    <message>
        <location filename="../../results/infopanel.cpp" line="+21" />
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <location line="+25" />
        <source>This range cannot be computed for this load</source>
        <translation>Cette distance ne peut pas être calculée pour cette charge</translation>
    </message>
</context>
<context>
    <name>KillZoneSetter</name>
    <message>
        <location filename="../../forms/killzonesetter.ui" line="+16" />
        <source>Set kill zone size</source>
        <translation>Taille de la zone vitale</translation>
    </message>
    <message>
        <location line="+4" />
        <source>KillZone Diameter</source>
        <translation>Diamètre de la zone vitale</translation>
    </message>
    <message>
        <location filename="../../tools/killzonesetter.cpp" line="+16" />
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Réglages</translation>
    </message>
    <message>
        <location line="+30" />
        <source>General settings:</source>
        <translation>Réglages généraux :</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Include gyroscopic drift</source>
        <translation>Inclure la dérive gyroscopique</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Auto maximum range</source>
        <translation>Portée maximale automatique</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Maximum range</source>
        <translation>Portée maximale</translation>
    </message>
    <message>
        <location line="+43" />
        <source>Multi shoot behavior</source>
        <translation>Comparaison des charges</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Independant</source>
        <translation>Indépendantes</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Same Zero Range</source>
        <translation>Même distance de réglage</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Same Angle</source>
        <translation>Même angle de tir</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Kill zone</source>
        <translation>Zone vitale</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Range card settings:</source>
        <translation>Table de tir :</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Step</source>
        <translation>Pas</translation>
    </message>
    <message>
        <location line="+10" />
        <source> units</source>
        <translation> unités</translation>
    </message>
    <message>
        <location line="+13" />
        <source>Display MOA</source>
        <translation>Afficher les MOA</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Display mils</source>
        <translation>Afficher les mils</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Display clicks</source>
        <translation>Afficher les clics</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Rifle and Scope</source>
        <translation>Arme et lunette</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Rifle:</source>
        <translation>Arme :</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Sight height</source>
        <translation>Hauteur de visée</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Barrel twist</source>
        <translation>Pas de rayure</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Twist direction</source>
        <translation>Sens des rayures</translation>
    </message>
    <message>
        <location line="+14" />
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <location line="+5" />
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <location line="+14" />
        <source>Scope:</source>
        <translation>Lunette :</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Scope click</source>
        <translation>Clic de tourelle</translation>
    </message>
    <message>
        <location line="+50" />
        <source>custom value</source>
        <translation>valeur personnalisée</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Horiz.</source>
        <translation>Horiz.</translation>
    </message>
    <message>
        <location line="+46" />
        <location line="+92" />
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <location line="-46" />
        <source>Vert.</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <location line="+120" />
        <source>Conditions and Wind</source>
        <translation>Conditions et vent</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Conditions:</source>
        <translation>Conditions :</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Up/Downhill</source>
        <translation>Tir en montée/descente</translation>
    </message>
    <message>
        <location line="+24" />
        <source>Up</source>
        <translation>Montée</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Down</source>
        <translation>Descente</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Default pressure</source>
        <translation>Pression standard</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Altitude correction</source>
        <translation>Correction d'altitude</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Base pressure</source>
        <translation>Pression de référence</translation>
    </message>
    <message>
        <location line="+40" />
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <location line="+46" />
        <source>Wind:</source>
        <translation>Vent :</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Wind velocity</source>
        <translation>Vitesse du vent</translation>
    </message>
    <message>
        <location line="+47" />
        <source>Wind angle</source>
        <translation>Angle du vent</translation>
    </message>
    <message>
        <location line="+23" />
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <location line="+64" />
        <source>Compute !</source>
        <translation>Calculer !</translation>
    </message>
    <message>
        <location line="+35" />
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <location line="+17" />
        <source>Drop</source>
        <translation>Chute</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Time of Flight</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <location line="+19" />
        <source>Max Height</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <location line="+32" />
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+20" />
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="+93" />
        <source>Load/Save</source>
        <translation>Charger/Enregistrer</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <location line="+10" />
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <location line="+6" />
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+31" />
        <source>Save parameters</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Load parameters</source>
        <translation>Charger des paramètres</translation>
    </message>
    <message>
        <location line="+11" />
        <source>Metric</source>
        <translation>Métrique</translation>
    </message>
    <message>
        <location line="+8" />
        <source>US</source>
        <translation>Impérial (US)</translation>
    </message>
    <message>
        <location line="+8" />
        <source>MOA</source>
        <translation>MOA</translation>
    </message>
    <message>
        <location line="+8" />
        <source>mils</source>
        <translation>mils</translation>
    </message>
    <message>
        <location line="+5" />
        <source>BC from velocity measurements</source>
        <translation>CB à partir de mesures de vitesse</translation>
    </message>
    <message>
        <location line="+9" />
        <source>Manage custom database</source>
        <translation>Gérer la base personnelle</translation>
    </message>
    <message>
        <location line="+108" />
        <source>User Manual</source>
        <translation>Manuel d'utilisation</translation>
    </message>
    <message>
        <location line="+9" />
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location filename="../../app/mainwindow.cpp" line="+109" />
        <location line="+4" />
        <source>Load </source>
        <translation>Charge </translation>
    </message>
    <message>
        <location line="+336" />
        <source>Restart interface ?</source>
        <translation>Redémarrer l'interface ?</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Apply language change now ? This will restart the Vanto interface. All unsaved simulation will be lost.

Otherwise, the language change will be applied at next launch of Vanto.</source>
        <translation>Appliquer le changement de langue maintenant ? L'interface de Vanto va redémarrer. Toute simulation non enregistrée sera perdue.

Sinon, la nouvelle langue sera appliquée au prochain lancement de Vanto.</translation>
    </message>
    <message>
        <location line="+34" />
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location line="+0" />
        <source>No reader found for pdf format. Please install a pdf reader to display user manual</source>
        <translation>Aucun lecteur PDF trouvé. Veuillez installer un lecteur PDF pour afficher le manuel d'utilisation</translation>
    </message>
</context>
<context>
    <name>MasterSelector</name>
    <message>
        <location filename="../../loads/masterselector.cpp" line="+25" />
        <source>Master Shoot Selection</source>
        <translation>Choix de la charge de référence</translation>
    </message>
</context>
<context>
    <name>ParamTab</name>
    <message>
        <location filename="../../forms/paramtab.ui" line="+14" />
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <location line="+16" />
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <location line="+12" />
        <source>Muzzle Velocity</source>
        <translation>Vitesse initiale</translation>
    </message>
    <message>
        <location line="+22" />
        <source>Caliber</source>
        <translation>Calibre</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Ballistic Coefficient</source>
        <translation>Coefficient balistique</translation>
    </message>
    <message>
        <location line="+35" />
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <location line="+23" />
        <source>Zero range</source>
        <translation>Distance de réglage</translation>
    </message>
    <message>
        <location line="+26" />
        <source>Set parameters
manualy</source>
        <translation>Saisir les
paramètres</translation>
    </message>
    <message>
        <location line="+15" />
        <source>Select from 
bullet database</source>
        <translation>Choisir dans la
base de projectiles</translation>
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
        <translation>Attention</translation>
    </message>
    <message>
        <location line="-579" />
        <source>Ballistic coefficient missing or zero for load : </source>
        <translation>Coefficient balistique absent ou nul pour la charge : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please enter a ballistic coefficient above 0</source>
        <translation>Veuillez saisir un coefficient balistique supérieur à 0</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Muzzle velocity missing or zero for load : </source>
        <translation>Vitesse initiale absente ou nulle pour la charge : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please enter a muzzle velocity above 0</source>
        <translation>Veuillez saisir une vitesse initiale supérieure à 0</translation>
    </message>
    <message>
        <location line="+4" />
        <source>Air density cannot be computed for load : </source>
        <translation>La densité de l'air ne peut pas être calculée pour la charge : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please check the pressure, the altitude and the temperature</source>
        <translation>Veuillez vérifier la pression, l'altitude et la température</translation>
    </message>
    <message>
        <location line="+8" />
        <source>Ballistic coefficient too small for the velocity of load : </source>
        <translation>Coefficient balistique trop faible pour la vitesse de la charge : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Please check the ballistic coefficient and the muzzle velocity of this load</source>
        <translation>Veuillez vérifier le coefficient balistique et la vitesse initiale de cette charge</translation>
    </message>
    <message>
        <location line="+561" />
        <source>Zeroing range not reachable for load : </source>
        <translation>Distance de réglage impossible à atteindre pour la charge : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Please try to reduce your zeroing range for this load, or to change some parameters</source>
        <translation>Essayez de réduire la distance de réglage de cette charge ou de modifier certains paramètres</translation>
    </message>
    <message>
        <location filename="../../tools/bcfromvfinder.cpp" line="+0" />
        <source>Unable to find a valid solution</source>
        <translation>Impossible de trouver une solution valable</translation>
    </message>
</context>
<context>
    <name>RangeCard</name>
    <message>
        <location filename="../../results/cardlayout.cpp" line="+27" />
        <source>Range (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Range (yd)</source>
        <translation>Distance (yd)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drop (cm)</source>
        <translation>Chute (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drop (in)</source>
        <translation>Chute (in)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drop (MOA)</source>
        <translation>Chute (MOA)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drop (mils)</source>
        <translation>Chute (mils)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drop (clicks)</source>
        <translation>Chute (clics)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drift (cm)</source>
        <translation>Dérive (cm)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Drift (in)</source>
        <translation>Dérive (in)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drift (MOA)</source>
        <translation>Dérive (MOA)</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Drift (mils)</source>
        <translation>Dérive (mils)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Drift (clicks)</source>
        <translation>Dérive (clics)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Velocity (m/s)</source>
        <translation>Vitesse (m/s)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Velocity (fps)</source>
        <translation>Vitesse (fps)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Energy (J)</source>
        <translation>Énergie (J)</translation>
    </message>
    <message>
        <location line="+0" />
        <source>Energy (ft.lbs)</source>
        <translation>Énergie (ft.lbs)</translation>
    </message>
    <message>
        <location line="+2" />
        <source>Time of flight (s)</source>
        <translation>Temps de vol (s)</translation>
    </message>
    <message>
        <location line="+29" />
        <source>Cannot be computed for this load</source>
        <translation>Ne peut pas être calculé pour cette charge</translation>
    </message>
    <message>
        <location filename="../../forms/rangecard.ui" line="+17" />
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <location line="+21" />
        <source>Export To Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Print Range Card</source>
        <translation>Imprimer la table</translation>
    </message>
    <message>
        <location line="+30" />
        <source>Export As PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location line="+76" />
        <source>Range</source>
        <translation>Distance</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop</source>
        <translation>Chute</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop MOA</source>
        <translation>Chute MOA</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop Clicks</source>
        <translation>Chute clics</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift MOA</source>
        <translation>Dérive MOA</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift Clicks</source>
        <translation>Dérive clics</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Time of flight</source>
        <translation>Temps de vol</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drop mils</source>
        <translation>Chute mils</translation>
    </message>
    <message>
        <location line="+5" />
        <source>Drift mils</source>
        <translation>Dérive mils</translation>
    </message>
    <message>
        <location filename="../../results/cardprinter.cpp" line="+91" />
        <source>Projectile Caliber : </source>
        <translation>Calibre du projectile : </translation>
    </message>
    <message>
        <location line="+3" />
        <source>Ballistic Coeff : </source>
        <translation>Coeff. balistique : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Muzzle Velocity : </source>
        <translation>Vitesse initiale : </translation>
    </message>
    <message>
        <location line="+3" />
        <source>Barrel Twist : </source>
        <translation>Pas de rayure : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Sight Heigh : </source>
        <translation>Hauteur de visée : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Wind Velocity : </source>
        <translation>Vitesse du vent : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Temperature : </source>
        <translation>Température : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>KillZone : </source>
        <translation>Zone vitale : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Near Zero Range : </source>
        <translation>Zéro proche : </translation>
    </message>
    <message>
        <location line="+3" />
        <source>Projectile Weight : </source>
        <translation>Poids du projectile : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Length : </source>
        <translation>Longueur : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Zero Range : </source>
        <translation>Distance de réglage : </translation>
    </message>
    <message>
        <location line="+2" />
        <source>Direction : </source>
        <translation>Sens : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Scope Click : </source>
        <translation>Clic de tourelle : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Wind Angle : </source>
        <translation>Angle du vent : </translation>
    </message>
    <message>
        <location line="+4" />
        <source>Pressure : </source>
        <translation>Pression : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Max Point Blank Range : </source>
        <translation>Portée de tir direct max : </translation>
    </message>
    <message>
        <location line="+1" />
        <source>Far Zero Range : </source>
        <translation>Zéro lointain : </translation>
    </message>
    <message>
        <location line="+41" />
        <source>Note : </source>
        <translation>Note : </translation>
    </message>
    <message>
        <location filename="../../results/rangecard.cpp" line="+126" />
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>Saver</name>
    <message>
        <location filename="../../settings/saver.cpp" line="+36" />
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <location line="+0" />
        <location line="+15" />
        <source>Vanto Files (*.vnt)</source>
        <translation>Fichiers Vanto (*.vnt)</translation>
    </message>
    <message>
        <location line="-7" />
        <location line="+13" />
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location line="-13" />
        <source>The parameters could not be saved to %1:
%2</source>
        <translation>Les paramètres n'ont pas pu être enregistrés dans %1 :
%2</translation>
    </message>
    <message>
        <location line="+7" />
        <source>Load File</source>
        <translation>Charger un fichier</translation>
    </message>
    <message>
        <location line="+6" />
        <source>The parameter file %1 could not be read:
%2</source>
        <translation>Le fichier de paramètres %1 n'a pas pu être lu :
%2</translation>
    </message>
    <message>
        <location filename="../../settings/parameterfile.cpp" line="+56" />
        <location line="+59" />
        <source>No temporary folder could be created.</source>
        <translation>Impossible de créer un dossier temporaire.</translation>
    </message>
    <message>
        <location line="-47" />
        <location line="+5" />
        <source>The parameters could not be prepared.</source>
        <translation>Les paramètres n'ont pas pu être préparés.</translation>
    </message>
    <message>
        <location line="+25" />
        <source>The file does not exist.</source>
        <translation>Le fichier n'existe pas.</translation>
    </message>
    <message>
        <location line="+2" />
        <source>This is a folder or a device, not a file.</source>
        <translation>Il s'agit d'un dossier ou d'un périphérique, pas d'un fichier.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../../settings/settings.cpp" line="+242" />
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location line="+1" />
        <source>Your settings cannot be saved to %1.
Vanto goes on with the values you enter, but they will be lost when it ends.</source>
        <translation>Vos réglages ne peuvent pas être enregistrés dans %1.
Vanto continue avec les valeurs que vous saisissez, mais elles seront perdues à sa fermeture.</translation>
    </message>
</context>
<context>
    <name>Shoot</name>
    <message>
        <location filename="../../ballistics/shoot.cpp" line="-797" />
        <source>Load</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>ShootContainer</name>
    <message>
        <location filename="../../loads/shootcontainer.cpp" line="+232" />
        <source>Load</source>
        <translation>Charge</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <location filename="../../forms/about.ui" line="+16" />
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+10" />
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" font-size:12pt; font-weight:600;"&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Contact: questions and reports, see the &lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;user manual&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" text-decoration: underline;"&gt;Translations :&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Français : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Italiano : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Other : looking for translators !!&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Compiled with Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style="line-height:30%"&gt;Executed with Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" font-size:12pt; font-weight:600;"&gt;Vanto vxxx_version_xxx&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;xxx_home_text_xxx&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Contact : questions et signalements, voir le &lt;a href="xxx_home_url_xxx"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;manuel d'utilisation&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;span style=" text-decoration: underline;"&gt;Traductions :&lt;/span&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Français : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Italiano : Vanto contributors&lt;/p&gt;&lt;p style="line-height:30%"&gt;- Autres : traducteurs recherchés !&lt;/p&gt;&lt;p style="line-height:30%"&gt;&lt;br/&gt;&lt;/p&gt;&lt;p style="line-height:30%"&gt;Compilé avec Qt xxx_qt_compile_version_xxx&lt;/p&gt;&lt;p style="line-height:30%"&gt;Exécuté avec Qt xxx_qt_exec_version_xxx&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../../tools/about.cpp" line="+15" />
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
