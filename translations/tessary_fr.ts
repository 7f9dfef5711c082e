<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChartActions</name>
    <message>
        <source>Import chart...</source>
        <translation>Importer un graphique...</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Enregistrer le graphique...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copier comme image bitmap</translation>
    </message>
    <message>
        <source>Copy as Metafile</source>
        <translation>Copier comme métafichier</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Edit chart...</source>
        <translation>Modifier le graphique...</translation>
    </message>
    <message>
        <source>Vertical bars</source>
        <translation>Barres verticales</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Barres horizontales</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Secteurs</translation>
    </message>
    <message>
        <source>Grouped bars</source>
        <translation>Barres groupées</translation>
    </message>
    <message>
        <source>Grouped lines</source>
        <translation>Lignes groupées</translation>
    </message>
    <message>
        <source>Swap series and categories</source>
        <translation>Permuter séries et catégories</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Parois</translation>
    </message>
    <message>
        <source>Base lines</source>
        <translation>Lignes de base</translation>
    </message>
    <message>
        <source>Rotate with the mouse</source>
        <translation>Faire pivoter avec la souris</translation>
    </message>
    <message>
        <source>Zoom with the mouse</source>
        <translation>Zoomer avec la souris</translation>
    </message>
    <message>
        <source>Undo zoom</source>
        <translation>Annuler le zoom</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Balancer</translation>
    </message>
    <message>
        <source>Copy as Metafile (SVG)</source>
        <translation>Copier comme métafichier (SVG)</translation>
    </message>
</context>
<context>
    <name>ChartEditDialog</name>
    <message>
        <source>Edit chart</source>
        <translation>Modifier le graphique</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Axes</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Changes show on the chart at once; Cancel undoes them.</source>
        <translation>Les modifications s&apos;affichent aussitôt sur le graphique ; Annuler les défait.</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatique</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Arrière-plan :</translation>
    </message>
    <message>
        <source>Draw a &amp;border around the chart</source>
        <translation>Tracer une &amp;bordure autour du graphique</translation>
    </message>
    <message>
        <source>Show the &amp;legend</source>
        <translation>Afficher la &amp;légende</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Legend &amp;position:</source>
        <translation>&amp;Position de la légende :</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affichée</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Depth (3D points)</source>
        <translation>Profondeur (points 3D)</translation>
    </message>
    <message>
        <source>A&amp;xis:</source>
        <translation>A&amp;xe :</translation>
    </message>
    <message>
        <source>&amp;Automatic range</source>
        <translation>Plage &amp;automatique</translation>
    </message>
    <message>
        <source>M&amp;inimum:</source>
        <translation>M&amp;inimum :</translation>
    </message>
    <message>
        <source>Ma&amp;ximum:</source>
        <translation>Ma&amp;ximum :</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Pas :</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Inversé</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>&amp;Quadrillage</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>&amp;Label angle:</source>
        <translation>Angle des &amp;étiquettes :</translation>
    </message>
    <message>
        <source>Minimum and maximum must be numbers.</source>
        <translation>Le minimum et le maximum doivent être des nombres.</translation>
    </message>
    <message>
        <source>The minimum must not be above the maximum.</source>
        <translation>Le minimum ne doit pas dépasser le maximum.</translation>
    </message>
    <message>
        <source>&amp;3D view</source>
        <translation>Vue &amp;3D</translation>
    </message>
    <message>
        <source>&amp;Walls</source>
        <translation>&amp;Parois</translation>
    </message>
    <message>
        <source>Wall &amp;edges</source>
        <translation>&amp;Arêtes des parois</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>&amp;Rotation :</translation>
    </message>
    <message>
        <source>&amp;Elevation:</source>
        <translation>&amp;Élévation :</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <translation>&amp;Profondeur :</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Vert billet</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Gris moyen</translation>
    </message>
