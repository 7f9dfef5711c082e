<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ChartActions</name>
    <message>
        <source>Import chart...</source>
        <translation>Importuj wykres...</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Zapisz wykres...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Kopiuj jako mapę bitową</translation>
    </message>
    <message>
        <source>Copy as Metafile</source>
        <translation>Kopiuj jako metaplik</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Edit chart...</source>
        <translation>Edytuj wykres...</translation>
    </message>
    <message>
        <source>Vertical bars</source>
        <translation>Słupki pionowe</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Słupki poziome</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kołowy</translation>
    </message>
    <message>
        <source>Grouped bars</source>
        <translation>Słupki grupowane</translation>
    </message>
    <message>
        <source>Grouped lines</source>
        <translation>Linie grupowane</translation>
    </message>
    <message>
        <source>Swap series and categories</source>
        <translation>Zamień serie i kategorie</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Ściany</translation>
    </message>
    <message>
        <source>Base lines</source>
        <translation>Linie bazowe</translation>
    </message>
    <message>
        <source>Rotate with the mouse</source>
        <translation>Obracaj myszą</translation>
    </message>
    <message>
        <source>Zoom with the mouse</source>
        <translation>Powiększaj myszą</translation>
    </message>
    <message>
        <source>Undo zoom</source>
        <translation>Cofnij powiększenie</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Kołysz</translation>
    </message>
    <message>
        <source>Copy as Metafile (SVG)</source>
        <translation>Kopiuj jako metaplik (SVG)</translation>
    </message>
</context>
<context>
    <name>ChartEditDialog</name>
    <message>
        <source>Edit chart</source>
        <translation>Edytuj wykres</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Osie</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Changes show on the chart at once; Cancel undoes them.</source>
        <translation>Zmiany widać od razu na wykresie; Anuluj je cofa.</translation>
    </message>
    <message>
        <source>automatic</source>
        <translation>automatycznie</translation>
    </message>
    <message>
        <source>No title</source>
        <translation>Bez tytułu</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Tytuł:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Tło:</translation>
    </message>
    <message>
        <source>Draw a &amp;border around the chart</source>
        <translation>Rysuj &amp;ramkę wokół wykresu</translation>
    </message>
    <message>
        <source>Show the &amp;legend</source>
        <translation>Pokaż &amp;legendę</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Na dole</translation>
    </message>
    <message>
        <source>Legend &amp;position:</source>
        <translation>&amp;Położenie legendy:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Widoczna</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Depth (3D points)</source>
        <translation>Głębia (punkty 3D)</translation>
    </message>
    <message>
        <source>A&amp;xis:</source>
        <translation>O&amp;ś:</translation>
    </message>
    <message>
        <source>&amp;Automatic range</source>
        <translation>Zakres &amp;automatyczny</translation>
    </message>
    <message>
        <source>M&amp;inimum:</source>
        <translation>M&amp;inimum:</translation>
    </message>
    <message>
        <source>Ma&amp;ximum:</source>
        <translation>Ma&amp;ksimum:</translation>
    </message>
    <message>
        <source>&amp;Step:</source>
        <translation>&amp;Krok:</translation>
    </message>
    <message>
        <source>&amp;Inverted</source>
        <translation>&amp;Odwrócona</translation>
    </message>
    <message>
        <source>&amp;Grid lines</source>
        <translation>Linie &amp;siatki</translation>
    </message>
    <message>
        <source>&amp;Visible</source>
        <translation>&amp;Widoczna</translation>
    </message>
    <message>
        <source>&amp;Label angle:</source>
        <translation>Kąt &amp;etykiet:</translation>
    </message>
    <message>
        <source>Minimum and maximum must be numbers.</source>
        <translation>Minimum i maksimum muszą być liczbami.</translation>
    </message>
    <message>
        <source>The minimum must not be above the maximum.</source>
        <translation>Minimum nie może być większe od maksimum.</translation>
    </message>
    <message>
        <source>&amp;3D view</source>
        <translation>Widok &amp;3D</translation>
    </message>
    <message>
        <source>&amp;Walls</source>
        <translation>Ś&amp;ciany</translation>
    </message>
    <message>
        <source>Wall &amp;edges</source>
        <translation>&amp;Krawędzie ścian</translation>
    </message>
    <message>
        <source>&amp;Rotation:</source>
        <translation>&amp;Obrót:</translation>
    </message>
    <message>
        <source>&amp;Elevation:</source>
        <translation>&amp;Nachylenie:</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <translation>&amp;Głębia:</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <source>Custom...</source>
        <translation>Własny...</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Fioletowy</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Morski</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limonkowy</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuksja</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Money Green</source>
        <translation>Zielony banknotowy</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Błękitny</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Kremowy</translation>
    </message>
    <message>
        <source>Medium Gray</source>
        <translation>Średnioszary</translation>
    </message>
</context>
<context>
    <name>CommentMenu</name>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
