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
        <source>MPBR, NZR and FZR are the maximum point-blank range and the near and far zero ranges of the best zero for the kill zone (the bullet rises at most half the kill zone above the line of sight), not those of the load&apos;s own zero range.</source>
        <translation>MPBR, Zéro 1 et Zéro 2 sont la portée maximale de tir à bout portant et les distances de zéro proche et lointaine du meilleur zéro pour la zone vitale (la balle monte au plus de la moitié de la zone vitale au-dessus de la ligne de visée), et non celles de la distance de zéro de la charge.</translation>
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
        <translation>Inclure la dérive gyroscopique</translation>
    </message>
    <message>
        <source>Auto maximum range</source>
        <translation>Portée maximale automatique</translation>
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
        <source>Near zero, far zero and maximum point-blank range are those of the best zero for the kill zone (the bullet rises at most half the kill zone above the line of sight), not of the zero range above.</source>
        <translation>Zéro proche, zéro lointain et portée maximale de tir à bout portant sont ceux du meilleur zéro pour la zone vitale (la balle monte au plus de la moitié de la zone vitale au-dessus de la ligne de visée), et non de la distance de zéro ci-dessus.</translation>
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
        <source>No temporary folder could be created.</source>
        <translation>Impossible de créer un dossier temporaire.</translation>
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