</context>
<context>
    <name>CommentMenu</name>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>Converters</name>
    <message>
        <source>No temporary folder could be made for a conversion: %1</source>
        <translation>Impossible de créer un dossier temporaire pour la conversion : %1</translation>
    </message>
    <message>
        <source>The conversion of &quot;%1&quot; produced no file.</source>
        <translation>La conversion de « %1 » n&apos;a produit aucun fichier.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert &quot;%1&quot;: it wrote no document.</source>
        <translation>LibreOffice n&apos;a pas pu convertir « %1 » : aucun document n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Files of type &quot;.%1&quot; cannot be converted to a document.</source>
        <translation>Les fichiers de type « .%1 » ne peuvent pas être convertis en document.</translation>
    </message>
    <message>
        <source>The document could not be written for conversion.</source>
        <translation>Le document n&apos;a pas pu être écrit pour la conversion.</translation>
    </message>
    <message>
        <source>pandoc wrote no file &quot;%1&quot;.</source>
        <translation>pandoc n&apos;a écrit aucun fichier « %1 ».</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier PDF « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Documents cannot be written as &quot;.%1&quot; files.</source>
        <translation>Les documents ne peuvent pas être enregistrés en fichiers « .%1 ».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Can&apos;t create HTML file</source>
        <translation>Impossible de créer le fichier HTML</translation>
    </message>
    <message>
        <source>Can&apos;t open RTF file</source>
        <translation>Impossible d&apos;ouvrir le fichier RTF</translation>
    </message>
    <message>
        <source>RTF file has zero length</source>
        <translation>Le fichier RTF est vide</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>%1 is needed to convert &quot;%2&quot; but is not installed. Install the Debian package &quot;%3&quot;.</source>
        <translation>%1 est nécessaire pour convertir « %2 », mais n&apos;est pas installé. Installez le paquet Debian « %3 ».</translation>
    </message>
    <message>
        <source>%1 could not be started to convert &quot;%2&quot;: %3</source>
        <translation>%1 n&apos;a pas pu être lancé pour convertir « %2 » : %3</translation>
    </message>
    <message>
        <source>%1 did not finish converting &quot;%2&quot; within %3 seconds and was stopped.</source>
        <translation>%1 n&apos;a pas terminé la conversion de « %2 » en %3 secondes et a été arrêté.</translation>
    </message>
    <message>
        <source>it stopped abnormally</source>
        <translation>il s&apos;est arrêté anormalement</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>%1 could not convert &quot;%2&quot;: %3</source>
        <translation>%1 n&apos;a pas pu convertir « %2 » : %3</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>zlib error %1</source>
        <translation>erreur zlib %1</translation>
    </message>
    <message>
        <source>Cannot compress a field: the zlib stream is incomplete</source>
        <translation>Impossible de compresser un champ : le flux zlib est incomplet</translation>
    </message>
    <message>
        <source>Cannot start zlib: %1</source>
        <translation>Impossible de démarrer zlib : %1</translation>
    </message>
    <message>
        <source>A compressed field is damaged: the zlib stream is truncated</source>
        <translation>Un champ compressé est endommagé : le flux zlib est tronqué</translation>
    </message>
    <message>
        <source>A compressed field is too large to be read</source>
        <translation>Un champ compressé est trop volumineux pour être lu</translation>
    </message>
    <message>
        <source>A compressed field is damaged: %1</source>
        <translation>Un champ compressé est endommagé : %1</translation>
    </message>
    <message>
        <source>invalid zlib data</source>
        <translation>données zlib non valides</translation>
    </message>
    <message>
        <source>A compressed field is damaged: bytes follow the zlib stream</source>
        <translation>Un champ compressé est endommagé : des octets suivent le flux zlib</translation>
    </message>
    <message>
        <source>Cannot decode a binary field</source>
        <translation>Impossible de décoder un champ binaire</translation>
    </message>
    <message>
        <source>The database is not connected</source>
        <translation>La base de données n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>the connection to the server was lost: %1</source>
        <translation>la connexion au serveur a été perdue : %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossible de se connecter à %1 : %2</translation>
    </message>
    <message>
        <source>%1: the server does not speak UTF-8</source>
        <translation>%1 : le serveur ne prend pas en charge l&apos;UTF-8</translation>
    </message>
    <message>
        <source>The server has no report %1 (%2)</source>
        <translation>Le serveur n&apos;a pas de rapport %1 (%2)</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>Champ %1 : %2</translation>
    </message>
    <message>
        <source>%1: table %2 does not exist</source>
        <translation>%1 : la table %2 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: table %2 has no identity column</source>
        <translation>%1 : la table %2 n&apos;a pas de colonne d&apos;identité</translation>
    </message>
    <message>
        <source>Table %1 is not open</source>
        <translation>La table %1 n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>Table %1 has no field %2</source>
        <translation>La table %1 n&apos;a pas de champ %2</translation>
    </message>
    <message>
        <source>Cannot locate on the compressed field %1</source>
        <translation>Impossible de rechercher sur le champ compressé %1</translation>
    </message>
    <message>
        <source>No current record</source>
        <translation>Aucun enregistrement courant</translation>
    </message>
    <message>
        <source>%1: the record was deleted by another user</source>
        <translation>%1 : l&apos;enregistrement a été supprimé par un autre utilisateur</translation>
    </message>
    <message>
        <source>Table %1 is not in edit or insert mode</source>
        <translation>La table %1 n&apos;est pas en mode modification ou insertion</translation>
    </message>
    <message>
        <source>%1 is not a server address</source>
        <translation>%1 n&apos;est pas une adresse de serveur</translation>
    </message>
    <message>
        <source>A report address must not hold a password; libpq takes it from ~/.pgpass or PGPASSWORD</source>
        <translation>Une adresse de rapport ne doit pas contenir de mot de passe ; libpq le prend dans ~/.pgpass ou PGPASSWORD</translation>
    </message>
    <message>
        <source>The address %1 names no report (add ?report=NAME)</source>
        <translation>L&apos;adresse %1 ne désigne aucun rapport (ajoutez ?report=NOM)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a report name: use letters, digits and underscores, at most 63, starting with a letter</source>
        <translation>« %1 » n&apos;est pas un nom de rapport : utilisez des lettres, des chiffres et des soulignés, 63 au plus, en commençant par une lettre</translation>
    </message>
    <message>
        <source>Cannot prepare &quot;%1&quot;</source>
        <translation>Impossible de préparer « %1 »</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <source>Cannot read the fields of %1</source>
        <translation>Impossible de lire les champs de %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>File is not a report database: %1 (%2)</source>
        <translation>Le fichier n&apos;est pas une base de rapport : %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>The report file does not exist: %1</source>
        <translation>Le fichier de rapport n&apos;existe pas : %1</translation>
    </message>
    <message>
        <source>Cannot read the list of tables</source>
        <translation>Impossible de lire la liste des tables</translation>
    </message>
    <message>
        <source>Cannot read table %1</source>
        <translation>Impossible de lire la table %1</translation>
    </message>
    <message>
        <source>Cannot search table %1</source>
        <translation>Impossible de rechercher dans la table %1</translation>
    </message>
    <message>
        <source>Cannot write to table %1</source>
        <translation>Impossible d&apos;écrire dans la table %1</translation>
    </message>
    <message>
        <source>Cannot delete from table %1</source>
        <translation>Impossible de supprimer dans la table %1</translation>
    </message>
    <message>
        <source>Cannot compress a field: not enough memory</source>
        <translation>Impossible de compresser un champ : mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot compress a field of %1 bytes: it is too large</source>
        <translation>Impossible de compresser un champ de %1 octets : il est trop grand</translation>
    </message>
    <message>
        <source>The connection to %1 was lost; it is made again as soon as the server answers.</source>
        <translation>La connexion à %1 a été perdue ; elle est rétablie dès que le serveur répond.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>The diagram cannot be read: %1.</source>
        <translation>Le diagramme ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>block %1 has a %2 that is not a number</source>
        <translation>le bloc %1 a une valeur %2 qui n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>block %1 has a %2 out of range</source>
        <translation>le bloc %1 a une valeur %2 hors limites</translation>
    </message>
    <message>
        <source>block %1 has a negative %2 (%3)</source>
        <translation>le bloc %1 a une valeur %2 négative (%3)</translation>
    </message>
    <message>
        <source>link %1 has a %2 &quot;%3&quot; that names no block</source>
        <translation>le lien %1 a une extrémité %2 « %3 » qui ne désigne aucun bloc</translation>
    </message>
    <message>
        <source>link %1 has no %2 block</source>
        <translation>le lien %1 n&apos;a pas de bloc %2</translation>
    </message>
    <message>
        <source>link %1 has a %2 (%3) that is not a block of the diagram</source>
        <translation>le lien %1 a une extrémité %2 (%3) qui n&apos;est pas un bloc du diagramme</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>ce n&apos;est pas du JSON valide (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>its format is &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>son format est « %1 » et non « %2 »</translation>
    </message>
    <message>
        <source>it was written by a newer version (%1) of the program</source>
        <translation>il a été écrit par une version plus récente (%1) du programme</translation>
    </message>
    <message>
        <source>&quot;blocks&quot; is not a list</source>
        <translation>« blocks » n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>block %1 is not an object</source>
        <translation>le bloc %1 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>&quot;links&quot; is not a list</source>
        <translation>« links » n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>link %1 is not an object</source>
        <translation>le lien %1 n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>link %1 has a negative width (%2)</source>
        <translation>le lien %1 a une épaisseur négative (%2)</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop the export</source>
        <translation>Arrêter l&apos;exportation</translation>
    </message>
    <message>
        <source>Export to HTML</source>
        <translation>Exporter en HTML</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html</source>
        <translation>Fichiers HTML|*.htm;*.html</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Exportation annulée</translation>
    </message>
    <message>
        <source>Do you want to view the document?</source>
        <translation>Voulez-vous afficher le document ?</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp</source>
        <translation>Images PNG (*.png)|*.png|Images JPEG (*.jpg)|*.jpg|Images bitmap (*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>The file %1 cannot be imported:
%2</source>
        <translation>Le fichier %1 ne peut pas être importé :
%2</translation>
    </message>
    <message>
        <source>Importing %1 of %2: %3</source>
        <translation>Importation %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1 pages cannot be made from files here.</source>
        <translation>Les pages de type %1 ne peuvent pas être créées à partir de fichiers ici.</translation>
    </message>
    <message>
        <source>The report cannot be written.</source>
        <translation>Le rapport ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>The import stopped because the report was closed or changed; %1 file(s) were not imported.</source>
        <translation>L&apos;importation s&apos;est arrêtée car le rapport a été fermé ou modifié ; %1 fichier(s) n&apos;ont pas été importés.</translation>
    </message>
    <message>
        <source>The %1 file(s) after it were not imported.</source>
        <translation>Les %1 fichier(s) suivants n&apos;ont pas été importés.</translation>
    </message>
</context>
<context>
    <name>GlobalFind</name>
    <message>
        <source>cell %1%2</source>
        <translation>cellule %1%2</translation>
    </message>
    <message>
        <source>page %1 (%2): its row cannot be read</source>
        <translation>page %1 (%2) : sa ligne ne peut pas être lue</translation>
    </message>
    <message>
        <source>page %1 (%2): %3</source>
        <translation>page %1 (%2) : %3</translation>
    </message>
    <message>
        <source>text, paragraph %1, character %2</source>
        <translation>texte, paragraphe %1, caractère %2</translation>
    </message>
    <message>
        <source>comment, line %1, character %2</source>
        <translation>commentaire, ligne %1, caractère %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Line %1: a quoted field is not closed. The rows before it were imported; the rest of the file was not.</source>
        <translation>Ligne %1 : un champ entre guillemets n&apos;est pas fermé. Les lignes qui le précèdent ont été importées, mais pas le reste du fichier.</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc is not installed (install the package &quot;pandoc&quot;).</source>
        <translation>Le document de traitement de texte ne peut pas être écrit : pandoc n&apos;est pas installé (installez le paquet « pandoc »).</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc did not finish within %1 seconds.</source>
        <translation>Le document de traitement de texte ne peut pas être écrit : pandoc n&apos;a pas terminé en %1 secondes.</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc failed (%1).</source>
        <translation>Le document de traitement de texte ne peut pas être écrit : pandoc a échoué (%1).</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>Cannot create a scratch folder for the document.</source>
        <translation>Impossible de créer un dossier de travail pour le document.</translation>
    </message>
    <message>
        <source>Cannot write the scratch file %1.</source>
        <translation>Impossible d&apos;écrire le fichier de travail %1.</translation>
    </message>
    <message>
        <source>pandoc wrote no document.</source>
        <translation>pandoc n&apos;a écrit aucun document.</translation>
    </message>
    <message>
        <source>Cannot create the file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
    <message>
        <source>Tables cannot be written as &quot;%1&quot;.</source>
        <translation>Les tableaux ne peuvent pas être enregistrés en « %1 ».</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>The bytes are not a stored table.</source>
        <translation>Ces octets ne sont pas un tableau enregistré.</translation>
    </message>
    <message>
        <source>The stored table has no valid version number.</source>
        <translation>Le tableau enregistré n&apos;a pas de numéro de version valide.</translation>
    </message>
    <message>
        <source>The stored table was written by a newer version (%1) of the program.</source>
        <translation>Le tableau enregistré a été écrit par une version plus récente (%1) du programme.</translation>
    </message>
    <message>
        <source>The stored table is too large (%1 rows, %2 columns).</source>
        <translation>Le tableau enregistré est trop grand (%1 lignes, %2 colonnes).</translation>
    </message>
    <message>
        <source>The stored table cannot be read: %1 at byte %2.</source>
        <translation>Le tableau enregistré ne peut pas être lu : %1 à l&apos;octet %2.</translation>
    </message>
    <message>
        <source>Cannot create the spreadsheet %1.</source>
        <translation>Impossible de créer le classeur %1.</translation>
    </message>
    <message>
        <source>Cannot write the spreadsheet %1: %2.</source>
        <translation>Impossible d&apos;écrire le classeur %1 : %2.</translation>
    </message>
</context>
<context>
    <name>GridControl</name>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>GridFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Whole cell only</source>
        <translation>Cellule entière uniquement</translation>
    </message>
    <message>
        <source>Prompt on replace</source>
        <translation>Demander avant de remplacer</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>No more occurences of text </source>
        <translation>Plus d&apos;autre occurrence du texte </translation>
    </message>
    <message>
        <source>Could not find text</source>
        <translation>Texte introuvable</translation>
    </message>
    <message>
        <source>Replace this occurence ?</source>
        <translation>Remplacer cette occurrence ?</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>Edit cell</source>
        <translation>Modifier la cellule</translation>
    </message>
</context>
<context>
    <name>HtmlExport</name>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (page %2) : %3</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>The picture (%1 × %2 pixels) is too large to be stored.</source>
        <translation>L&apos;image (%1 × %2 pixels) est trop grande pour être enregistrée.</translation>
    </message>
    <message>
        <source>The bitmap is cut short: its header is incomplete.</source>
        <translation>L&apos;image bitmap est tronquée : son en-tête est incomplet.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is damaged (%1 × %2 pixels, %3 planes).</source>
        <translation>L&apos;en-tête de l&apos;image bitmap est endommagé (%1 × %2 pixels, %3 plans).</translation>
    </message>
    <message>
        <source>The bitmap (%1 × %2 pixels) is too large to be shown.</source>
        <translation>L&apos;image bitmap (%1 × %2 pixels) est trop grande pour être affichée.</translation>
    </message>
    <message>
        <source>Not enough memory for a bitmap of %1 × %2 pixels.</source>
        <translation>Mémoire insuffisante pour une image bitmap de %1 × %2 pixels.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1</source>
        <translation>L&apos;encodeur GIF a échoué : %1</translation>
    </message>
    <message>
        <source>There is no picture to write as GIF.</source>
        <translation>Il n&apos;y a aucune image à écrire en GIF.</translation>
    </message>
    <message>
        <source>A GIF picture can be at most 65535 pixels wide and high (this one is %1 × %2).</source>
        <translation>Une image GIF peut mesurer au plus 65535 pixels de large et de haut (celle-ci mesure %1 × %2).</translation>
    </message>
    <message>
        <source>The GIF encoder is out of memory.</source>
        <translation>L&apos;encodeur GIF manque de mémoire.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier image « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Windows metafiles such as &quot;%1&quot; are read through LibreOffice, which is not installed. Install the package libreoffice-draw (Debian: apt install libreoffice-draw) and import the file again.</source>
        <translation>Les métafichiers Windows comme « %1 » sont lus au moyen de LibreOffice, qui n&apos;est pas installé. Installez le paquet libreoffice-draw (Debian : apt install libreoffice-draw) puis importez à nouveau le fichier.</translation>
    </message>
    <message>
        <source>Cannot make a scratch folder for converting &quot;%1&quot;: %2</source>
        <translation>Impossible de créer un dossier de travail pour convertir « %1 » : %2</translation>
    </message>
    <message>
        <source>LibreOffice (%1) could not be started: %2</source>
        <translation>LibreOffice (%1) n&apos;a pas pu être lancé : %2</translation>
    </message>
    <message>
        <source>LibreOffice did not convert &quot;%1&quot; within %2 seconds.</source>
        <translation>LibreOffice n&apos;a pas converti « %1 » en %2 secondes.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert the metafile &quot;%1&quot;%2</source>
        <translation>LibreOffice n&apos;a pas pu convertir le métafichier « %1 »%2</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Images JPEG</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Images GIF</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Images bitmap</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics</source>
        <translation>Images vectorielles SVG</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Images TIFF</translation>
    </message>
    <message>
        <source>WebP Image</source>
        <translation>Images WebP</translation>
    </message>
    <message>
        <source>Targa Image</source>
        <translation>Images Targa</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Métafichiers</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1) of &quot;%2&quot;.</source>
        <translation>Extension de fichier image inconnue (.%1) pour « %2 ».</translation>
    </message>
    <message>
        <source>No %1 decoder is installed to read &quot;%2&quot;.</source>
        <translation>Aucun décodeur %1 n&apos;est installé pour lire « %2 ».</translation>
    </message>
    <message>
        <source>Cannot open the picture file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier image « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; as a %2 picture: %3</source>
        <translation>Impossible de lire « %1 » comme image %2 : %3</translation>
    </message>
    <message>
        <source>The stored picture is not in a known picture format (BMP, PNG, JPEG or GIF).</source>
        <translation>L&apos;image enregistrée n&apos;est pas dans un format d&apos;image connu (BMP, PNG, JPEG ou GIF).</translation>
    </message>
    <message>
        <source>The stored %1 picture cannot be read: %2</source>
        <translation>L&apos;image %1 enregistrée ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Toutes les images (%1)|%1</translation>
    </message>
    <message>
        <source>There is no picture to write to &quot;%1&quot;.</source>
        <translation>Il n&apos;y a aucune image à écrire dans « %1 ».</translation>
    </message>
    <message>
        <source>Cannot write the picture file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire le fichier image « %1 » : %2</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;.%1&quot; files; use .png, .bmp, .jpg or .gif.</source>
        <translation>Les images ne peuvent pas être enregistrées en fichiers « .%1 » ; utilisez .png, .bmp, .jpg ou .gif.</translation>
    </message>
    <message>
        <source>Cannot make a PNG of the picture: %1</source>
        <translation>Impossible de créer un PNG de l&apos;image : %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Tabular data (*.tab;*.csv)|*.tab;*.csv;*.grid2|Chart results (*.kcx)|*.kcx|Text file (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|Graphic file (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|All files (*.*)|*</source>
        <translation>Données tabulaires (*.tab;*.csv)|*.tab;*.csv;*.grid2|Résultats graphiques (*.kcx)|*.kcx|Fichier texte (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|Fichier image (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|Tous les fichiers (*.*)|*</translation>
    </message>
    <message>
        <source>Import files</source>
        <translation>Importer des fichiers</translation>
    </message>
</context>
<context>
    <name>LanguageRuntime</name>
    <message>
        <source>There is no interface language with the identifier %1.</source>
        <translation>Aucune langue d&apos;interface n&apos;a l&apos;identifiant %1.</translation>
    </message>
    <message>
        <source>The translations into %1 cannot be read.</source>
        <translation>Les traductions en %1 ne peuvent pas être lues.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>New...</source>
        <translation>Nouveau...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>HTML...</source>
        <translation>HTML...</translation>
    </message>
    <message>
        <source>MS Word...</source>
        <translation>MS Word...</translation>
    </message>
    <message>
        <source>Rich Text...</source>
        <translation>Texte enrichi (RTF)...</translation>
    </message>
    <message>
        <source>Printer setup...</source>
        <translation>Configuration de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propriétés...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Import files...</source>
        <translation>Importer des fichiers...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Tout développer</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Tout réduire</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Promote</source>
        <translation>Hausser d&apos;un niveau</translation>
    </message>
    <message>
        <source>Demote</source>
        <translation>Abaisser d&apos;un niveau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Hausser d&apos;un niveau</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Abaisser d&apos;un niveau</translation>
    </message>
    <message>
        <source>Insert item</source>
        <translation>Insérer un élément</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Importer un fichier</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Remplacer...</translation>
    </message>
    <message>
        <source>Global find...</source>
        <translation>Recherche globale...</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Orvane Home Page</source>
        <translation>Site web d&apos;Orvane</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Left border</source>
        <translation>Bordure gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Right border</source>
        <translation>Bordure droite</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Puces</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Paragraph...</source>
        <translation>Paragraphe...</translation>
    </message>
    <message>
        <source>Tab stops...</source>
        <translation>Tabulations...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Mise en page...</translation>
    </message>
    <message>
        <source>Create table...</source>
        <translation>Créer un tableau...</translation>
    </message>
    <message>
        <source>Select row</source>
        <translation>Sélectionner la ligne</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Select column</source>
        <translation>Sélectionner la colonne</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Insérer une colonne</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Supprimer la colonne</translation>
    </message>
    <message>
        <source>All borders</source>
        <translation>Toutes les bordures</translation>
    </message>
    <message>
        <source>No borders</source>
        <translation>Aucune bordure</translation>
    </message>
    <message>
        <source>Top border</source>
        <translation>Bordure supérieure</translation>
    </message>
    <message>
        <source>Bottom border</source>
        <translation>Bordure inférieure</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Multi-line</source>
        <translation>Multiligne</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save to disk...</source>
        <translation>Enregistrer sur le disque...</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <source>Fixed row</source>
        <translation>Ligne fixe</translation>
    </message>
    <message>
        <source>Fixed column</source>
        <translation>Colonne fixe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Permuter</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Barres horizontales</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Secteurs</translation>
    </message>
    <message>
        <source>Grouped bars</source>
        <translation>Barres groupées</translation>
    </message>
    <message>
        <source>Grouped lines</source>
        <translation>Lignes groupées</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Parois</translation>
    </message>
    <message>
        <source>Base lines</source>
        <translation>Lignes de base</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animer</translation>
    </message>
    <message>
        <source>Edit chart...</source>
        <translation>Modifier le graphique...</translation>
    </message>
    <message>
        <source>Open chart file...</source>
        <translation>Ouvrir un fichier graphique...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copier comme image bitmap</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Copier comme métafichier</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Déplacer la vue</translation>
    </message>
    <message>
        <source>Zoom to area</source>
        <translation>Zoomer sur une zone</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Sizing</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>&amp;Items</source>
        <translation>É&amp;léments</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Document</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Recherche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Open server report...</source>
        <translation>Ouvrir un rapport sur serveur...</translation>
    </message>
    <message>
        <source>Word document (.docx)...</source>
        <translation>Document Word (.docx)...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The temporary folder %1 cannot be written: pages sent by the host will not be noticed.</source>
        <translation>Le dossier temporaire %1 n&apos;est pas accessible en écriture : les pages envoyées par l&apos;application hôte ne seront pas détectées.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2.</source>
        <translation>Impossible de lire le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2.</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2.</translation>
    </message>
    <message>
        <source>Documents cannot be written as &quot;%1&quot;; choose one of %2.</source>
        <translation>Les documents ne peuvent pas être enregistrés en « %1 » ; choisissez l&apos;un des formats %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>A chart cannot be written as &quot;%1&quot;.</source>
        <translation>Un graphique ne peut pas être enregistré en « %1 ».</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Cannot write the document %1: %2</source>
        <translation>Impossible d&apos;écrire le document %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the document %1.</source>
        <translation>Impossible d&apos;écrire le document %1.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>The chart is empty: there is no chart data to read.</source>
        <translation>Le graphique est vide : il n&apos;y a aucune donnée à lire.</translation>
    </message>
    <message>
        <source>This is not a chart: its data cannot be read (%1 at byte %2).</source>
        <translation>Ce n&apos;est pas un graphique : ses données sont illisibles (%1 à l&apos;octet %2).</translation>
    </message>
    <message>
        <source>This is not a chart: its format is &quot;%1&quot;.</source>
        <translation>Ce n&apos;est pas un graphique : son format est « %1 ».</translation>
    </message>
    <message>
        <source>This chart was written in version %1 of the chart format, which this program cannot read.</source>
        <translation>Ce graphique a été enregistré dans la version %1 du format graphique, que ce programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>Vertical bars</source>
        <translation>Barres verticales</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Barres horizontales</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Courbe</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Secteurs</translation>
    </message>
    <message>
        <source>3D points</source>
        <translation>Points 3D</translation>
    </message>
    <message>
        <source>The axis minimum must be a number.</source>
        <translation>Le minimum de l&apos;axe doit être un nombre.</translation>
    </message>
    <message>
        <source>The axis minimum %1 is above its maximum %2.</source>
        <translation>Le minimum de l&apos;axe, %1, dépasse son maximum, %2.</translation>
    </message>
    <message>
        <source>The axis maximum must be a number.</source>
        <translation>Le maximum de l&apos;axe doit être un nombre.</translation>
    </message>
    <message>
        <source>The axis maximum %1 is below its minimum %2.</source>
        <translation>Le maximum de l&apos;axe, %1, est inférieur à son minimum, %2.</translation>
    </message>
    <message>
        <source>The axis range %1 .. %2 is not valid.</source>
        <translation>La plage d&apos;axe %1 .. %2 n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>These pages could not be exported and were left out:
%1</source>
        <translation>Ces pages n&apos;ont pas pu être exportées et ont été omises :
%1</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>there is no editor for it</source>
        <translation>aucun éditeur ne lui correspond</translation>
    </message>
    <message>
        <source>the document editor cannot write HTML</source>
        <translation>l&apos;éditeur de documents ne peut pas écrire de HTML</translation>
    </message>
    <message>
        <source>the table editor cannot write HTML</source>
        <translation>l&apos;éditeur de tableaux ne peut pas écrire de HTML</translation>
    </message>
    <message>
        <source>the chart editor cannot write pictures</source>
        <translation>l&apos;éditeur de graphiques ne peut pas écrire d&apos;images</translation>
    </message>
    <message>
        <source>the picture editor cannot write pictures</source>
        <translation>l&apos;éditeur d&apos;images ne peut pas écrire d&apos;images</translation>
    </message>
    <message>
        <source>the report has no row for it</source>
        <translation>le rapport ne contient aucune ligne pour elle</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ReportOpenDialog</name>
    <message>
        <source>Report on a &amp;server:</source>
        <translation>Rapport sur un &amp;serveur :</translation>
    </message>
    <message>
        <source>The address of a report kept on a PostgreSQL server: postgresql://[user@]host[:port]/database?report=NAME. The password comes from ~/.pgpass or PGPASSWORD.</source>
        <translation>Adresse d&apos;un rapport conservé sur un serveur PostgreSQL : postgresql://[utilisateur@]hôte[:port]/base?report=NOM. Le mot de passe provient de ~/.pgpass ou de PGPASSWORD.</translation>
    </message>
    <message>
        <source>Open &amp;address</source>
        <translation>Ouvrir l&apos;&amp;adresse</translation>
    </message>
</context>
<context>
    <name>ReportTree</name>
    <message>
        <source>The item cannot be moved there: the tree would be more than %1 levels deep.</source>
        <translation>L&apos;élément ne peut pas être déplacé ici : l&apos;arborescence dépasserait %1 niveaux.</translation>
    </message>
    <message>
        <source>The stored report tree is damaged: %1</source>
        <translation>L&apos;arborescence enregistrée du rapport est endommagée : %1</translation>
    </message>
    <message>
        <source>colour &quot;%1&quot; is not a 32-bit value</source>
        <translation>la couleur « %1 » n&apos;est pas une valeur de 32 bits</translation>
    </message>
    <message>
        <source>a node is not an object</source>
        <translation>un nœud n&apos;est pas un objet</translation>
    </message>
    <message>
        <source>a node has no kind or no data word</source>
        <translation>un nœud n&apos;a pas de type ou pas de mot de données</translation>
    </message>
    <message>
        <source>a data word is out of range</source>
        <translation>un mot de données est hors limites</translation>
    </message>
    <message>
        <source>&quot;children&quot; is not a list</source>
        <translation>« children » n&apos;est pas une liste</translation>
    </message>
    <message>
        <source>nodes are nested too deeply</source>
        <translation>les nœuds sont imbriqués trop profondément</translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>ce n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>its format is not &quot;%1&quot;</source>
        <translation>son format n&apos;est pas « %1 »</translation>
    </message>
    <message>
        <source>version %1 is not supported (this program reads version %2)</source>
        <translation>la version %1 n&apos;est pas prise en charge (ce programme lit la version %2)</translation>
    </message>
    <message>
        <source>it has no list of nodes</source>
        <translation>il n&apos;a pas de liste de nœuds</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Cannot write %1: the folder %2 cannot be created</source>
        <translation>Impossible d&apos;écrire %1 : le dossier %2 ne peut pas être créé</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>TChart</name>
    <message>
        <source>Cannot write the chart file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier graphique %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read the chart file %1: %2</source>
        <translation>Impossible de lire le fichier graphique %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a chart.</source>
        <translation>Le fichier %1 est trop volumineux pour être un graphique.</translation>
    </message>
</context>
<context>
    <name>TChartEditor</name>
    <message>
        <source>Import chart</source>
        <translation>Importer un graphique</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Vendral chart|*.KCX;*.kcx</source>
        <translation>Graphique Vendral|*.KCX;*.kcx</translation>
    </message>
    <message>
        <source>Vendral Chart (*.KCX)|*.KCX|Windows Bitmap (*.BMP)|*.BMP|SVG picture (*.SVG)|*.SVG|PDF document (*.PDF)|*.PDF|PNG file (*.PNG)|*.PNG|JPeg file (*.JPG)|*.JPG;*.JPEG</source>
        <translation>Graphique Vendral (*.KCX)|*.KCX|Image bitmap Windows (*.BMP)|*.BMP|Image SVG (*.SVG)|*.SVG|Document PDF (*.PDF)|*.PDF|Fichier PNG (*.PNG)|*.PNG|Fichier JPEG (*.JPG)|*.JPG;*.JPEG</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Autre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>TDM</name>
    <message>
        <source>Waiting for the host to finish writing the report...</source>
        <translation>En attente de la fin de l&apos;écriture du rapport par l&apos;application hôte...</translation>
    </message>
    <message>
        <source>Tessary - </source>
        <translation>Tessary - </translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>First document</source>
        <translation>Premier document</translation>
    </message>
    <message>
        <source>Second document</source>
        <translation>Deuxième document</translation>
    </message>
    <message>
        <source>%1 is not a report: it has no table %2.</source>
        <translation>%1 n&apos;est pas un rapport : il n&apos;a pas de table %2.</translation>
    </message>
    <message>
        <source>%1 is not a report: table %2 has no field %3.</source>
        <translation>%1 n&apos;est pas un rapport : la table %2 n&apos;a pas de champ %3.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a report file.</source>
        <translation>%1 est un dossier, pas un fichier de rapport.</translation>
    </message>
    <message>
        <source>The tree cannot be stored: row 0 of the report is a page, not the outline row.</source>
        <translation>L&apos;arborescence ne peut pas être enregistrée : la ligne 0 du rapport est une page, pas la ligne du plan.</translation>
    </message>
    <message>
        <source>The intake signal file %1 cannot be deleted; new pages are placed, but further signals may go unnoticed.</source>
        <translation>Le fichier de signal %1 ne peut pas être supprimé ; les nouvelles pages sont placées, mais les signaux suivants risquent de passer inaperçus.</translation>
    </message>
    <message>
        <source>Damaged page %1</source>
        <translation>Page endommagée %1</translation>
    </message>
    <message>
        <source>These pages are damaged and cannot be read: %1. They are placed under &quot;%2&quot; with a title that says so; the other pages are not affected.</source>
        <translation>Ces pages sont endommagées et illisibles : %1. Elles sont placées sous « %2 » avec un titre qui l&apos;indique ; les autres pages ne sont pas touchées.</translation>
    </message>
    <message>
        <source>Another window changed the tree of this report; the tree is shown as it stands now, and your last change to it was not stored.</source>
        <translation>Une autre fenêtre a modifié l&apos;arborescence de ce rapport ; elle est affichée telle qu&apos;elle est maintenant, et votre dernière modification n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Another window changed the tree of this report; it is shown as it stands now.</source>
        <translation>Une autre fenêtre a modifié l&apos;arborescence de ce rapport ; elle est affichée telle qu&apos;elle est maintenant.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 pages cannot be made from files here.</source>
        <translation>%1 ne peut pas être importé : les pages de type %2 ne peuvent pas être créées à partir de fichiers ici.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be made from the file %1.</source>
        <translation>Les pages de ce type ne peuvent pas être créées à partir du fichier %1.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be written as &quot;%1&quot;.</source>
        <translation>Les pages de ce type ne peuvent pas être enregistrées en « %1 ».</translation>
    </message>
    <message>
        <source>Cannot start zlib to store the tree</source>
        <translation>Impossible de démarrer zlib pour enregistrer l&apos;arborescence</translation>
    </message>
    <message>
        <source>Cannot compress the tree</source>
        <translation>Impossible de compresser l&apos;arborescence</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>Champ %1 : %2</translation>
    </message>
    <message>
        <source>The connection to the server is back.</source>
        <translation>La connexion au serveur est rétablie.</translation>
    </message>
</context>
<context>
    <name>TDiagramEditor</name>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copier comme image bitmap</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Copier comme métafichier</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 is not a diagram.</source>
        <translation>Le fichier %1 n&apos;est pas un diagramme.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Save as picture</source>
        <translation>Enregistrer comme image</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Déplacer la vue</translation>
    </message>
    <message>
        <source>Zoom to rectangle</source>
        <translation>Zoomer sur un rectangle</translation>
    </message>
    <message>
        <source>Link labels</source>
        <translation>Étiquettes des liens</translation>
    </message>
    <message>
        <source>Sizing...</source>
        <translation>Dimensions...</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Annuler les modifications</translation>
    </message>
</context>
<context>
    <name>TEditBlockDlg</name>
    <message>
        <source>Diagram</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Losange</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Carré arrondi</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Forme :</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte :</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nœuds</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Pointillé</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Tiret-point</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Tiret-point-point</translation>
    </message>
    <message>
        <source>Sample font</source>
        <translation>Exemple de police</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TGlobalFindDlg</name>
    <message>
        <source>Global search</source>
        <translation>Recherche globale</translation>
    </message>
    <message>
        <source>Text to find:</source>
        <translation>Texte à rechercher :</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Whole word only</source>
        <translation>Mot entier uniquement</translation>
    </message>
    <message>
        <source>Tree Direction:</source>
        <translation>Sens dans l&apos;arborescence :</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Portée :</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tableaux</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Item titles</source>
        <translation>Titres des éléments</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation>Introuvable !</translation>
    </message>
</context>
<context>
    <name>TGridEditor</name>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Print setup...</source>
        <translation>Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Copy + Headers</source>
        <translation>Copier avec les en-têtes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Entire row</source>
        <translation>Ligne entière</translation>
    </message>
    <message>
        <source>Entire column</source>
        <translation>Colonne entière</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Font color...</source>
        <translation>Couleur de police...</translation>
    </message>
    <message>
        <source>Background color...</source>
        <translation>Couleur d&apos;arrière-plan...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Fixed row</source>
        <translation>Ligne fixe</translation>
    </message>
    <message>
        <source>Fixed column</source>
        <translation>Colonne fixe</translation>
    </message>
    <message>
        <source>Multi-line cells</source>
        <translation>Cellules multilignes</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Remplacer...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Show all columns</source>
        <translation>Afficher toutes les colonnes</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignement</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Cannot delete all rows</source>
        <translation>Impossible de supprimer toutes les lignes</translation>
    </message>
    <message>
        <source>Cannot delete all collumns</source>
        <translation>Impossible de supprimer toutes les colonnes</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Exporter le tableau</translation>
    </message>
    <message>
        <source>Printing title</source>
        <translation>Titre d&apos;impression</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>ASCII file (*.txt)|*.TXT|Tab delimited (*.tab)|*.TAB|Comma delimited (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|MS Word (*.doc)|*.DOC|HTML file (*.htm;*.html)|*.HTM;*.HTML|XML file (*.xml)|*.XML|Word document (*.docx)|*.DOCX|Rich text (*.rtf)|*.RTF|Table file (*.grid2)|*.GRID2</source>
        <translation>Fichier ASCII (*.txt)|*.TXT|Séparé par des tabulations (*.tab)|*.TAB|Séparé par des virgules (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|MS Word (*.doc)|*.DOC|Fichier HTML (*.htm;*.html)|*.HTM;*.HTML|Fichier XML (*.xml)|*.XML|Document Word (*.docx)|*.DOCX|Texte enrichi (*.rtf)|*.RTF|Fichier tableau (*.grid2)|*.GRID2</translation>
    </message>
    <message>
        <source>Tables cannot be written as &quot;%1&quot;.</source>
        <translation>Les tableaux ne peuvent pas être enregistrés en « %1 ».</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Aide de Tessary</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Words to find, then Enter</source>
        <translation>Mots à rechercher, puis Entrée</translation>
    </message>
    <message>
        <source>No page holds these words.</source>
        <translation>Aucune page ne contient ces mots.</translation>
    </message>
</context>
<context>
    <name>TImageEditor</name>
    <message>
        <source>Image Editor</source>
        <translation>Éditeur d&apos;images</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</source>
        <translation>Image PNG (*.png)|*.png|Image bitmap Windows (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</translation>
    </message>
</context>
<context>
    <name>TIntro</name>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>À propos de Tessary</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TNewNoteDlg</name>
    <message>
        <source>New Item</source>
        <translation>Nouvel élément</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Document</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>&amp;After current item</source>
        <translation>&amp;Après l&apos;élément courant</translation>
    </message>
    <message>
        <source>&amp;Under current item</source>
        <translation>&amp;Sous l&apos;élément courant</translation>
    </message>
    <message>
        <source>{untitled}</source>
        <translation>{sans titre}</translation>
    </message>
</context>
<context>
    <name>TSelectItemDlg</name>
    <message>
        <source>Select Items</source>
        <translation>Sélectionner les éléments</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exporting %1 item(s)</source>
        <translation>Exportation de %1 élément(s)</translation>
    </message>
</context>
<context>
    <name>TSizingDlg</name>
    <message>
        <source>Sizing</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Node:</source>
        <translation>Nœud :</translation>
    </message>
    <message>
        <source>Node Text:</source>
        <translation>Texte du nœud :</translation>
    </message>
    <message>
        <source>Link Text:</source>
        <translation>Texte du lien :</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Lien :</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number.</source>
        <translation>« %1 » n&apos;est pas un nombre valide.</translation>
    </message>
</context>
<context>
    <name>TTagOptionsDlg</name>
    <message>
        <source>Tag Cloud Options</source>
        <translation>Options du nuage de mots</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Police du texte</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Color each with palette:</source>
        <translation>Colorier chaque mot avec la palette :</translation>
    </message>
    <message>
        <source>Gradient scheme:</source>
        <translation>Dégradé :</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Milieu :</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Fin :</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangulaire</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Starting position:</source>
        <translation>Position de départ :</translation>
    </message>
    <message>
        <source>From center</source>
        <translation>Depuis le centre</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Victorian</source>
        <translation>Victorienne</translation>
    </message>
    <message>
        <source>Pastel</source>
        <translation>Pastel</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Moderne</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Windows XP</source>
        <translation>Windows XP</translation>
    </message>
    <message>
        <source>Mac OS</source>
        <translation>Mac OS</translation>
    </message>
    <message>
        <source>Vista</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Gray Scale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaude</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Froide</translation>
    </message>
    <message>
        <source>BlackOnBlack</source>
        <translation>Noir sur noir</translation>
    </message>
    <message>
        <source>Metro</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>iOS</source>
        <translation>iOS</translation>
    </message>
    <message>
        <source>Android</source>
        <translation>Android</translation>
    </message>
    <message>
        <source>Lookout</source>
        <translation>Lookout</translation>
    </message>
    <message>
        <source>Seawash</source>
        <translation>Embruns</translation>
    </message>
    <message>
        <source>Multicolor</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>TTessaryM</name>
    <message>
        <source>Comment on this page</source>
        <translation>Commentaire sur cette page</translation>
    </message>
    <message>
        <source>Your comment on the selected page; it is stored with the page.</source>
        <translation>Votre commentaire sur la page sélectionnée ; il est enregistré avec la page.</translation>
    </message>
    <message>
        <source>This is the report itself. Select a page in the tree to show it here.</source>
        <translation>Ceci est le rapport lui-même. Sélectionnez une page dans l&apos;arborescence pour l&apos;afficher ici.</translation>
    </message>
    <message>
        <source>A folder holds pages; select one of them to show it here.</source>
        <translation>Un dossier contient des pages ; sélectionnez-en une pour l&apos;afficher ici.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be shown: there is no editor for them.</source>
        <translation>Les pages de ce type ne peuvent pas être affichées : aucun éditeur ne les prend en charge.</translation>
    </message>
    <message>
        <source>Cannot save data!</source>
        <translation>Impossible d&apos;enregistrer les données !</translation>
    </message>
    <message>
        <source>New report</source>
        <translation>Nouveau rapport</translation>
    </message>
    <message>
        <source>Output manager|*.sup</source>
        <translation>Gestionnaire de résultats|*.sup</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>Ouvrir un rapport</translation>
    </message>
    <message>
        <source>The report %1 does not exist.</source>
        <translation>Le rapport %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The report tree could not be stored: %1</source>
        <translation>L&apos;arborescence du rapport n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>Open server report</source>
        <translation>Ouvrir un rapport sur serveur</translation>
    </message>
    <message>
        <source>Address (postgresql://[user@]host[:port]/database?report=NAME):</source>
        <translation>Adresse (postgresql://[utilisateur@]hôte[:port]/base?report=NOM) :</translation>
    </message>
</context>
<context>
    <name>TTimeLineDlg</name>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Timeline options</source>
        <translation>Options de la chronologie</translation>
    </message>
    <message>
        <source>Synchronize timeline with main window</source>
        <translation>Synchroniser la chronologie avec la fenêtre principale</translation>
    </message>
    <message>
        <source>Annotations above the bar</source>
        <translation>Annotations au-dessus de la barre</translation>
    </message>
    <message>
        <source>Annotations above and below</source>
        <translation>Annotations au-dessus et au-dessous</translation>
    </message>
    <message>
        <source>Annotations below the bar</source>
        <translation>Annotations sous la barre</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>Print </source>
        <translation>Imprimer </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Au-dessus</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Au-dessous</translation>
    </message>
    <message>
        <source>Change color...</source>
        <translation>Changer la couleur...</translation>
    </message>
    <message>
        <source>Show location...</source>
        <translation>Afficher l&apos;emplacement...</translation>
    </message>
    <message>
        <source>Not available yet!</source>
        <translation>Pas encore disponible !</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(et %1 de plus)</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read; the rest is loaded.

%2</source>
        <translation>Certaines lignes de %1 n&apos;ont pas pu être lues ; le reste est chargé.

%2</translation>
    </message>
    <message>
        <source>The page does not hold a timeline: none of its lines is a timeline record.</source>
        <translation>La page ne contient pas de chronologie : aucune de ses lignes n&apos;est un enregistrement de chronologie.</translation>
    </message>
    <message>
        <source>the timeline</source>
        <translation>la chronologie</translation>
    </message>
    <message>
        <source>Cannot read the timeline file %1: %2</source>
        <translation>Impossible de lire le fichier de chronologie %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 is not a timeline text file: none of its lines is a timeline record.</source>
        <translation>Le fichier %1 n&apos;est pas un fichier texte de chronologie : aucune de ses lignes n&apos;est un enregistrement de chronologie.</translation>
    </message>
    <message>
        <source>Cannot write the timeline file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier de chronologie %1 : %2</translation>
    </message>
    <message>
        <source>A timeline cannot be written as &quot;%1&quot;.</source>
        <translation>Une chronologie ne peut pas être enregistrée en « %1 ».</translation>
    </message>
    <message>
        <source>PNG file (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif</source>
        <translation>Fichier PNG (*.png)|*.png|Image JPEG (*.jpg)|*.jpg|Images bitmap (*.bmp)|*.bmp|Image GIF (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>TTimeLineOptionsDlg</name>
    <message>
        <source>Timeline Options</source>
        <translation>Options de la chronologie</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Arrière-plan :</translation>
    </message>
    <message>
        <source>Time bar:</source>
        <translation>Barre de temps :</translation>
    </message>
    <message>
        <source>Annotations:</source>
        <translation>Annotations :</translation>
    </message>
    <message>
        <source>Round corners</source>
        <translation>Coins arrondis</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Dates :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cannot write the timeline file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier de chronologie %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read the timeline file %1: %2</source>
        <translation>Impossible de lire le fichier de chronologie %1 : %2</translation>
    </message>
</context>
<context>
    <name>TWPEditor</name>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Fonts...</source>
        <translation>Polices...</translation>
    </message>
    <message>
        <source>Paragraphs...</source>
        <translation>Paragraphes...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Puces...</translation>
    </message>
    <message>
        <source>Tab stops...</source>
        <translation>Tabulations...</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Borders...</source>
        <translation>Bordures...</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Image...</translation>
    </message>
    <message>
        <source>Hyperlink...</source>
        <translation>Lien hypertexte...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Supprimer le texte</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Justified</source>
        <translation>Justifié</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Puces</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numérotation</translation>
    </message>
    <message>
        <source>Prior Level</source>
        <translation>Niveau précédent</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Niveau suivant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Barré</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Exposant</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Create Table</source>
        <translation>Créer un tableau</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Select Row</source>
        <translation>Sélectionner la ligne</translation>
    </message>
    <message>
        <source>Insert Column</source>
        <translation>Insérer une colonne</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Supprimer la colonne</translation>
    </message>
    <message>
        <source>Select Column</source>
        <translation>Sélectionner la colonne</translation>
    </message>
    <message>
        <source>Top Borders</source>
        <translation>Bordures supérieures</translation>
    </message>
    <message>
        <source>Bottom Borders</source>
        <translation>Bordures inférieures</translation>
    </message>
    <message>
        <source>Left Borders</source>
        <translation>Bordures gauches</translation>
    </message>
    <message>
        <source>Right Borders</source>
        <translation>Bordures droites</translation>
    </message>
    <message>
        <source>Switch Borders On</source>
        <translation>Activer les bordures</translation>
    </message>
    <message>
        <source>Switch Borders Off</source>
        <translation>Désactiver les bordures</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>The page does not hold a document: its content is not text.</source>
        <translation>La page ne contient pas de document : son contenu n&apos;est pas du texte.</translation>
    </message>
    <message>
        <source>The file %1 is damaged; what could be read was loaded:
%2</source>
        <translation>Le fichier %1 est endommagé ; ce qui a pu être lu a été chargé :
%2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Documents|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|Word 97-2003|*.doc|WordPerfect|*.wpd|All files|*</source>
        <translation>Documents|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Texte enrichi (RTF)|*.rtf|HTML|*.html;*.htm|Texte brut|*.txt|Word (DOCX)|*.docx|Texte OpenDocument|*.odt|Word 97-2003|*.doc|WordPerfect|*.wpd|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|PDF|*.pdf</source>
        <translation>Texte enrichi (RTF)|*.rtf|HTML|*.html;*.htm|Texte brut|*.txt|Word (DOCX)|*.docx|Texte OpenDocument|*.odt|PDF|*.pdf</translation>
    </message>
    <message>
        <source>Insert picture</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Pictures|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|All files|*</source>
        <translation>Images|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|Tous les fichiers|*</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Lien hypertexte</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
</context>
<context>
    <name>TWordCloudEditor</name>
    <message>
        <source>Save as picture...</source>
        <translation>Enregistrer comme image...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Copier comme image bitmap</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Copier comme métafichier</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>This word-cloud page is a document of version &quot;%1&quot;; this program reads version 1.0.</source>
        <translation>Cette page de nuage de mots est un document de version « %1 » ; ce programme lit la version 1.0.</translation>
    </message>
    <message>
        <source>Word-cloud pages are made from word-cloud documents (.xml); %1 is not one.</source>
        <translation>Les pages de nuage de mots se créent à partir de documents de nuage de mots (.xml) ; %1 n&apos;en est pas un.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The word-cloud document %1 is empty.</source>
        <translation>Le document de nuage de mots %1 est vide.</translation>
    </message>
    <message>
        <source>Save word cloud as picture</source>
        <translation>Enregistrer le nuage de mots comme image</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;image %1 : %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be started.</source>
        <translation>Impression impossible : l&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Scalable Vector Graphics (*.svg)|*.svg</source>
        <translation>Image PNG (*.png)|*.png|Image bitmap Windows (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Image vectorielle SVG (*.svg)|*.svg</translation>
    </message>
</context>
<context>
    <name>TimeBar</name>
    <message>
        <source>A timeline picture cannot be written as &quot;%1&quot;.</source>
        <translation>Une image de chronologie ne peut pas être enregistrée en « %1 ».</translation>
    </message>
    <message>
        <source>Cannot write the picture file %1: %2</source>
        <translation>Impossible d&apos;écrire le fichier image %1 : %2</translation>
    </message>
</context>
<context>
    <name>TimeLine</name>
    <message>
        <source>Line %1: the first colour of the %2 record is missing.</source>
        <translation>Ligne %1 : la première couleur de l&apos;enregistrement %2 est absente.</translation>
    </message>
    <message>
        <source>Line %1: the first colour of the %2 record, %3, is not a colour.</source>
        <translation>Ligne %1 : la première couleur de l&apos;enregistrement %2, %3, n&apos;est pas une couleur.</translation>
    </message>
    <message>
        <source>Line %1: the second colour of the %2 record is missing.</source>
        <translation>Ligne %1 : la seconde couleur de l&apos;enregistrement %2 est absente.</translation>
    </message>
    <message>
        <source>Line %1: the second colour of the %2 record, %3, is not a colour.</source>
        <translation>Ligne %1 : la seconde couleur de l&apos;enregistrement %2, %3, n&apos;est pas une couleur.</translation>
    </message>
    <message>
        <source>Line %1: the colour of the %2 record is missing.</source>
        <translation>Ligne %1 : la couleur de l&apos;enregistrement %2 est absente.</translation>
    </message>
    <message>
        <source>Line %1: the colour of the %2 record, %3, is not a colour.</source>
        <translation>Ligne %1 : la couleur de l&apos;enregistrement %2, %3, n&apos;est pas une couleur.</translation>
    </message>
    <message>
        <source>Line %1: the event date is missing.</source>
        <translation>Ligne %1 : la date de l&apos;événement est absente.</translation>
    </message>
    <message>
        <source>Line %1: the event date %2 is not a date.</source>
        <translation>Ligne %1 : la date de l&apos;événement %2 n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Line %1: the event date %2 does not fit this computer&apos;s date format (%3).</source>
        <translation>Ligne %1 : la date de l&apos;événement %2 ne correspond pas au format de date de cet ordinateur (%3).</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range is missing.</source>
        <translation>Ligne %1 : le début de la plage totale est absent.</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range, %2, is not a date.</source>
        <translation>Ligne %1 : le début de la plage totale, %2, n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Ligne %1 : le début de la plage totale, %2, ne correspond pas au format de date de cet ordinateur (%3).</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range is missing.</source>
        <translation>Ligne %1 : la fin de la plage totale est absente.</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range, %2, is not a date.</source>
        <translation>Ligne %1 : la fin de la plage totale, %2, n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Ligne %1 : la fin de la plage totale, %2, ne correspond pas au format de date de cet ordinateur (%3).</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range is missing.</source>
        <translation>Ligne %1 : le début de la plage visible est absent.</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range, %2, is not a date.</source>
        <translation>Ligne %1 : le début de la plage visible, %2, n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Ligne %1 : le début de la plage visible, %2, ne correspond pas au format de date de cet ordinateur (%3).</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range is missing.</source>
        <translation>Ligne %1 : la fin de la plage visible est absente.</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range, %2, is not a date.</source>
        <translation>Ligne %1 : la fin de la plage visible, %2, n&apos;est pas une date.</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Ligne %1 : la fin de la plage visible, %2, ne correspond pas au format de date de cet ordinateur (%3).</translation>
    </message>
    <message>
        <source>The timeline was written under other date settings (%1). The line is not loaded; dates written as ISO 8601 (yyyy-MM-dd) read the same everywhere.</source>
        <translation>La chronologie a été écrite avec d&apos;autres paramètres de date (%1). La ligne n&apos;est pas chargée ; les dates écrites au format ISO 8601 (aaaa-MM-jj) se lisent de la même façon partout.</translation>
    </message>
    <message>
        <source>Dates are written as %1 or as ISO 8601 (yyyy-MM-dd). The line is not loaded.</source>
        <translation>Les dates s&apos;écrivent au format %1 ou au format ISO 8601 (aaaa-MM-jj). La ligne n&apos;est pas chargée.</translation>
    </message>
    <message>
        <source>Line %1: the annotation colour %2 is not a colour; the event takes the default colour.</source>
        <translation>Ligne %1 : la couleur d&apos;annotation %2 n&apos;est pas une couleur ; l&apos;événement prend la couleur par défaut.</translation>
    </message>
    <message>
        <source>Line %1: %2 is not a timeline record; the line is ignored.</source>
        <translation>Ligne %1 : %2 n&apos;est pas un enregistrement de chronologie ; la ligne est ignorée.</translation>
    </message>
    <message>
        <source>Line %1: the date %2 is read as %3 under this computer&apos;s date format (%4), but the timeline seems to be written under other date settings (%5), where it is %6. Check this date.</source>
        <translation>Ligne %1 : la date %2 est lue comme %3 selon le format de date de cet ordinateur (%4), mais la chronologie semble écrite avec d&apos;autres paramètres de date (%5), où elle correspond au %6. Vérifiez cette date.</translation>
    </message>
</context>
<context>
    <name>TreeCommands</name>
    <message>
        <source>New...</source>
        <translation>Nouveau...</translation>
    </message>
    <message>
        <source>Import files...</source>
        <translation>Importer des fichiers...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Changer la couleur</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée...</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Tout développer</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Tout réduire</translation>
    </message>
    <message>
        <source>No item can be added here: the tree would be more than %1 levels deep.</source>
        <translation>Aucun élément ne peut être ajouté ici : l&apos;arborescence dépasserait %1 niveaux.</translation>
    </message>
    <message>
        <source>Cannot save data!</source>
        <translation>Impossible d&apos;enregistrer les données !</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Modifier le titre</translation>
    </message>
    <message>
        <source>Type the new title</source>
        <translation>Saisissez le nouveau titre</translation>
    </message>
    <message>
        <source>Are you sure you want to delete item: </source>
        <translation>Voulez-vous vraiment supprimer l&apos;élément : </translation>
    </message>
</context>
<context>
    <name>WPToolBar</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
</context>
<context>
    <name>WPView</name>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>Impossible de lire l&apos;image %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>WordCloud</name>
    <message>
        <source>The word-cloud document cannot be read: %1.</source>
        <translation>Le document de nuage de mots ne peut pas être lu : %1.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1, line %2, column %3)</source>
        <translation>ce n&apos;est pas du XML bien formé (%1, ligne %2, colonne %3)</translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation>il ne contient aucun élément</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number</source>
        <translation>%1 vaut %2, ce n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 vaut %2, hors de l&apos;intervalle %3 à %4</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;true&quot; or &quot;false&quot;</source>
        <translation>%1 vaut %2, et non « true » ou « false »</translation>
    </message>
    <message>
        <source>%1 is %2, not a decimal number</source>
        <translation>%1 vaut %2, ce n&apos;est pas un nombre décimal</translation>
    </message>
    <message>
        <source>%1 is %2, outside 0 to 1</source>
        <translation>%1 vaut %2, hors de l&apos;intervalle 0 à 1</translation>
    </message>
    <message>
        <source>%1 holds %2, outside -%3 to %3</source>
        <translation>%1 contient %2, hors de l&apos;intervalle -%3 à %3</translation>
    </message>
    <message>
        <source>the font (%1)</source>
        <translation>la police (%1)</translation>
    </message>
    <message>
        <source>word %1</source>
        <translation>mot %1</translation>
    </message>
    <message>
        <source>its root element is &lt;%1&gt;, not &lt;WordCloud&gt;</source>
        <translation>son élément racine est &lt;%1&gt; et non &lt;WordCloud&gt;</translation>
    </message>
    <message>
        <source>&lt;WordCloud&gt; has no &lt;Words&gt; element</source>
        <translation>&lt;WordCloud&gt; n&apos;a pas d&apos;élément &lt;Words&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: expected a word, a tab and a positive whole number, got &quot;%3&quot;</source>
        <translation>%1 : ligne %2 : un mot, une tabulation et un nombre entier positif étaient attendus, et non « %3 »</translation>
    </message>
    <message>
        <source>the word file %1 holds no words</source>
        <translation>le fichier de mots %1 ne contient aucun mot</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>MS Word (*.doc)|*.doc|Rich Text Format (*.rtf)|*.rtf|Word document (*.docx)|*.docx</source>
        <translation>MS Word (*.doc)|*.doc|Texte enrichi RTF (*.rtf)|*.rtf|Document Word (*.docx)|*.docx</translation>
    </message>
    <message>
        <source>The HTML file &quot;%1&quot; cannot be read.</source>
        <translation>Le fichier HTML « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for &quot;%1&quot;: %2</source>
        <translation>Impossible de créer un dossier temporaire pour « %1 » : %2</translation>
    </message>
    <message>
        <source>The document could not be prepared for &quot;%1&quot;.</source>
        <translation>Le document n&apos;a pas pu être préparé pour « %1 ».</translation>
    </message>
    <message>
        <source>pandoc wrote no file &quot;%1&quot;.</source>
        <translation>pandoc n&apos;a écrit aucun fichier « %1 ».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>WordExportCommand</name>
    <message>
        <source>Export as document</source>
        <translation>Exporter comme document</translation>
    </message>
    <message>
        <source>Do you want to view the document?</source>
        <translation>Voulez-vous afficher le document ?</translation>
    </message>
</context>
<context>
    <name>WordProcessor</name>
    <message>
        <source>a ZIP archive (such as a DOCX or ODT file)</source>
        <translation>une archive ZIP (comme un fichier DOCX ou ODT)</translation>
    </message>
    <message>
        <source>an OLE compound file (such as a DOC file)</source>
        <translation>un fichier composé OLE (comme un fichier DOC)</translation>
    </message>
    <message>
        <source>a PDF file</source>
        <translation>un fichier PDF</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>une image</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>des données binaires</translation>
    </message>
    <message>
        <source>The document cannot be read: its content is %1, not HTML, RTF or text.</source>
        <translation>Le document ne peut pas être lu : son contenu est %1, et non du HTML, du RTF ou du texte.</translation>
    </message>
    <message>
        <source>A picture embedded in the document could not be decoded and is shown as missing.</source>
        <translation>Une image incorporée au document n&apos;a pas pu être décodée et est affichée comme manquante.</translation>
    </message>
    <message>
        <source>Data after the end of the RTF document was ignored.</source>
        <translation>Les données situées après la fin du document RTF ont été ignorées.</translation>
    </message>
    <message>
        <source>The RTF data ends before all its groups are closed; it may be truncated. What could be read was loaded.</source>
        <translation>Les données RTF se terminent avant la fermeture de tous leurs groupes ; elles sont peut-être tronquées. Ce qui a pu être lu a été chargé.</translation>
    </message>
    <message>
        <source>Groups nested deeper than %1 levels were read as one level.</source>
        <translation>Les groupes imbriqués sur plus de %1 niveaux ont été lus comme un seul niveau.</translation>
    </message>
    <message>
        <source>The RTF data has a closing brace without an opening one.</source>
        <translation>Les données RTF contiennent une accolade fermante sans accolade ouvrante.</translation>
    </message>
    <message>
        <source>Pictures stored as metafiles were left out.</source>
        <translation>Les images enregistrées comme métafichiers ont été omises.</translation>
    </message>
    <message>
        <source>A picture that could not be decoded was left out.</source>
        <translation>Une image qui n&apos;a pas pu être décodée a été omise.</translation>
    </message>
    <message>
        <source>The data is not RTF: it does not begin with {\rtf.</source>
        <translation>Les données ne sont pas du RTF : elles ne commencent pas par {\rtf.</translation>
    </message>
</context>
</TS>