<context>
    <name>Converters</name>
    <message>
        <source>No temporary folder could be made for a conversion: %1</source>
        <translation>Nie można utworzyć folderu tymczasowego do konwersji: %1</translation>
    </message>
    <message>
        <source>The conversion of &quot;%1&quot; produced no file.</source>
        <translation>Konwersja „%1” nie utworzyła żadnego pliku.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert &quot;%1&quot;: it wrote no document.</source>
        <translation>LibreOffice nie mógł przekonwertować „%1”: nie zapisał żadnego dokumentu.</translation>
    </message>
    <message>
        <source>Files of type &quot;.%1&quot; cannot be converted to a document.</source>
        <translation>Plików typu „.%1” nie można przekonwertować na dokument.</translation>
    </message>
    <message>
        <source>The document could not be written for conversion.</source>
        <translation>Nie można zapisać dokumentu do konwersji.</translation>
    </message>
    <message>
        <source>pandoc wrote no file &quot;%1&quot;.</source>
        <translation>pandoc nie zapisał pliku „%1”.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written.</source>
        <translation>Nie można zapisać pliku PDF „%1”.</translation>
    </message>
    <message>
        <source>Documents cannot be written as &quot;.%1&quot; files.</source>
        <translation>Dokumentów nie można zapisać jako plików „.%1”.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2</source>
        <translation>Nie można zapisać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>Can&apos;t create HTML file</source>
        <translation>Nie można utworzyć pliku HTML</translation>
    </message>
    <message>
        <source>Can&apos;t open RTF file</source>
        <translation>Nie można otworzyć pliku RTF</translation>
    </message>
    <message>
        <source>RTF file has zero length</source>
        <translation>Plik RTF ma zerową długość</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>%1 is needed to convert &quot;%2&quot; but is not installed. Install the Debian package &quot;%3&quot;.</source>
        <translation>Do konwersji „%2” potrzebny jest program %1, który nie jest zainstalowany. Zainstaluj pakiet Debiana „%3”.</translation>
    </message>
    <message>
        <source>%1 could not be started to convert &quot;%2&quot;: %3</source>
        <translation>Nie można uruchomić programu %1, aby przekonwertować „%2”: %3</translation>
    </message>
    <message>
        <source>%1 did not finish converting &quot;%2&quot; within %3 seconds and was stopped.</source>
        <translation>Program %1 nie zakończył konwersji „%2” w ciągu %3 s i został zatrzymany.</translation>
    </message>
    <message>
        <source>it stopped abnormally</source>
        <translation>zakończył się nieprawidłowo</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>kod wyjścia %1</translation>
    </message>
    <message>
        <source>%1 could not convert &quot;%2&quot;: %3</source>
        <translation>Program %1 nie mógł przekonwertować „%2”: %3</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>zlib error %1</source>
        <translation>błąd zlib %1</translation>
    </message>
    <message>
        <source>Cannot compress a field: the zlib stream is incomplete</source>
        <translation>Nie można skompresować pola: strumień zlib jest niekompletny</translation>
    </message>
    <message>
        <source>Cannot start zlib: %1</source>
        <translation>Nie można uruchomić zlib: %1</translation>
    </message>
    <message>
        <source>A compressed field is damaged: the zlib stream is truncated</source>
        <translation>Skompresowane pole jest uszkodzone: strumień zlib jest obcięty</translation>
    </message>
    <message>
        <source>A compressed field is too large to be read</source>
        <translation>Skompresowane pole jest zbyt duże, aby je odczytać</translation>
    </message>
    <message>
        <source>A compressed field is damaged: %1</source>
        <translation>Skompresowane pole jest uszkodzone: %1</translation>
    </message>
    <message>
        <source>invalid zlib data</source>
        <translation>nieprawidłowe dane zlib</translation>
    </message>
    <message>
        <source>A compressed field is damaged: bytes follow the zlib stream</source>
        <translation>Skompresowane pole jest uszkodzone: za strumieniem zlib znajdują się dodatkowe bajty</translation>
    </message>
    <message>
        <source>Cannot decode a binary field</source>
        <translation>Nie można zdekodować pola binarnego</translation>
    </message>
    <message>
        <source>The database is not connected</source>
        <translation>Baza danych nie jest połączona</translation>
    </message>
    <message>
        <source>the connection to the server was lost: %1</source>
        <translation>utracono połączenie z serwerem: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>brak pamięci</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Nie można połączyć się z %1: %2</translation>
    </message>
    <message>
        <source>%1: the server does not speak UTF-8</source>
        <translation>%1: serwer nie obsługuje UTF-8</translation>
    </message>
    <message>
        <source>The server has no report %1 (%2)</source>
        <translation>Na serwerze nie ma raportu %1 (%2)</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>Pole %1: %2</translation>
    </message>
    <message>
        <source>%1: table %2 does not exist</source>
        <translation>%1: tabela %2 nie istnieje</translation>
    </message>
    <message>
        <source>%1: table %2 has no identity column</source>
        <translation>%1: tabela %2 nie ma kolumny identyfikującej</translation>
    </message>
    <message>
        <source>Table %1 is not open</source>
        <translation>Tabela %1 nie jest otwarta</translation>
    </message>
    <message>
        <source>Table %1 has no field %2</source>
        <translation>Tabela %1 nie ma pola %2</translation>
    </message>
    <message>
        <source>Cannot locate on the compressed field %1</source>
        <translation>Nie można wyszukiwać według skompresowanego pola %1</translation>
    </message>
    <message>
        <source>No current record</source>
        <translation>Brak bieżącego rekordu</translation>
    </message>
    <message>
        <source>%1: the record was deleted by another user</source>
        <translation>%1: rekord został usunięty przez innego użytkownika</translation>
    </message>
    <message>
        <source>Table %1 is not in edit or insert mode</source>
        <translation>Tabela %1 nie jest w trybie edycji ani wstawiania</translation>
    </message>
    <message>
        <source>%1 is not a server address</source>
        <translation>%1 nie jest adresem serwera</translation>
    </message>
    <message>
        <source>A report address must not hold a password; libpq takes it from ~/.pgpass or PGPASSWORD</source>
        <translation>Adres raportu nie może zawierać hasła; libpq pobiera je z ~/.pgpass lub PGPASSWORD</translation>
    </message>
    <message>
        <source>The address %1 names no report (add ?report=NAME)</source>
        <translation>Adres %1 nie wskazuje raportu (dodaj ?report=NAZWA)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a report name: use letters, digits and underscores, at most 63, starting with a letter</source>
        <translation>„%1” nie jest nazwą raportu: użyj liter, cyfr i podkreśleń, najwyżej 63 znaków, zaczynając od litery</translation>
    </message>
    <message>
        <source>Cannot prepare &quot;%1&quot;</source>
        <translation>Nie można przygotować „%1”</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>brak połączenia</translation>
    </message>
    <message>
        <source>Cannot read the fields of %1</source>
        <translation>Nie można odczytać pól tabeli %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>File is not a report database: %1 (%2)</source>
        <translation>Plik nie jest bazą danych raportu: %1 (%2)</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>The report file does not exist: %1</source>
        <translation>Plik raportu nie istnieje: %1</translation>
    </message>
    <message>
        <source>Cannot read the list of tables</source>
        <translation>Nie można odczytać listy tabel</translation>
    </message>
    <message>
        <source>Cannot read table %1</source>
        <translation>Nie można odczytać tabeli %1</translation>
    </message>
    <message>
        <source>Cannot search table %1</source>
        <translation>Nie można przeszukać tabeli %1</translation>
    </message>
    <message>
        <source>Cannot write to table %1</source>
        <translation>Nie można zapisać do tabeli %1</translation>
    </message>
    <message>
        <source>Cannot delete from table %1</source>
        <translation>Nie można usunąć z tabeli %1</translation>
    </message>
    <message>
        <source>Cannot compress a field: not enough memory</source>
        <translation>Nie można skompresować pola: za mało pamięci</translation>
    </message>
    <message>
        <source>Cannot compress a field of %1 bytes: it is too large</source>
        <translation>Nie można skompresować pola o rozmiarze %1 B: jest za duże</translation>
    </message>
    <message>
        <source>The connection to %1 was lost; it is made again as soon as the server answers.</source>
        <translation>Połączenie z %1 zostało utracone; zostanie przywrócone, gdy tylko serwer odpowie.</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>The diagram cannot be read: %1.</source>
        <translation>Nie można odczytać diagramu: %1.</translation>
    </message>
    <message>
        <source>block %1 has a %2 that is not a number</source>
        <translation>blok %1 ma wartość %2, która nie jest liczbą</translation>
    </message>
    <message>
        <source>block %1 has a %2 out of range</source>
        <translation>blok %1 ma wartość %2 spoza zakresu</translation>
    </message>
    <message>
        <source>block %1 has a negative %2 (%3)</source>
        <translation>blok %1 ma ujemną wartość %2 (%3)</translation>
    </message>
    <message>
        <source>link %1 has a %2 &quot;%3&quot; that names no block</source>
        <translation>połączenie %1 ma koniec %2 „%3”, który nie wskazuje żadnego bloku</translation>
    </message>
    <message>
        <source>link %1 has no %2 block</source>
        <translation>połączenie %1 nie ma bloku %2</translation>
    </message>
    <message>
        <source>link %1 has a %2 (%3) that is not a block of the diagram</source>
        <translation>połączenie %1 ma koniec %2 (%3), który nie jest blokiem diagramu</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>nie jest to poprawny JSON (%1 w bajcie %2)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>nie jest to obiekt JSON</translation>
    </message>
    <message>
        <source>its format is &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>jego format to „%1”, a nie „%2”</translation>
    </message>
    <message>
        <source>it was written by a newer version (%1) of the program</source>
        <translation>został zapisany przez nowszą wersję (%1) programu</translation>
    </message>
    <message>
        <source>&quot;blocks&quot; is not a list</source>
        <translation>„blocks” nie jest listą</translation>
    </message>
    <message>
        <source>block %1 is not an object</source>
        <translation>blok %1 nie jest obiektem</translation>
    </message>
    <message>
        <source>&quot;links&quot; is not a list</source>
        <translation>„links” nie jest listą</translation>
    </message>
    <message>
        <source>link %1 is not an object</source>
        <translation>połączenie %1 nie jest obiektem</translation>
    </message>
    <message>
        <source>link %1 has a negative width (%2)</source>
        <translation>połączenie %1 ma ujemną grubość (%2)</translation>
    </message>
</context>
<context>
    <name>ExportCommands</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Stop the export</source>
        <translation>Zatrzymaj eksport</translation>
    </message>
    <message>
        <source>Export to HTML</source>
        <translation>Eksportuj do HTML</translation>
    </message>
    <message>
        <source>HTML files|*.htm;*.html</source>
        <translation>Pliki HTML|*.htm;*.html</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Eksport anulowany</translation>
    </message>
    <message>
        <source>Do you want to view the document?</source>
        <translation>Czy chcesz wyświetlić dokument?</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp</source>
        <translation>Obrazy PNG (*.png)|*.png|Obrazy JPEG (*.jpg)|*.jpg|Mapy bitowe (*.bmp)|*.bmp</translation>
    </message>
</context>
<context>
    <name>FileImport</name>
    <message>
        <source>The file %1 cannot be imported:
%2</source>
        <translation>Nie można zaimportować pliku %1:
%2</translation>
    </message>
    <message>
        <source>Importing %1 of %2: %3</source>
        <translation>Importowanie %1 z %2: %3</translation>
    </message>
    <message>
        <source>%1 pages cannot be made from files here.</source>
        <translation>Stron typu %1 nie można tutaj utworzyć z plików.</translation>
    </message>
    <message>
        <source>The report cannot be written.</source>
        <translation>Nie można zapisać raportu.</translation>
    </message>
    <message>
        <source>The import stopped because the report was closed or changed; %1 file(s) were not imported.</source>
        <translation>Import został przerwany, ponieważ raport został zamknięty lub zmieniony; nie zaimportowano plików: %1.</translation>
    </message>
    <message>
        <source>The %1 file(s) after it were not imported.</source>
        <translation>Następne pliki (%1) nie zostały zaimportowane.</translation>
    </message>
</context>
<context>
    <name>GlobalFind</name>
    <message>
        <source>cell %1%2</source>
        <translation>komórka %1%2</translation>
    </message>
    <message>
        <source>page %1 (%2): its row cannot be read</source>
        <translation>strona %1 (%2): nie można odczytać jej wiersza</translation>
    </message>
    <message>
        <source>page %1 (%2): %3</source>
        <translation>strona %1 (%2): %3</translation>
    </message>
    <message>
        <source>text, paragraph %1, character %2</source>
        <translation>tekst, akapit %1, znak %2</translation>
    </message>
    <message>
        <source>comment, line %1, character %2</source>
        <translation>komentarz, wiersz %1, znak %2</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Line %1: a quoted field is not closed. The rows before it were imported; the rest of the file was not.</source>
        <translation>Wiersz %1: pole w cudzysłowie nie zostało zamknięte. Wiersze przed nim zaimportowano, pozostałej części pliku nie.</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc is not installed (install the package &quot;pandoc&quot;).</source>
        <translation>Nie można zapisać dokumentu edytora tekstu: pandoc nie jest zainstalowany (zainstaluj pakiet „pandoc”).</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc did not finish within %1 seconds.</source>
        <translation>Nie można zapisać dokumentu edytora tekstu: pandoc nie zakończył pracy w ciągu %1 s.</translation>
    </message>
    <message>
        <source>The word-processor document cannot be written: pandoc failed (%1).</source>
        <translation>Nie można zapisać dokumentu edytora tekstu: pandoc zakończył się błędem (%1).</translation>
    </message>
    <message>
        <source>exit code %1</source>
        <translation>kod wyjścia %1</translation>
    </message>
    <message>
        <source>Cannot create a scratch folder for the document.</source>
        <translation>Nie można utworzyć folderu roboczego dla dokumentu.</translation>
    </message>
    <message>
        <source>Cannot write the scratch file %1.</source>
        <translation>Nie można zapisać pliku roboczego %1.</translation>
    </message>
    <message>
        <source>pandoc wrote no document.</source>
        <translation>pandoc nie zapisał żadnego dokumentu.</translation>
    </message>
    <message>
        <source>Cannot create the file %1.</source>
        <translation>Nie można utworzyć pliku %1.</translation>
    </message>
    <message>
        <source>Tables cannot be written as &quot;%1&quot;.</source>
        <translation>Tabel nie można zapisać jako „%1”.</translation>
    </message>
    <message>
        <source>Cannot open the file %1.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>The bytes are not a stored table.</source>
        <translation>Te bajty nie są zapisaną tabelą.</translation>
    </message>
    <message>
        <source>The stored table has no valid version number.</source>
        <translation>Zapisana tabela nie ma prawidłowego numeru wersji.</translation>
    </message>
    <message>
        <source>The stored table was written by a newer version (%1) of the program.</source>
        <translation>Zapisana tabela pochodzi z nowszej wersji (%1) programu.</translation>
    </message>
    <message>
        <source>The stored table is too large (%1 rows, %2 columns).</source>
        <translation>Zapisana tabela jest zbyt duża (wiersze: %1, kolumny: %2).</translation>
    </message>
    <message>
        <source>The stored table cannot be read: %1 at byte %2.</source>
        <translation>Nie można odczytać zapisanej tabeli: %1 w bajcie %2.</translation>
    </message>
    <message>
        <source>Cannot create the spreadsheet %1.</source>
        <translation>Nie można utworzyć arkusza kalkulacyjnego %1.</translation>
    </message>
    <message>
        <source>Cannot write the spreadsheet %1: %2.</source>
        <translation>Nie można zapisać arkusza kalkulacyjnego %1: %2.</translation>
    </message>
</context>
<context>
    <name>GridControl</name>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
</context>
<context>
    <name>GridFindDialog</name>
    <message>
        <source>Replace</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Find what:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Zamień na:</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>Whole cell only</source>
        <translation>Tylko cała komórka</translation>
    </message>
    <message>
        <source>Prompt on replace</source>
        <translation>Pytaj przed zamianą</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Zamień wszystko</translation>
    </message>
    <message>
        <source>No more occurences of text </source>
        <translation>Brak dalszych wystąpień tekstu </translation>
    </message>
    <message>
        <source>Could not find text</source>
        <translation>Nie znaleziono tekstu</translation>
    </message>
    <message>
        <source>Replace this occurence ?</source>
        <translation>Zamienić to wystąpienie?</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>Edit cell</source>
        <translation>Edytuj komórkę</translation>
    </message>
</context>
<context>
    <name>HtmlExport</name>
    <message>
        <source>%1 (page %2): %3</source>
        <translation>%1 (strona %2): %3</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>The picture (%1 × %2 pixels) is too large to be stored.</source>
        <translation>Obraz (%1 × %2 pikseli) jest zbyt duży, aby go zapisać.</translation>
    </message>
    <message>
        <source>The bitmap is cut short: its header is incomplete.</source>
        <translation>Mapa bitowa jest obcięta: jej nagłówek jest niekompletny.</translation>
    </message>
    <message>
        <source>The bitmap&apos;s header is damaged (%1 × %2 pixels, %3 planes).</source>
        <translation>Nagłówek mapy bitowej jest uszkodzony (%1 × %2 pikseli, płaszczyzny: %3).</translation>
    </message>
    <message>
        <source>The bitmap (%1 × %2 pixels) is too large to be shown.</source>
        <translation>Mapa bitowa (%1 × %2 pikseli) jest zbyt duża, aby ją wyświetlić.</translation>
    </message>
    <message>
        <source>Not enough memory for a bitmap of %1 × %2 pixels.</source>
        <translation>Za mało pamięci na mapę bitową o wymiarach %1 × %2 pikseli.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1</source>
        <translation>Koder GIF zakończył się błędem: %1</translation>
    </message>
    <message>
        <source>There is no picture to write as GIF.</source>
        <translation>Brak obrazu do zapisania jako GIF.</translation>
    </message>
    <message>
        <source>A GIF picture can be at most 65535 pixels wide and high (this one is %1 × %2).</source>
        <translation>Obraz GIF może mieć najwyżej 65535 pikseli szerokości i wysokości (ten ma %1 × %2).</translation>
    </message>
    <message>
        <source>The GIF encoder is out of memory.</source>
        <translation>Koderowi GIF zabrakło pamięci.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; does not exist.</source>
        <translation>Plik obrazu „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>Windows metafiles such as &quot;%1&quot; are read through LibreOffice, which is not installed. Install the package libreoffice-draw (Debian: apt install libreoffice-draw) and import the file again.</source>
        <translation>Metapliki Windows, takie jak „%1”, są odczytywane za pomocą LibreOffice, który nie jest zainstalowany. Zainstaluj pakiet libreoffice-draw (Debian: apt install libreoffice-draw) i ponownie zaimportuj plik.</translation>
    </message>
    <message>
        <source>Cannot make a scratch folder for converting &quot;%1&quot;: %2</source>
        <translation>Nie można utworzyć folderu roboczego do konwersji „%1”: %2</translation>
    </message>
    <message>
        <source>LibreOffice (%1) could not be started: %2</source>
        <translation>Nie można uruchomić LibreOffice (%1): %2</translation>
    </message>
    <message>
        <source>LibreOffice did not convert &quot;%1&quot; within %2 seconds.</source>
        <translation>LibreOffice nie przekonwertował „%1” w ciągu %2 s.</translation>
    </message>
    <message>
        <source>LibreOffice could not convert the metafile &quot;%1&quot;%2</source>
        <translation>LibreOffice nie mógł przekonwertować metapliku „%1”%2</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>Obrazy JPEG</translation>
    </message>
    <message>
        <source>Portable Network Graphics</source>
        <translation>Obrazy PNG</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>Obrazy GIF</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapy bitowe</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Ikony</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics</source>
        <translation>Grafika wektorowa SVG</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>Obrazy TIFF</translation>
    </message>
    <message>
        <source>WebP Image</source>
        <translation>Obrazy WebP</translation>
    </message>
    <message>
        <source>Targa Image</source>
        <translation>Obrazy Targa</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metapliki</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1) of &quot;%2&quot;.</source>
        <translation>Nieznane rozszerzenie pliku obrazu (.%1) w „%2”.</translation>
    </message>
    <message>
        <source>No %1 decoder is installed to read &quot;%2&quot;.</source>
        <translation>Nie zainstalowano dekodera %1 do odczytu „%2”.</translation>
    </message>
    <message>
        <source>Cannot open the picture file &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć pliku obrazu „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot; as a %2 picture: %3</source>
        <translation>Nie można odczytać „%1” jako obrazu %2: %3</translation>
    </message>
    <message>
        <source>The stored picture is not in a known picture format (BMP, PNG, JPEG or GIF).</source>
        <translation>Zapisany obraz nie jest w znanym formacie (BMP, PNG, JPEG lub GIF).</translation>
    </message>
    <message>
        <source>The stored %1 picture cannot be read: %2</source>
        <translation>Nie można odczytać zapisanego obrazu %1: %2</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Wszystkie obrazy (%1)|%1</translation>
    </message>
    <message>
        <source>There is no picture to write to &quot;%1&quot;.</source>
        <translation>Brak obrazu do zapisania w „%1”.</translation>
    </message>
    <message>
        <source>Cannot write the picture file &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać pliku obrazu „%1”: %2</translation>
    </message>
    <message>
        <source>Pictures cannot be written as &quot;.%1&quot; files; use .png, .bmp, .jpg or .gif.</source>
        <translation>Obrazów nie można zapisywać jako plików „.%1”; użyj .png, .bmp, .jpg lub .gif.</translation>
    </message>
    <message>
        <source>Cannot make a PNG of the picture: %1</source>
        <translation>Nie można utworzyć pliku PNG z obrazu: %1</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Tabular data (*.tab;*.csv)|*.tab;*.csv;*.grid2|Chart results (*.kcx)|*.kcx|Text file (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|Graphic file (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|All files (*.*)|*</source>
        <translation>Dane tabelaryczne (*.tab;*.csv)|*.tab;*.csv;*.grid2|Wyniki wykresów (*.kcx)|*.kcx|Plik tekstowy (*.txt;*.doc;*.wpd;*.rtf;*.htm*)|*.txt;*.doc;*.wpd;*.rtf;*.htm*|Plik graficzny (*.bmp;*.wmf;*.jpg;*.png)|*.bmp;*.wmf;*.jpg;*.png|Wszystkie pliki (*.*)|*</translation>
    </message>
    <message>
        <source>Import files</source>
        <translation>Importuj pliki</translation>
    </message>
</context>
<context>
    <name>LanguageRuntime</name>
    <message>
        <source>There is no interface language with the identifier %1.</source>
        <translation>Nie ma języka interfejsu o identyfikatorze %1.</translation>
    </message>
    <message>
        <source>The translations into %1 cannot be read.</source>
        <translation>Nie można odczytać tłumaczeń na język %1.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>New...</source>
        <translation>Nowy...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Otwórz...</translation>
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
        <translation>Tekst sformatowany (RTF)...</translation>
    </message>
    <message>
        <source>Printer setup...</source>
        <translation>Ustawienia drukarki...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Właściwości...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Import files...</source>
        <translation>Importuj pliki...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Zmień nazwę...</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Rozwiń wszystko</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Zwiń wszystko</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Promote</source>
        <translation>Podnieś poziom</translation>
    </message>
    <message>
        <source>Demote</source>
        <translation>Obniż poziom</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Własny...</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Podnieś poziom</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Obniż poziom</translation>
    </message>
    <message>
        <source>Insert item</source>
        <translation>Wstaw element</translation>
    </message>
    <message>
        <source>Delete item</source>
        <translation>Usuń element</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Importuj plik</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Znajdź...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Zamień...</translation>
    </message>
    <message>
        <source>Global find...</source>
        <translation>Wyszukiwanie globalne...</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Tematy pomocy</translation>
    </message>
    <message>
        <source>Orvane Home Page</source>
        <translation>Strona domowa Orvane</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importuj...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>Przekreślenie</translation>
    </message>
    <message>
        <source>Left border</source>
        <translation>Lewa krawędź</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message>
        <source>Right border</source>
        <translation>Prawa krawędź</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Punktory</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numerowanie</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Text color</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Czcionka...</translation>
    </message>
    <message>
        <source>Paragraph...</source>
        <translation>Akapit...</translation>
    </message>
    <message>
        <source>Tab stops...</source>
        <translation>Tabulatory...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Ustawienia strony...</translation>
    </message>
    <message>
        <source>Create table...</source>
        <translation>Utwórz tabelę...</translation>
    </message>
    <message>
        <source>Select row</source>
        <translation>Zaznacz wiersz</translation>
    </message>
    <message>
        <source>Insert row</source>
        <translation>Wstaw wiersz</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Usuń wiersz</translation>
    </message>
    <message>
        <source>Select column</source>
        <translation>Zaznacz kolumnę</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Wstaw kolumnę</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Usuń kolumnę</translation>
    </message>
    <message>
        <source>All borders</source>
        <translation>Wszystkie krawędzie</translation>
    </message>
    <message>
        <source>No borders</source>
        <translation>Bez krawędzi</translation>
    </message>
    <message>
        <source>Top border</source>
        <translation>Górna krawędź</translation>
    </message>
    <message>
        <source>Bottom border</source>
        <translation>Dolna krawędź</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Multi-line</source>
        <translation>Wielowierszowe</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Kolor czcionki</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save to disk...</source>
        <translation>Zapisz na dysku...</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>Wyrównaj do lewej</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>Wyrównaj do prawej</translation>
    </message>
    <message>
        <source>Fixed row</source>
        <translation>Stały wiersz</translation>
    </message>
    <message>
        <source>Fixed column</source>
        <translation>Stała kolumna</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Zamień osie</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obróć</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Słupki</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Słupki poziome</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kołowy</translation>
    </message>
    <message>
        <source>Grouped bars</source>
        <translation>Słupki grupowane</translation>
    </message>
    <message>
        <source>Grouped lines</source>
        <translation>Linie grupowane</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Ściany</translation>
    </message>
    <message>
        <source>Base lines</source>
        <translation>Linie bazowe</translation>
    </message>
    <message>
        <source>Animate</source>
        <translation>Animuj</translation>
    </message>
    <message>
        <source>Edit chart...</source>
        <translation>Edytuj wykres...</translation>
    </message>
    <message>
        <source>Open chart file...</source>
        <translation>Otwórz plik wykresu...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Kopiuj jako mapę bitową</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Kopiuj jako metaplik</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznaczanie</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Przesuwanie</translation>
    </message>
    <message>
        <source>Zoom to area</source>
        <translation>Powiększ obszar</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Etykiety</translation>
    </message>
    <message>
        <source>Sizing</source>
        <translation>Rozmiary</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Zmień kolor</translation>
    </message>
    <message>
        <source>&amp;Items</source>
        <translation>&amp;Elementy</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Dokument</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Wykres</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>&amp;Tabela</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Open server report...</source>
        <translation>Otwórz raport z serwera...</translation>
    </message>
    <message>
        <source>Word document (.docx)...</source>
        <translation>Dokument Word (.docx)...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The temporary folder %1 cannot be written: pages sent by the host will not be noticed.</source>
        <translation>Nie można zapisywać w folderze tymczasowym %1: strony wysyłane przez aplikację główną nie zostaną zauważone.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2.</source>
        <translation>Nie można zapisać pliku %1: %2.</translation>
    </message>
    <message>
        <source>Documents cannot be written as &quot;%1&quot;; choose one of %2.</source>
        <translation>Dokumentów nie można zapisać jako „%1”; wybierz jeden z formatów %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>A chart cannot be written as &quot;%1&quot;.</source>
        <translation>Wykresu nie można zapisać jako „%1”.</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>Nie można zapisać obrazu %1: %2</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Cannot write the document %1: %2</source>
        <translation>Nie można zapisać dokumentu %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the document %1.</source>
        <translation>Nie można zapisać dokumentu %1.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Nie udało się uruchomić drukarki.</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation>Seria %1</translation>
    </message>
    <message>
        <source>The chart is empty: there is no chart data to read.</source>
        <translation>Wykres jest pusty: brak danych do odczytania.</translation>
    </message>
    <message>
        <source>This is not a chart: its data cannot be read (%1 at byte %2).</source>
        <translation>To nie jest wykres: nie można odczytać jego danych (%1 w bajcie %2).</translation>
    </message>
    <message>
        <source>This is not a chart: its format is &quot;%1&quot;.</source>
        <translation>To nie jest wykres: jego format to „%1”.</translation>
    </message>
    <message>
        <source>This chart was written in version %1 of the chart format, which this program cannot read.</source>
        <translation>Ten wykres zapisano w wersji %1 formatu wykresów, której ten program nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>Vertical bars</source>
        <translation>Słupki pionowe</translation>
    </message>
    <message>
        <source>Horizontal bars</source>
        <translation>Słupki poziome</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Liniowy</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Pie</source>
        <translation>Kołowy</translation>
    </message>
    <message>
        <source>3D points</source>
        <translation>Punkty 3D</translation>
    </message>
    <message>
        <source>The axis minimum must be a number.</source>
        <translation>Minimum osi musi być liczbą.</translation>
    </message>
    <message>
        <source>The axis minimum %1 is above its maximum %2.</source>
        <translation>Minimum osi (%1) jest większe od jej maksimum (%2).</translation>
    </message>
    <message>
        <source>The axis maximum must be a number.</source>
        <translation>Maksimum osi musi być liczbą.</translation>
    </message>
    <message>
        <source>The axis maximum %1 is below its minimum %2.</source>
        <translation>Maksimum osi (%1) jest mniejsze od jej minimum (%2).</translation>
    </message>
    <message>
        <source>The axis range %1 .. %2 is not valid.</source>
        <translation>Zakres osi %1 .. %2 jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>These pages could not be exported and were left out:
%1</source>
        <translation>Tych stron nie udało się wyeksportować i zostały pominięte:
%1</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>there is no editor for it</source>
        <translation>brak dla niej edytora</translation>
    </message>
    <message>
        <source>the document editor cannot write HTML</source>
        <translation>edytor dokumentów nie potrafi zapisać HTML</translation>
    </message>
    <message>
        <source>the table editor cannot write HTML</source>
        <translation>edytor tabel nie potrafi zapisać HTML</translation>
    </message>
    <message>
        <source>the chart editor cannot write pictures</source>
        <translation>edytor wykresów nie potrafi zapisać obrazów</translation>
    </message>
    <message>
        <source>the picture editor cannot write pictures</source>
        <translation>edytor obrazów nie potrafi zapisać obrazów</translation>
    </message>
    <message>
        <source>the report has no row for it</source>
        <translation>raport nie zawiera dla niej wiersza</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>ReportOpenDialog</name>
    <message>
        <source>Report on a &amp;server:</source>
        <translation>Raport na &amp;serwerze:</translation>
    </message>
    <message>
        <source>The address of a report kept on a PostgreSQL server: postgresql://[user@]host[:port]/database?report=NAME. The password comes from ~/.pgpass or PGPASSWORD.</source>
        <translation>Adres raportu przechowywanego na serwerze PostgreSQL: postgresql://[użytkownik@]host[:port]/baza?report=NAZWA. Hasło pochodzi z ~/.pgpass lub PGPASSWORD.</translation>
    </message>
    <message>
        <source>Open &amp;address</source>
        <translation>Otwórz &amp;adres</translation>
    </message>
</context>
<context>
    <name>ReportTree</name>
    <message>
        <source>The item cannot be moved there: the tree would be more than %1 levels deep.</source>
        <translation>Nie można tu przenieść elementu: drzewo miałoby więcej niż %1 poziomów.</translation>
    </message>
    <message>
        <source>The stored report tree is damaged: %1</source>
        <translation>Zapisane drzewo raportu jest uszkodzone: %1</translation>
    </message>
    <message>
        <source>colour &quot;%1&quot; is not a 32-bit value</source>
        <translation>kolor „%1” nie jest wartością 32-bitową</translation>
    </message>
    <message>
        <source>a node is not an object</source>
        <translation>węzeł nie jest obiektem</translation>
    </message>
    <message>
        <source>a node has no kind or no data word</source>
        <translation>węzeł nie ma typu lub słowa danych</translation>
    </message>
    <message>
        <source>a data word is out of range</source>
        <translation>słowo danych jest poza zakresem</translation>
    </message>
    <message>
        <source>&quot;children&quot; is not a list</source>
        <translation>„children” nie jest listą</translation>
    </message>
    <message>
        <source>nodes are nested too deeply</source>
        <translation>węzły są zagnieżdżone zbyt głęboko</translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1 w bajcie %2</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>nie jest to obiekt JSON</translation>
    </message>
    <message>
        <source>its format is not &quot;%1&quot;</source>
        <translation>jego format to nie „%1”</translation>
    </message>
    <message>
        <source>version %1 is not supported (this program reads version %2)</source>
        <translation>wersja %1 nie jest obsługiwana (ten program odczytuje wersję %2)</translation>
    </message>
    <message>
        <source>it has no list of nodes</source>
        <translation>nie ma listy węzłów</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Cannot write %1: the folder %2 cannot be created</source>
        <translation>Nie można zapisać %1: nie można utworzyć folderu %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>TChart</name>
    <message>
        <source>Cannot write the chart file %1: %2</source>
        <translation>Nie można zapisać pliku wykresu %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the chart file %1: %2</source>
        <translation>Nie można odczytać pliku wykresu %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is too large to be a chart.</source>
        <translation>Plik %1 jest za duży, by mógł być wykresem.</translation>
    </message>
</context>
<context>
    <name>TChartEditor</name>
    <message>
        <source>Import chart</source>
        <translation>Importuj wykres</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Zapisz wykres</translation>
    </message>
    <message>
        <source>Vendral chart|*.KCX;*.kcx</source>
        <translation>Wykres Vendral|*.KCX;*.kcx</translation>
    </message>
    <message>
        <source>Vendral Chart (*.KCX)|*.KCX|Windows Bitmap (*.BMP)|*.BMP|SVG picture (*.SVG)|*.SVG|PDF document (*.PDF)|*.PDF|PNG file (*.PNG)|*.PNG|JPeg file (*.JPG)|*.JPG;*.JPEG</source>
        <translation>Wykres Vendral (*.KCX)|*.KCX|Mapa bitowa Windows (*.BMP)|*.BMP|Obraz SVG (*.SVG)|*.SVG|Dokument PDF (*.PDF)|*.PDF|Plik PNG (*.PNG)|*.PNG|Plik JPEG (*.JPG)|*.JPG;*.JPEG</translation>
    </message>
</context>
<context>
    <name>TColorButton</name>
    <message>
        <source>&amp;Other</source>
        <translation>&amp;Inny</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>TDM</name>
    <message>
        <source>Waiting for the host to finish writing the report...</source>
        <translation>Oczekiwanie, aż aplikacja główna skończy zapisywać raport...</translation>
    </message>
    <message>
        <source>Tessary - </source>
        <translation>Tessary - </translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nazwa projektu</translation>
    </message>
    <message>
        <source>First document</source>
        <translation>Pierwszy dokument</translation>
    </message>
    <message>
        <source>Second document</source>
        <translation>Drugi dokument</translation>
    </message>
    <message>
        <source>%1 is not a report: it has no table %2.</source>
        <translation>%1 nie jest raportem: nie ma tabeli %2.</translation>
    </message>
    <message>
        <source>%1 is not a report: table %2 has no field %3.</source>
        <translation>%1 nie jest raportem: tabela %2 nie ma pola %3.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a report file.</source>
        <translation>%1 to folder, a nie plik raportu.</translation>
    </message>
    <message>
        <source>The tree cannot be stored: row 0 of the report is a page, not the outline row.</source>
        <translation>Nie można zapisać drzewa: wiersz 0 raportu jest stroną, a nie wierszem konspektu.</translation>
    </message>
    <message>
        <source>The intake signal file %1 cannot be deleted; new pages are placed, but further signals may go unnoticed.</source>
        <translation>Nie można usunąć pliku sygnału %1; nowe strony zostały umieszczone, ale kolejne sygnały mogą zostać przeoczone.</translation>
    </message>
    <message>
        <source>Damaged page %1</source>
        <translation>Uszkodzona strona %1</translation>
    </message>
    <message>
        <source>These pages are damaged and cannot be read: %1. They are placed under &quot;%2&quot; with a title that says so; the other pages are not affected.</source>
        <translation>Te strony są uszkodzone i nie da się ich odczytać: %1. Umieszczono je w „%2” z tytułem, który to mówi; pozostałe strony są nienaruszone.</translation>
    </message>
    <message>
        <source>Another window changed the tree of this report; the tree is shown as it stands now, and your last change to it was not stored.</source>
        <translation>Inne okno zmieniło drzewo tego raportu; jest ono pokazane w obecnym stanie, a Twoja ostatnia zmiana nie została zapisana.</translation>
    </message>
    <message>
        <source>Another window changed the tree of this report; it is shown as it stands now.</source>
        <translation>Inne okno zmieniło drzewo tego raportu; jest ono pokazane w obecnym stanie.</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2 pages cannot be made from files here.</source>
        <translation>Nie można zaimportować %1: stron typu %2 nie można tutaj utworzyć z plików.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be made from the file %1.</source>
        <translation>Stron tego rodzaju nie można utworzyć z pliku %1.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be written as &quot;%1&quot;.</source>
        <translation>Stron tego rodzaju nie można zapisać jako „%1”.</translation>
    </message>
    <message>
        <source>Cannot start zlib to store the tree</source>
        <translation>Nie można uruchomić zlib, aby zapisać drzewo</translation>
    </message>
    <message>
        <source>Cannot compress the tree</source>
        <translation>Nie można skompresować drzewa</translation>
    </message>
    <message>
        <source>Field %1: %2</source>
        <translation>Pole %1: %2</translation>
    </message>
    <message>
        <source>The connection to the server is back.</source>
        <translation>Połączenie z serwerem zostało przywrócone.</translation>
    </message>
</context>
<context>
    <name>TDiagramEditor</name>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edytuj...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Kopiuj jako mapę bitową</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Kopiuj jako metaplik</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a diagram.</source>
        <translation>Plik %1 nie jest diagramem.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>Save as picture</source>
        <translation>Zapisz jako obraz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznaczanie</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Przesuwanie</translation>
    </message>
    <message>
        <source>Zoom to rectangle</source>
        <translation>Powiększ prostokąt</translation>
    </message>
    <message>
        <source>Link labels</source>
        <translation>Etykiety połączeń</translation>
    </message>
    <message>
        <source>Sizing...</source>
        <translation>Rozmiary...</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Anuluj zmiany</translation>
    </message>
</context>
<context>
    <name>TEditBlockDlg</name>
    <message>
        <source>Diagram</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Romb</translation>
    </message>
    <message>
        <source>Round Square</source>
        <translation>Zaokrąglony kwadrat</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Kształt:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Tekst:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Węzły</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Ciągła</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Kreskowa</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Kropkowa</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Kreska-kropka</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Kreska-kropka-kropka</translation>
    </message>
    <message>
        <source>Sample font</source>
        <translation>Przykład czcionki</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Styl:</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Połączenia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TGlobalFindDlg</name>
    <message>
        <source>Global search</source>
        <translation>Wyszukiwanie globalne</translation>
    </message>
    <message>
        <source>Text to find:</source>
        <translation>Szukany tekst:</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>Whole word only</source>
        <translation>Tylko całe wyrazy</translation>
    </message>
    <message>
        <source>Tree Direction:</source>
        <translation>Kierunek w drzewie:</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Zakres:</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumenty</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tabele</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Komentarze</translation>
    </message>
    <message>
        <source>Item titles</source>
        <translation>Tytuły elementów</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation>Nie znaleziono!</translation>
    </message>
</context>
<context>
    <name>TGridEditor</name>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Podgląd wydruku...</translation>
    </message>
    <message>
        <source>Print setup...</source>
        <translation>Ustawienia wydruku...</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Copy + Headers</source>
        <translation>Kopiuj z nagłówkami</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Entire row</source>
        <translation>Cały wiersz</translation>
    </message>
    <message>
        <source>Entire column</source>
        <translation>Cała kolumna</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Czcionka...</translation>
    </message>
    <message>
        <source>Font color...</source>
        <translation>Kolor czcionki...</translation>
    </message>
    <message>
        <source>Background color...</source>
        <translation>Kolor tła...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Fixed row</source>
        <translation>Stały wiersz</translation>
    </message>
    <message>
        <source>Fixed column</source>
        <translation>Stała kolumna</translation>
    </message>
    <message>
        <source>Multi-line cells</source>
        <translation>Komórki wielowierszowe</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Znajdź...</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Zamień...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Show all columns</source>
        <translation>Pokaż wszystkie kolumny</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Wyrównanie</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Cannot delete all rows</source>
        <translation>Nie można usunąć wszystkich wierszy</translation>
    </message>
    <message>
        <source>Cannot delete all collumns</source>
        <translation>Nie można usunąć wszystkich kolumn</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>Eksportuj tabelę</translation>
    </message>
    <message>
        <source>Printing title</source>
        <translation>Tytuł wydruku</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>ASCII file (*.txt)|*.TXT|Tab delimited (*.tab)|*.TAB|Comma delimited (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|MS Word (*.doc)|*.DOC|HTML file (*.htm;*.html)|*.HTM;*.HTML|XML file (*.xml)|*.XML|Word document (*.docx)|*.DOCX|Rich text (*.rtf)|*.RTF|Table file (*.grid2)|*.GRID2</source>
        <translation>Plik ASCII (*.txt)|*.TXT|Rozdzielany tabulatorami (*.tab)|*.TAB|Rozdzielany przecinkami (*.csv)|*.CSV|Excel (*.xlsx)|*.XLSX;*.XLS|MS Word (*.doc)|*.DOC|Plik HTML (*.htm;*.html)|*.HTM;*.HTML|Plik XML (*.xml)|*.XML|Dokument Word (*.docx)|*.DOCX|Tekst sformatowany (*.rtf)|*.RTF|Plik tabeli (*.grid2)|*.GRID2</translation>
    </message>
    <message>
        <source>Tables cannot be written as &quot;%1&quot;.</source>
        <translation>Tabel nie można zapisać jako „%1”.</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Tessary Help</source>
        <translation>Pomoc programu Tessary</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Words to find, then Enter</source>
        <translation>Szukane słowa, potem Enter</translation>
    </message>
    <message>
        <source>No page holds these words.</source>
        <translation>Żadna strona nie zawiera tych słów.</translation>
    </message>
</context>
<context>
    <name>TImageEditor</name>
    <message>
        <source>Image Editor</source>
        <translation>Edytor obrazów</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</source>
        <translation>Obraz PNG (*.png)|*.png|Mapa bitowa Windows (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</translation>
    </message>
</context>
<context>
    <name>TIntro</name>
    <message>
        <source>Version </source>
        <translation>Wersja </translation>
    </message>
    <message>
        <source>About Tessary</source>
        <translation>O programie Tessary</translation>
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
        <translation>Nowy element</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Tytuł:</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Zawartość</translation>
    </message>
    <message>
        <source>&amp;Document</source>
        <translation>&amp;Dokument</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Folder</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>&amp;After current item</source>
        <translation>&amp;Za bieżącym elementem</translation>
    </message>
    <message>
        <source>&amp;Under current item</source>
        <translation>&amp;Pod bieżącym elementem</translation>
    </message>
    <message>
        <source>{untitled}</source>
        <translation>{bez tytułu}</translation>
    </message>
</context>
<context>
    <name>TSelectItemDlg</name>
    <message>
        <source>Select Items</source>
        <translation>Wybierz elementy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Exporting %1 item(s)</source>
        <translation>Eksportowanie elementów: %1</translation>
    </message>
</context>
<context>
    <name>TSizingDlg</name>
    <message>
        <source>Sizing</source>
        <translation>Rozmiary</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Node:</source>
        <translation>Węzeł:</translation>
    </message>
    <message>
        <source>Node Text:</source>
        <translation>Tekst węzła:</translation>
    </message>
    <message>
        <source>Link Text:</source>
        <translation>Tekst połączenia:</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>Połączenie:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number.</source>
        <translation>„%1” nie jest prawidłową liczbą.</translation>
    </message>
</context>
<context>
    <name>TTagOptionsDlg</name>
    <message>
        <source>Tag Cloud Options</source>
        <translation>Opcje chmury słów</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Czcionka tekstu</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Kształt</translation>
    </message>
    <message>
        <source>Color each with palette:</source>
        <translation>Koloruj każde słowo paletą:</translation>
    </message>
    <message>
        <source>Gradient scheme:</source>
        <translation>Schemat gradientu:</translation>
    </message>
    <message>
        <source>Middle:</source>
        <translation>Środek:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Początek:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Koniec:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edytuj...</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Cień</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Prostokątny</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Elipsa</translation>
    </message>
    <message>
        <source>Starting position:</source>
        <translation>Położenie początkowe:</translation>
    </message>
    <message>
        <source>From center</source>
        <translation>Od środka</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowe</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Victorian</source>
        <translation>Wiktoriańska</translation>
    </message>
    <message>
        <source>Pastel</source>
        <translation>Pastelowa</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Ciągła</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klasyczna</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Modern</source>
        <translation>Nowoczesna</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Tęcza</translation>
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
        <translation>Skala szarości</translation>
    </message>
    <message>
        <source>Opera</source>
        <translation>Opera</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Ciepła</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Chłodna</translation>
    </message>
    <message>
        <source>BlackOnBlack</source>
        <translation>Czarne na czarnym</translation>
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
        <translation>Morska piana</translation>
    </message>
    <message>
        <source>Multicolor</source>
        <translation>Wielobarwna</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własna</translation>
    </message>
</context>
<context>
    <name>TTessaryM</name>
    <message>
        <source>Comment on this page</source>
        <translation>Komentarz do tej strony</translation>
    </message>
    <message>
        <source>Your comment on the selected page; it is stored with the page.</source>
        <translation>Twój komentarz do wybranej strony; jest zapisywany razem ze stroną.</translation>
    </message>
    <message>
        <source>This is the report itself. Select a page in the tree to show it here.</source>
        <translation>To jest sam raport. Wybierz stronę w drzewie, aby ją tu wyświetlić.</translation>
    </message>
    <message>
        <source>A folder holds pages; select one of them to show it here.</source>
        <translation>Folder zawiera strony; wybierz jedną z nich, aby ją tu wyświetlić.</translation>
    </message>
    <message>
        <source>Pages of this kind cannot be shown: there is no editor for them.</source>
        <translation>Stron tego rodzaju nie można wyświetlić: nie ma dla nich edytora.</translation>
    </message>
    <message>
        <source>Cannot save data!</source>
        <translation>Nie można zapisać danych!</translation>
    </message>
    <message>
        <source>New report</source>
        <translation>Nowy raport</translation>
    </message>
    <message>
        <source>Output manager|*.sup</source>
        <translation>Menedżer wyników|*.sup</translation>
    </message>
    <message>
        <source>Open report</source>
        <translation>Otwórz raport</translation>
    </message>
    <message>
        <source>The report %1 does not exist.</source>
        <translation>Raport %1 nie istnieje.</translation>
    </message>
    <message>
        <source>The report tree could not be stored: %1</source>
        <translation>Nie udało się zapisać drzewa raportu: %1</translation>
    </message>
    <message>
        <source>Open server report</source>
        <translation>Otwórz raport z serwera</translation>
    </message>
    <message>
        <source>Address (postgresql://[user@]host[:port]/database?report=NAME):</source>
        <translation>Adres (postgresql://[użytkownik@]host[:port]/baza?report=NAZWA):</translation>
    </message>
</context>
<context>
    <name>TTimeLineDlg</name>
    <message>
        <source>Timeline</source>
        <translation>Oś czasu</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Timeline options</source>
        <translation>Opcje osi czasu</translation>
    </message>
    <message>
        <source>Synchronize timeline with main window</source>
        <translation>Synchronizuj oś czasu z oknem głównym</translation>
    </message>
    <message>
        <source>Annotations above the bar</source>
        <translation>Adnotacje nad paskiem</translation>
    </message>
    <message>
        <source>Annotations above and below</source>
        <translation>Adnotacje nad i pod paskiem</translation>
    </message>
    <message>
        <source>Annotations below the bar</source>
        <translation>Adnotacje pod paskiem</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Print </source>
        <translation>Drukuj </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Nad paskiem</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Pod paskiem</translation>
    </message>
    <message>
        <source>Change color...</source>
        <translation>Zmień kolor...</translation>
    </message>
    <message>
        <source>Show location...</source>
        <translation>Pokaż położenie...</translation>
    </message>
    <message>
        <source>Not available yet!</source>
        <translation>Jeszcze niedostępne!</translation>
    </message>
    <message>
        <source>(and %1 more)</source>
        <translation>(i %1 więcej)</translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read; the rest is loaded.

%2</source>
        <translation>Niektórych wierszy pliku %1 nie udało się odczytać; resztę wczytano.

%2</translation>
    </message>
    <message>
        <source>The page does not hold a timeline: none of its lines is a timeline record.</source>
        <translation>Strona nie zawiera osi czasu: żaden z jej wierszy nie jest rekordem osi czasu.</translation>
    </message>
    <message>
        <source>the timeline</source>
        <translation>oś czasu</translation>
    </message>
    <message>
        <source>Cannot read the timeline file %1: %2</source>
        <translation>Nie można odczytać pliku osi czasu %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a timeline text file: none of its lines is a timeline record.</source>
        <translation>Plik %1 nie jest plikiem tekstowym osi czasu: żaden z jego wierszy nie jest rekordem osi czasu.</translation>
    </message>
    <message>
        <source>Cannot write the timeline file %1: %2</source>
        <translation>Nie można zapisać pliku osi czasu %1: %2</translation>
    </message>
    <message>
        <source>A timeline cannot be written as &quot;%1&quot;.</source>
        <translation>Osi czasu nie można zapisać jako „%1”.</translation>
    </message>
    <message>
        <source>PNG file (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|GIF Image (*.gif)|*.gif</source>
        <translation>Plik PNG (*.png)|*.png|Obraz JPEG (*.jpg)|*.jpg|Mapy bitowe (*.bmp)|*.bmp|Obraz GIF (*.gif)|*.gif</translation>
    </message>
</context>
<context>
    <name>TTimeLineOptionsDlg</name>
    <message>
        <source>Timeline Options</source>
        <translation>Opcje osi czasu</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Tło:</translation>
    </message>
    <message>
        <source>Time bar:</source>
        <translation>Pasek czasu:</translation>
    </message>
    <message>
        <source>Annotations:</source>
        <translation>Adnotacje:</translation>
    </message>
    <message>
        <source>Round corners</source>
        <translation>Zaokrąglone rogi</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Czcionki</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Czcionka...</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Daty:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cannot write the timeline file %1: %2</source>
        <translation>Nie można zapisać pliku osi czasu %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the timeline file %1: %2</source>
        <translation>Nie można odczytać pliku osi czasu %1: %2</translation>
    </message>
</context>
<context>
    <name>TWPEditor</name>
    <message>
        <source>Import...</source>
        <translation>Importuj...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Fonts...</source>
        <translation>Czcionki...</translation>
    </message>
    <message>
        <source>Paragraphs...</source>
        <translation>Akapity...</translation>
    </message>
    <message>
        <source>Bullets...</source>
        <translation>Punktory...</translation>
    </message>
    <message>
        <source>Tab stops...</source>
        <translation>Tabulatory...</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Ustawienia strony</translation>
    </message>
    <message>
        <source>Borders...</source>
        <translation>Krawędzie...</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Obraz...</translation>
    </message>
    <message>
        <source>Hyperlink...</source>
        <translation>Hiperłącze...</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zamień</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Usuń tekst</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Justified</source>
        <translation>Wyjustuj</translation>
    </message>
    <message>
        <source>Bullets</source>
        <translation>Punktory</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numerowanie</translation>
    </message>
    <message>
        <source>Prior Level</source>
        <translation>Poprzedni poziom</translation>
    </message>
    <message>
        <source>Next Level</source>
        <translation>Następny poziom</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>Przekreślenie</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Indeks dolny</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Indeks górny</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Ustawienia drukarki</translation>
    </message>
    <message>
        <source>Create Table</source>
        <translation>Utwórz tabelę</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Wstaw wiersz</translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Usuń wiersz</translation>
    </message>
    <message>
        <source>Select Row</source>
        <translation>Zaznacz wiersz</translation>
    </message>
    <message>
        <source>Insert Column</source>
        <translation>Wstaw kolumnę</translation>
    </message>
    <message>
        <source>Delete Column</source>
        <translation>Usuń kolumnę</translation>
    </message>
    <message>
        <source>Select Column</source>
        <translation>Zaznacz kolumnę</translation>
    </message>
    <message>
        <source>Top Borders</source>
        <translation>Górne krawędzie</translation>
    </message>
    <message>
        <source>Bottom Borders</source>
        <translation>Dolne krawędzie</translation>
    </message>
    <message>
        <source>Left Borders</source>
        <translation>Lewe krawędzie</translation>
    </message>
    <message>
        <source>Right Borders</source>
        <translation>Prawe krawędzie</translation>
    </message>
    <message>
        <source>Switch Borders On</source>
        <translation>Włącz krawędzie</translation>
    </message>
    <message>
        <source>Switch Borders Off</source>
        <translation>Wyłącz krawędzie</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>The page does not hold a document: its content is not text.</source>
        <translation>Strona nie zawiera dokumentu: jej zawartość nie jest tekstem.</translation>
    </message>
    <message>
        <source>The file %1 is damaged; what could be read was loaded:
%2</source>
        <translation>Plik %1 jest uszkodzony; wczytano to, co dało się odczytać:
%2</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Documents|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|Word 97-2003|*.doc|WordPerfect|*.wpd|All files|*</source>
        <translation>Dokumenty|*.rtf;*.html;*.htm;*.txt;*.docx;*.odt;*.doc;*.wpd|Tekst sformatowany (RTF)|*.rtf|HTML|*.html;*.htm|Zwykły tekst|*.txt|Word (DOCX)|*.docx|Tekst OpenDocument|*.odt|Word 97-2003|*.doc|WordPerfect|*.wpd|Wszystkie pliki|*</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Rich text (RTF)|*.rtf|HTML|*.html;*.htm|Plain text|*.txt|Word (DOCX)|*.docx|OpenDocument text|*.odt|PDF|*.pdf</source>
        <translation>Tekst sformatowany (RTF)|*.rtf|HTML|*.html;*.htm|Zwykły tekst|*.txt|Word (DOCX)|*.docx|Tekst OpenDocument|*.odt|PDF|*.pdf</translation>
    </message>
    <message>
        <source>Insert picture</source>
        <translation>Wstaw obraz</translation>
    </message>
    <message>
        <source>Pictures|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|All files|*</source>
        <translation>Obrazy|*.png;*.jpg;*.jpeg;*.bmp;*.gif;*.svg;*.tif;*.tiff;*.webp|Wszystkie pliki|*</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hiperłącze</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
</context>
<context>
    <name>TWordCloudEditor</name>
    <message>
        <source>Save as picture...</source>
        <translation>Zapisz jako obraz...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Copy as bitmap</source>
        <translation>Kopiuj jako mapę bitową</translation>
    </message>
    <message>
        <source>Copy as metafile</source>
        <translation>Kopiuj jako metaplik</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Opcje...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>This word-cloud page is a document of version &quot;%1&quot;; this program reads version 1.0.</source>
        <translation>Ta strona chmury słów jest dokumentem w wersji „%1”; ten program czyta wersję 1.0.</translation>
    </message>
    <message>
        <source>Word-cloud pages are made from word-cloud documents (.xml); %1 is not one.</source>
        <translation>Strony chmury słów powstają z dokumentów chmury słów (.xml); %1 nim nie jest.</translation>
    </message>
    <message>
        <source>Cannot read the file %1: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>The word-cloud document %1 is empty.</source>
        <translation>Dokument chmury słów %1 jest pusty.</translation>
    </message>
    <message>
        <source>Save word cloud as picture</source>
        <translation>Zapisz chmurę słów jako obraz</translation>
    </message>
    <message>
        <source>Cannot write the picture %1: %2</source>
        <translation>Nie można zapisać obrazu %1: %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be started.</source>
        <translation>Nie można drukować: nie udało się uruchomić drukarki.</translation>
    </message>
    <message>
        <source>Portable Network Graphic (*.png)|*.png|Windows Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Scalable Vector Graphics (*.svg)|*.svg</source>
        <translation>Obraz PNG (*.png)|*.png|Mapa bitowa Windows (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Grafika wektorowa SVG (*.svg)|*.svg</translation>
    </message>
</context>
<context>
    <name>TimeBar</name>
    <message>
        <source>A timeline picture cannot be written as &quot;%1&quot;.</source>
        <translation>Obrazu osi czasu nie można zapisać jako „%1”.</translation>
    </message>
    <message>
        <source>Cannot write the picture file %1: %2</source>
        <translation>Nie można zapisać pliku obrazu %1: %2</translation>
    </message>
</context>
<context>
    <name>TimeLine</name>
    <message>
        <source>Line %1: the first colour of the %2 record is missing.</source>
        <translation>Wiersz %1: brak pierwszego koloru rekordu %2.</translation>
    </message>
    <message>
        <source>Line %1: the first colour of the %2 record, %3, is not a colour.</source>
        <translation>Wiersz %1: pierwszy kolor rekordu %2, %3, nie jest kolorem.</translation>
    </message>
    <message>
        <source>Line %1: the second colour of the %2 record is missing.</source>
        <translation>Wiersz %1: brak drugiego koloru rekordu %2.</translation>
    </message>
    <message>
        <source>Line %1: the second colour of the %2 record, %3, is not a colour.</source>
        <translation>Wiersz %1: drugi kolor rekordu %2, %3, nie jest kolorem.</translation>
    </message>
    <message>
        <source>Line %1: the colour of the %2 record is missing.</source>
        <translation>Wiersz %1: brak koloru rekordu %2.</translation>
    </message>
    <message>
        <source>Line %1: the colour of the %2 record, %3, is not a colour.</source>
        <translation>Wiersz %1: kolor rekordu %2, %3, nie jest kolorem.</translation>
    </message>
    <message>
        <source>Line %1: the event date is missing.</source>
        <translation>Wiersz %1: brak daty zdarzenia.</translation>
    </message>
    <message>
        <source>Line %1: the event date %2 is not a date.</source>
        <translation>Wiersz %1: data zdarzenia %2 nie jest datą.</translation>
    </message>
    <message>
        <source>Line %1: the event date %2 does not fit this computer&apos;s date format (%3).</source>
        <translation>Wiersz %1: data zdarzenia %2 nie pasuje do formatu daty tego komputera (%3).</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range is missing.</source>
        <translation>Wiersz %1: brak początku pełnego zakresu.</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range, %2, is not a date.</source>
        <translation>Wiersz %1: początek pełnego zakresu, %2, nie jest datą.</translation>
    </message>
    <message>
        <source>Line %1: the start of the total range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Wiersz %1: początek pełnego zakresu, %2, nie pasuje do formatu daty tego komputera (%3).</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range is missing.</source>
        <translation>Wiersz %1: brak końca pełnego zakresu.</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range, %2, is not a date.</source>
        <translation>Wiersz %1: koniec pełnego zakresu, %2, nie jest datą.</translation>
    </message>
    <message>
        <source>Line %1: the end of the total range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Wiersz %1: koniec pełnego zakresu, %2, nie pasuje do formatu daty tego komputera (%3).</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range is missing.</source>
        <translation>Wiersz %1: brak początku widocznego zakresu.</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range, %2, is not a date.</source>
        <translation>Wiersz %1: początek widocznego zakresu, %2, nie jest datą.</translation>
    </message>
    <message>
        <source>Line %1: the start of the visible range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Wiersz %1: początek widocznego zakresu, %2, nie pasuje do formatu daty tego komputera (%3).</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range is missing.</source>
        <translation>Wiersz %1: brak końca widocznego zakresu.</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range, %2, is not a date.</source>
        <translation>Wiersz %1: koniec widocznego zakresu, %2, nie jest datą.</translation>
    </message>
    <message>
        <source>Line %1: the end of the visible range, %2, does not fit this computer&apos;s date format (%3).</source>
        <translation>Wiersz %1: koniec widocznego zakresu, %2, nie pasuje do formatu daty tego komputera (%3).</translation>
    </message>
    <message>
        <source>The timeline was written under other date settings (%1). The line is not loaded; dates written as ISO 8601 (yyyy-MM-dd) read the same everywhere.</source>
        <translation>Oś czasu została zapisana przy innych ustawieniach daty (%1). Wiersz nie został wczytany; daty zapisane w formacie ISO 8601 (rrrr-MM-dd) wszędzie odczytuje się tak samo.</translation>
    </message>
    <message>
        <source>Dates are written as %1 or as ISO 8601 (yyyy-MM-dd). The line is not loaded.</source>
        <translation>Daty zapisuje się w formacie %1 lub ISO 8601 (rrrr-MM-dd). Wiersz nie został wczytany.</translation>
    </message>
    <message>
        <source>Line %1: the annotation colour %2 is not a colour; the event takes the default colour.</source>
        <translation>Wiersz %1: kolor adnotacji %2 nie jest kolorem; zdarzenie otrzymuje kolor domyślny.</translation>
    </message>
    <message>
        <source>Line %1: %2 is not a timeline record; the line is ignored.</source>
        <translation>Wiersz %1: %2 nie jest rekordem osi czasu; wiersz został pominięty.</translation>
    </message>
    <message>
        <source>Line %1: the date %2 is read as %3 under this computer&apos;s date format (%4), but the timeline seems to be written under other date settings (%5), where it is %6. Check this date.</source>
        <translation>Wiersz %1: data %2 jest odczytywana jako %3 według formatu daty tego komputera (%4), ale oś czasu wygląda na zapisaną przy innych ustawieniach daty (%5), w których oznacza %6. Sprawdź tę datę.</translation>
    </message>
</context>
<context>
    <name>TreeCommands</name>
    <message>
        <source>New...</source>
        <translation>Nowy...</translation>
    </message>
    <message>
        <source>Import files...</source>
        <translation>Importuj pliki...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Zmień nazwę...</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Zmień kolor</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Własny...</translation>
    </message>
    <message>
        <source>Expand all</source>
        <translation>Rozwiń wszystko</translation>
    </message>
    <message>
        <source>Collapse all</source>
        <translation>Zwiń wszystko</translation>
    </message>
    <message>
        <source>No item can be added here: the tree would be more than %1 levels deep.</source>
        <translation>Nie można tu dodać elementu: drzewo miałoby więcej niż %1 poziomów.</translation>
    </message>
    <message>
        <source>Cannot save data!</source>
        <translation>Nie można zapisać danych!</translation>
    </message>
    <message>
        <source>Edit title</source>
        <translation>Edytuj tytuł</translation>
    </message>
    <message>
        <source>Type the new title</source>
        <translation>Wpisz nowy tytuł</translation>
    </message>
    <message>
        <source>Are you sure you want to delete item: </source>
        <translation>Czy na pewno usunąć element: </translation>
    </message>
</context>
<context>
    <name>WPToolBar</name>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
</context>
<context>
    <name>WPView</name>
    <message>
        <source>Cannot read the picture %1: %2.</source>
        <translation>Nie można odczytać obrazu %1: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
</context>
<context>
    <name>WordCloud</name>
    <message>
        <source>The word-cloud document cannot be read: %1.</source>
        <translation>Nie można odczytać dokumentu chmury słów: %1.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 w %2</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (wiersz %2)</translation>
    </message>
    <message>
        <source>it is not well-formed XML (%1, line %2, column %3)</source>
        <translation>nie jest to poprawny XML (%1, wiersz %2, kolumna %3)</translation>
    </message>
    <message>
        <source>it holds no element</source>
        <translation>nie zawiera żadnego elementu</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number</source>
        <translation>%1 ma wartość %2, która nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 ma wartość %2 spoza zakresu od %3 do %4</translation>
    </message>
    <message>
        <source>%1 is %2, not &quot;true&quot; or &quot;false&quot;</source>
        <translation>%1 ma wartość %2 zamiast „true” lub „false”</translation>
    </message>
    <message>
        <source>%1 is %2, not a decimal number</source>
        <translation>%1 ma wartość %2, która nie jest liczbą dziesiętną</translation>
    </message>
    <message>
        <source>%1 is %2, outside 0 to 1</source>
        <translation>%1 ma wartość %2 spoza zakresu od 0 do 1</translation>
    </message>
    <message>
        <source>%1 holds %2, outside -%3 to %3</source>
        <translation>%1 zawiera %2 spoza zakresu od -%3 do %3</translation>
    </message>
    <message>
        <source>the font (%1)</source>
        <translation>czcionka (%1)</translation>
    </message>
    <message>
        <source>word %1</source>
        <translation>słowo %1</translation>
    </message>
    <message>
        <source>its root element is &lt;%1&gt;, not &lt;WordCloud&gt;</source>
        <translation>jego elementem głównym jest &lt;%1&gt;, a nie &lt;WordCloud&gt;</translation>
    </message>
    <message>
        <source>&lt;WordCloud&gt; has no &lt;Words&gt; element</source>
        <translation>&lt;WordCloud&gt; nie ma elementu &lt;Words&gt;</translation>
    </message>
    <message>
        <source>%1: line %2: expected a word, a tab and a positive whole number, got &quot;%3&quot;</source>
        <translation>%1: wiersz %2: oczekiwano słowa, tabulatora i dodatniej liczby całkowitej, a jest „%3”</translation>
    </message>
    <message>
        <source>the word file %1 holds no words</source>
        <translation>plik słów %1 nie zawiera żadnych słów</translation>
    </message>
</context>
<context>
    <name>WordExport</name>
    <message>
        <source>MS Word (*.doc)|*.doc|Rich Text Format (*.rtf)|*.rtf|Word document (*.docx)|*.docx</source>
        <translation>MS Word (*.doc)|*.doc|Tekst sformatowany RTF (*.rtf)|*.rtf|Dokument Word (*.docx)|*.docx</translation>
    </message>
    <message>
        <source>The HTML file &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać pliku HTML „%1”.</translation>
    </message>
    <message>
        <source>No temporary folder could be made for &quot;%1&quot;: %2</source>
        <translation>Nie można utworzyć folderu tymczasowego dla „%1”: %2</translation>
    </message>
    <message>
        <source>The document could not be prepared for &quot;%1&quot;.</source>
        <translation>Nie można przygotować dokumentu dla „%1”.</translation>
    </message>
    <message>
        <source>pandoc wrote no file &quot;%1&quot;.</source>
        <translation>pandoc nie zapisał pliku „%1”.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written.</source>
        <translation>Nie można zapisać pliku „%1”.</translation>
    </message>
</context>
<context>
    <name>WordExportCommand</name>
    <message>
        <source>Export as document</source>
        <translation>Eksportuj jako dokument</translation>
    </message>
    <message>
        <source>Do you want to view the document?</source>
        <translation>Czy chcesz wyświetlić dokument?</translation>
    </message>
</context>
<context>
    <name>WordProcessor</name>
    <message>
        <source>a ZIP archive (such as a DOCX or ODT file)</source>
        <translation>archiwum ZIP (np. plik DOCX lub ODT)</translation>
    </message>
    <message>
        <source>an OLE compound file (such as a DOC file)</source>
        <translation>plik złożony OLE (np. plik DOC)</translation>
    </message>
    <message>
        <source>a PDF file</source>
        <translation>plik PDF</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>obraz</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dane binarne</translation>
    </message>
    <message>
        <source>The document cannot be read: its content is %1, not HTML, RTF or text.</source>
        <translation>Nie można odczytać dokumentu: jego zawartość to %1, a nie HTML, RTF ani tekst.</translation>
    </message>
    <message>
        <source>A picture embedded in the document could not be decoded and is shown as missing.</source>
        <translation>Nie można zdekodować obrazu osadzonego w dokumencie; jest on pokazany jako brakujący.</translation>
    </message>
    <message>
        <source>Data after the end of the RTF document was ignored.</source>
        <translation>Dane za końcem dokumentu RTF zostały pominięte.</translation>
    </message>
    <message>
        <source>The RTF data ends before all its groups are closed; it may be truncated. What could be read was loaded.</source>
        <translation>Dane RTF kończą się przed zamknięciem wszystkich grup; mogą być obcięte. Wczytano to, co dało się odczytać.</translation>
    </message>
    <message>
        <source>Groups nested deeper than %1 levels were read as one level.</source>
        <translation>Grupy zagnieżdżone głębiej niż na %1 poziomach odczytano jako jeden poziom.</translation>
    </message>
    <message>
        <source>The RTF data has a closing brace without an opening one.</source>
        <translation>Dane RTF zawierają nawias klamrowy zamykający bez otwierającego.</translation>
    </message>
    <message>
        <source>Pictures stored as metafiles were left out.</source>
        <translation>Pominięto obrazy zapisane jako metapliki.</translation>
    </message>
    <message>
        <source>A picture that could not be decoded was left out.</source>
        <translation>Pominięto obraz, którego nie dało się zdekodować.</translation>
    </message>
    <message>
        <source>The data is not RTF: it does not begin with {\rtf.</source>
        <translation>Dane nie są w formacie RTF: nie zaczynają się od {\rtf.</translation>
    </message>
</context>
</TS>
