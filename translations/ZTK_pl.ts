<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>AddressPlan</name>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file (a spreadsheet must be saved as CSV)</source>
        <translation>to nie jest plik tekstowy (arkusz kalkulacyjny trzeba zapisać jako CSV)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>tekst nie jest zapisany w UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>pole ujęte w cudzysłów nie jest zamknięte</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>tekst po cudzysłowie zamykającym</translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation>cudzysłów wewnątrz pola, które nie zaczyna się od cudzysłowu</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>kolumna „%1” występuje dwukrotnie</translation>
    </message>
    <message>
        <source>the header names no &quot;ip&quot; column</source>
        <translation>w nagłówku brak kolumny „ip”</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>liczba pól: %1, a w nagłówku: %2</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>brak adresu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>„%1” nie jest adresem IPv4</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>plik jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>the plan lists no address</source>
        <translation>plan nie zawiera żadnego adresu</translation>
    </message>
    <message>
        <source>the plan lists more than %1 addresses</source>
        <translation>plan zawiera ponad %1 adresów</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>adres %1 występuje już w wierszu %2</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are ip, name, group, user, password and mac)</source>
        <translation>nieznana kolumna „%1” (kolumny to ip, name, group, user, password i mac)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address like 02-A7-3C-DC-00-00</source>
        <translation>„%1” nie jest adresem MAC w postaci 02-A7-3C-DC-00-00</translation>
    </message>
    <message>
        <source>the group holds a control character</source>
        <translation>nazwa grupy zawiera znak sterujący</translation>
    </message>
</context>
<context>
    <name>AddressPlanActions</name>
    <message>
        <source>Probing addresses</source>
        <translation>Odpytywanie adresów</translation>
    </message>
    <message>
        <source>The device list is empty: there is nothing to export.</source>
        <translation>Lista urządzeń jest pusta: nie ma czego eksportować.</translation>
    </message>
    <message>
        <source>Write the clocks&apos; passwords into the file too? Whoever can read the file can then log in to the clocks.</source>
        <translation>Zapisać w pliku także hasła zegarów? Każdy, kto odczyta plik, będzie mógł zalogować się do zegarów.</translation>
    </message>
    <message>
        <source>Without passwords</source>
        <translation>Bez haseł</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>With passwords</source>
        <translation>Z hasłami</translation>
    </message>
    <message>
        <source>Export device list</source>
        <translation>Eksport listy urządzeń</translation>
    </message>
    <message>
        <source>Address plans (*.csv)</source>
        <translation>Plany adresów (*.csv)</translation>
    </message>
    <message>
        <source>The device list could not be written to %1.</source>
        <translation>Nie udało się zapisać listy urządzeń w pliku %1.</translation>
    </message>
    <message>
        <source>Device list exported to %1</source>
        <translation>Wyeksportowano listę urządzeń do pliku %1</translation>
    </message>
    <message>
        <source>These listed clocks answered at a new address while nothing else answered at the old one:
%1
Move their rows there?</source>
        <translation>Te zegary z listy odpowiedziały pod nowym adresem, a pod starym nie odpowiedziało nic innego:
%1
Przenieść tam ich wiersze?</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Zostaw</translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>„%1” nie jest adresem IPv4</translation>
    </message>
    <message>
        <source>&quot;/%1&quot; is not a prefix length from 0 to 32</source>
        <translation>„/%1” nie jest długością prefiksu od 0 do 32</translation>
    </message>
    <message>
        <source>the range %1 ends before it starts</source>
        <translation>zakres %1 kończy się przed swoim początkiem</translation>
    </message>
    <message>
        <source>the range %1 holds %2 addresses; at most %3 are probed</source>
        <translation>zakres %1 obejmuje adresów: %2; odpytać można najwyżej %3</translation>
    </message>
    <message>
        <source>The range %1 to %2 holds %3 addresses, more than %4.</source>
        <translation>Zakres od %1 do %2 obejmuje ponad %4 adresów (%3).</translation>
    </message>
    <message>
        <source>%1 is in 0.0.0.0/8, which means &quot;this network&quot;, not a host</source>
        <translation>%1 należy do 0.0.0.0/8, czyli „tej sieci”, a nie do urządzenia</translation>
    </message>
    <message>
        <source>%1 is a multicast address (224.0.0.0/4), not a clock</source>
        <translation>%1 to adres multicast (224.0.0.0/4), a nie zegar</translation>
    </message>
    <message>
        <source>%1 is in the reserved block 240.0.0.0/4, not a clock</source>
        <translation>%1 należy do zarezerwowanego bloku 240.0.0.0/4, a nie do zegara</translation>
    </message>
    <message>
        <source>%1 is the limited broadcast address, not a clock</source>
        <translation>%1 to ograniczony adres rozgłoszeniowy, a nie zegar</translation>
    </message>
</context>
<context>
    <name>AlarmTable</name>
    <message>
        <source>Active</source>
        <translation>Aktywny</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Duration[s]</source>
        <translation>Czas trwania [s]</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Godzina alarmu %1</translation>
    </message>
    <message>
        <source>Alarm %1 duration</source>
        <translation>Czas trwania alarmu %1</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Selected days</source>
        <translation>Wybrane dni</translation>
    </message>
</context>
<context>
    <name>AuditChecks</name>
    <message>
        <source>Synchronization is &quot;None&quot;: the clock keeps time by itself</source>
        <translation>Synchronizacja ustawiona na „Brak”: zegar sam odmierza czas</translation>
    </message>
    <message>
        <source>NTP without any server</source>
        <translation>NTP bez żadnego serwera</translation>
    </message>
    <message>
        <source>No fresh status: %1</source>
        <translation>Brak aktualnego stanu: %1</translation>
    </message>
    <message>
        <source>NTP not synchronized: %1</source>
        <translation>Brak synchronizacji NTP: %1</translation>
    </message>
    <message>
        <source>Time zone or summer-time rule outside the lists of choices</source>
        <translation>Strefa czasowa lub reguła czasu letniego spoza list wyboru</translation>
    </message>
    <message>
        <source>The clock runs %1 ahead of %2 now</source>
        <translation>Zegar spieszy się teraz o %1 względem %2</translation>
    </message>
    <message>
        <source>The clock runs %1 behind %2 now</source>
        <translation>Zegar spóźnia się teraz o %1 względem %2</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 ahead</source>
        <translation>Od %1 (%2) zegar będzie się spieszyć o %3</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 behind</source>
        <translation>Od %1 (%2) zegar będzie się spóźniać o %3</translation>
    </message>
    <message>
        <source>%1 is %2 in the clock, %3 in group %4</source>
        <translation>%1 ma w zegarze wartość %2, a w grupie %4 – %3</translation>
    </message>
    <message>
        <source>Configuration not downloaded: %1</source>
        <translation>Nie pobrano konfiguracji: %1</translation>
    </message>
    <message>
        <source>Firmware %1 is below the minimum %2 for %3</source>
        <translation>Wersja firmware %1 jest niższa od minimalnej %2 dla %3</translation>
    </message>
</context>
<context>
    <name>AuditCommand</name>
    <message>
        <source>There is no group named %1.</source>
        <translation>Nie ma grupy o nazwie %1.</translation>
    </message>
    <message>
        <source>Auditing clocks</source>
        <translation>Sprawdzanie zegarów</translation>
    </message>
    <message>
        <source>Cannot keep the findings in %1.</source>
        <translation>Nie można zapisać wyników w %1.</translation>
    </message>
    <message>
        <source>The setting Audit/minFirmware holds &quot;%1&quot;, not MODEL=VERSION such as QM03=1.10; it is left out.</source>
        <translation>Ustawienie Audit/minFirmware zawiera „%1”, a nie MODEL=VERSION, np. QM03=1.10; ten wpis pominięto.</translation>
    </message>
</context>
<context>
    <name>AuditFinding</name>
    <message>
        <source>Critical</source>
        <translation>Krytyczny</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Not reachable</source>
        <translation>Brak łączności</translation>
    </message>
    <message>
        <source>Drift from the group</source>
        <translation>Odstępstwo od grupy</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Źródło czasu</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
</context>
<context>
    <name>AuditFindingsModel</name>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Ważność</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>AuditReport</name>
    <message>
        <source>%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without findings.</source>
        <translation>Sprawdzone zegary: %1 – z problemami krytycznymi: %2, z ostrzeżeniami: %3, bez uwag: %4.</translation>
    </message>
</context>
<context>
    <name>AvailabilityMailer</name>
    <message>
        <source>availability report %1</source>
        <translation>raport dostępności %1</translation>
    </message>
    <message>
        <source>Availability of the clocks from %1 to %2.</source>
        <translation>Dostępność zegarów od %1 do %2.</translation>
    </message>
    <message>
        <source>Clocks: %1</source>
        <translation>Zegary: %1</translation>
    </message>
    <message>
        <source>Answering: %1</source>
        <translation>Odpowiada: %1</translation>
    </message>
    <message>
        <source>Synchronised: %1</source>
        <translation>Zsynchronizowany: %1</translation>
    </message>
    <message>
        <source>Incidents: %1</source>
        <translation>Incydenty: %1</translation>
    </message>
    <message>
        <source>The workbook attached holds the figures of every group and clock and the outages.</source>
        <translation>Załączony skoroszyt zawiera wyniki każdej grupy i każdego zegara oraz przerwy.</translation>
    </message>
</context>
<context>
    <name>AvailabilityWorkbook</name>
    <message>
        <source>Answering</source>
        <translation>Odpowiada</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Zsynchronizowany</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incydenty</translation>
    </message>
    <message>
        <source>Longest incident</source>
        <translation>Najdłuższy incydent</translation>
    </message>
    <message>
        <source>Incident time</source>
        <translation>Czas incydentów</translation>
    </message>
    <message>
        <source>Mean time to recovery</source>
        <translation>Średni czas przywrócenia</translation>
    </message>
    <message>
        <source>Quiet time</source>
        <translation>Czas wyciszenia</translation>
    </message>
    <message>
        <source>Unknown time</source>
        <translation>Czas nieznany</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>No group</source>
        <translation>Bez grupy</translation>
    </message>
    <message>
        <source>Availability of the clocks</source>
        <translation>Dostępność zegarów</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Zegary</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Outages</source>
        <translation>Przerwy</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Ongoing</source>
        <translation>Trwa</translation>
    </message>
    <message numerus="yes">
        <source>%n further outages are not listed.</source>
        <translation>
            <numerusform>%n kolejna przerwa nie jest wymieniona.</numerusform>
            <numerusform>%n kolejne przerwy nie są wymienione.</numerusform>
            <numerusform>%n kolejnych przerw nie jest wymienionych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
</context>
<context>
    <name>ChangeClocksFlow</name>
    <message>
        <source>Reading configurations: %1 of %2 clocks</source>
        <translation>Odczyt konfiguracji: %1 z %2 zegarów</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Fala %1: zegarów: %2</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Przebieg zmiany %1: %2 z %3 zegarów do zmiany.</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Zatrzymanie po bieżącej fali…</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Przebieg zmiany %1: zweryfikowano %2 z %3 zegarów.</translation>
    </message>
    <message>
        <source>Stopped between waves; zentick-cli change --resume %1 goes on with it.</source>
        <translation>Zatrzymano między falami; zentick-cli change --resume %1 go kontynuuje.</translation>
    </message>
    <message>
        <source>The run could not be kept: %1</source>
        <translation>Nie udało się zachować przebiegu: %1</translation>
    </message>
</context>
<context>
    <name>ChangeCommand</name>
    <message>
        <source>change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align</source>
        <translation>change: podaj jedną z opcji: --set FIELD=VALUE, --from FILE --only FIELD,... lub --align</translation>
    </message>
    <message>
        <source>change: --from and --only go together</source>
        <translation>change: opcje --from i --only należy podać razem</translation>
    </message>
    <message>
        <source>change: --set %1: expected FIELD=VALUE with a field of the configuration file (Server1, Brightness, Alarm2.Time, ...)</source>
        <translation>change: --set %1: oczekiwano FIELD=VALUE z polem pliku konfiguracji (Server1, Brightness, Alarm2.Time, ...)</translation>
    </message>
    <message>
        <source>change: --only: there is no field %1</source>
        <translation>change: --only: nie ma pola %1</translation>
    </message>
    <message>
        <source>change: --only names no field</source>
        <translation>change: --only nie wskazuje żadnego pola</translation>
    </message>
    <message>
        <source>change: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>change: --max-failed: oczekiwano liczby zegarów lub wartości procentowej (5%)</translation>
    </message>
    <message>
        <source>change: --resume goes on with the run&apos;s own clocks and change; --%1 cannot be given with it</source>
        <translation>change: --resume kontynuuje przebieg z jego własnymi zegarami i zmianą; opcji --%1 nie można z nią podać</translation>
    </message>
    <message>
        <source>change: --resume takes no clocks</source>
        <translation>change: --resume nie przyjmuje zegarów</translation>
    </message>
    <message>
        <source>Send the change to %1 clocks? [y/N] </source>
        <translation>Liczba zegarów: %1. Wysłać do nich zmianę? [y/N] </translation>
    </message>
    <message>
        <source>Reading configurations</source>
        <translation>Odczytywanie konfiguracji</translation>
    </message>
    <message>
        <source>Nothing was sent; change --resume %1 goes on with this run.</source>
        <translation>Nic nie wysłano; change --resume %1 wznowi ten przebieg.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Fala %1 (zegary: %2)</translation>
    </message>
    <message>
        <source>Sending the change</source>
        <translation>Wysyłanie zmiany</translation>
    </message>
    <message>
        <source>Cannot keep the run in %1: %2</source>
        <translation>Nie można zapisać przebiegu w %1: %2</translation>
    </message>
    <message>
        <source>change --resume %1 goes on with the clocks not yet done.</source>
        <translation>change --resume %1 kontynuuje przebieg dla zegarów jeszcze nieobsłużonych.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nic nie wysłano.</translation>
    </message>
</context>
<context>
    <name>ChangeFieldChoices</name>
    <message>
        <source>Localization</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Strefa czasowa aktywna</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Źródło czasu</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Serwer NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Serwer NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Serwer NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Serwer NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Serwer NTP 5</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Tryb master</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Interwał zapytań</translation>
    </message>
    <message>
        <source>Summer time start time</source>
        <translation>Godzina początku czasu letniego</translation>
    </message>
    <message>
        <source>Summer time end time</source>
        <translation>Godzina końca czasu letniego</translation>
    </message>
    <message>
        <source>Summer time start week</source>
        <translation>Tydzień początku czasu letniego</translation>
    </message>
    <message>
        <source>Summer time end week</source>
        <translation>Tydzień końca czasu letniego</translation>
    </message>
    <message>
        <source>Summer time start day</source>
        <translation>Dzień początku czasu letniego</translation>
    </message>
    <message>
        <source>Summer time end day</source>
        <translation>Dzień końca czasu letniego</translation>
    </message>
    <message>
        <source>Summer time start month</source>
        <translation>Miesiąc początku czasu letniego</translation>
    </message>
    <message>
        <source>Summer time end month</source>
        <translation>Miesiąc końca czasu letniego</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Pokaż czas</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Pokaż temperaturę</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Pokaż datę</translation>
    </message>
    <message>
        <source>Time shown for [s]</source>
        <translation>Czas wyświetlany przez [s]</translation>
    </message>
    <message>
        <source>Temperature shown for [s]</source>
        <translation>Temperatura wyświetlana przez [s]</translation>
    </message>
    <message>
        <source>Date shown for [s]</source>
        <translation>Data wyświetlana przez [s]</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format czasu</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Zera wiodące czasu</translation>
    </message>
    <message>
        <source>Blinking colon</source>
        <translation>Migający dwukropek</translation>
    </message>
    <message>
        <source>Brightness level</source>
        <translation>Poziom jasności</translation>
    </message>
    <message>
        <source>Brightness profile</source>
        <translation>Profil jasności</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Jednostka temperatury</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Korekta temperatury</translation>
    </message>
    <message>
        <source>Temperature offset value</source>
        <translation>Wartość korekty temperatury</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Synchronizacja wyświetlania</translation>
    </message>
    <message>
        <source>Display synchronization mode</source>
        <translation>Tryb synchronizacji wyświetlania</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP mastera</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Tryb eko</translation>
    </message>
    <message>
        <source>Eco switch on</source>
        <translation>Eko: włączenie</translation>
    </message>
    <message>
        <source>Eco switch off</source>
        <translation>Eko: wyłączenie</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Krój pisma</translation>
    </message>
    <message>
        <source>Alarm %1: active</source>
        <translation>Alarm %1: aktywny</translation>
    </message>
    <message>
        <source>Alarm %1: time</source>
        <translation>Alarm %1: godzina</translation>
    </message>
    <message>
        <source>Alarm %1: duration [s]</source>
        <translation>Alarm %1: czas trwania [s]</translation>
    </message>
    <message>
        <source>Alarm %1: selected days</source>
        <translation>Alarm %1: wybrane dni</translation>
    </message>
    <message>
        <source>Alarm %1: Monday</source>
        <translation>Alarm %1: poniedziałek</translation>
    </message>
    <message>
        <source>Alarm %1: Tuesday</source>
        <translation>Alarm %1: wtorek</translation>
    </message>
    <message>
        <source>Alarm %1: Wednesday</source>
        <translation>Alarm %1: środa</translation>
    </message>
    <message>
        <source>Alarm %1: Thursday</source>
        <translation>Alarm %1: czwartek</translation>
    </message>
    <message>
        <source>Alarm %1: Friday</source>
        <translation>Alarm %1: piątek</translation>
    </message>
    <message>
        <source>Alarm %1: Saturday</source>
        <translation>Alarm %1: sobota</translation>
    </message>
    <message>
        <source>Alarm %1: Sunday</source>
        <translation>Alarm %1: niedziela</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
</context>
<context>
    <name>ChangeRecipe</name>
    <message>
        <source>its group has no configuration</source>
        <translation>jego grupa nie ma konfiguracji</translation>
    </message>
    <message>
        <source>no daylight-saving setting of the clock follows the zone %1</source>
        <translation>żadne ustawienie czasu letniego zegara nie odpowiada strefie %1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>już poprawne</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nie wysłano</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nie wiadomo</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>nie można odczytać konfiguracji (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>przebieg zatrzymał się przed falą tego zegara</translation>
    </message>
    <message>
        <source>already right: skipped</source>
        <translation>już poprawne: pominięto</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: pominięto</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Przebieg zmiany %1: zegary do zmiany: %2 z %3.</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>zegar</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>pola</translation>
    </message>
    <message>
        <source>before</source>
        <translation>przed</translation>
    </message>
    <message>
        <source>after</source>
        <translation>po</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Przebieg zmiany %1: zweryfikowano %2 z %3 zegarów.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Zatrzymano między falami: błąd wystąpił na większej liczbie zegarów, niż pozwala --max-failed, albo przebieg został przerwany.</translation>
    </message>
</context>
<context>
    <name>ChangeRun</name>
    <message>
        <source>cannot write the run&apos;s file</source>
        <translation>nie można zapisać pliku przebiegu</translation>
    </message>
    <message>
        <source>not verified: %1</source>
        <translation>nie zweryfikowano: %1</translation>
    </message>
    <message>
        <source>not verified: the clock does not show the change (%1)</source>
        <translation>nie zweryfikowano: zegar nie pokazuje zmiany (%1)</translation>
    </message>
</context>
<context>
    <name>ChangeRunFile</name>
    <message>
        <source>no valid run id</source>
        <translation>brak prawidłowego identyfikatora przebiegu</translation>
    </message>
    <message>
        <source>%1 is no run id (such as 20261209-041502-7f3a)</source>
        <translation>%1 nie jest identyfikatorem przebiegu (np. 20261209-041502-7f3a)</translation>
    </message>
    <message>
        <source>there is no change run %1</source>
        <translation>nie ma przebiegu zmiany %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>plik %1 jest za duży</translation>
    </message>
    <message>
        <source>%1 is not a change run: %2</source>
        <translation>%1 nie jest przebiegiem zmiany: %2</translation>
    </message>
</context>
<context>
    <name>ChangeRunModel</name>
    <message>
        <source>already right: skipped</source>
        <translation>już w porządku: pominięty</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: pominięty</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Stara → nowa</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Pola</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Zweryfikowano</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>już w porządku</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nie wysłano</translation>
    </message>
    <message>
        <source>being sent</source>
        <translation>w trakcie wysyłania</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>konfiguracja nieczytelna (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>przebieg zatrzymał się przed jego falą</translation>
    </message>
</context>
<context>
    <name>ChangeRunState</name>
    <message>
        <source>not a change run of this version</source>
        <translation>to nie jest przebieg zmiany z tej wersji</translation>
    </message>
    <message>
        <source>no valid run id</source>
        <translation>brak prawidłowego identyfikatora przebiegu</translation>
    </message>
    <message>
        <source>the change it makes is not readable</source>
        <translation>nie można odczytać wprowadzanej zmiany</translation>
    </message>
    <message>
        <source>more than %1 clocks</source>
        <translation>ponad %1 zegarów</translation>
    </message>
    <message>
        <source>clock %1 is not readable</source>
        <translation>nie można odczytać zegara %1</translation>
    </message>
</context>
<context>
    <name>ChoiceLists</name>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stany Zjednoczone</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Izrael</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>UTC - 12:00</source>
        <translation>UTC - 12:00</translation>
    </message>
    <message>
        <source>UTC - 11:00</source>
        <translation>UTC - 11:00</translation>
    </message>
    <message>
        <source>UTC - 10:00</source>
        <translation>UTC - 10:00</translation>
    </message>
    <message>
        <source>UTC - 9:30</source>
        <translation>UTC - 9:30</translation>
    </message>
    <message>
        <source>UTC - 9:00</source>
        <translation>UTC - 9:00</translation>
    </message>
    <message>
        <source>UTC - 8:00</source>
        <translation>UTC - 8:00</translation>
    </message>
    <message>
        <source>UTC - 7:00</source>
        <translation>UTC - 7:00</translation>
    </message>
    <message>
        <source>UTC - 6:00</source>
        <translation>UTC - 6:00</translation>
    </message>
    <message>
        <source>UTC - 5:00</source>
        <translation>UTC - 5:00</translation>
    </message>
    <message>
        <source>UTC - 4:00</source>
        <translation>UTC - 4:00</translation>
    </message>
    <message>
        <source>UTC - 3:30</source>
        <translation>UTC - 3:30</translation>
    </message>
    <message>
        <source>UTC - 3:00</source>
        <translation>UTC - 3:00</translation>
    </message>
    <message>
        <source>UTC - 2:00</source>
        <translation>UTC - 2:00</translation>
    </message>
    <message>
        <source>UTC - 1:00</source>
        <translation>UTC - 1:00</translation>
    </message>
    <message>
        <source>UTC 0:00</source>
        <translation>UTC 0:00</translation>
    </message>
    <message>
        <source>UTC + 1:00</source>
        <translation>UTC + 1:00</translation>
    </message>
    <message>
        <source>UTC + 2:00</source>
        <translation>UTC + 2:00</translation>
    </message>
    <message>
        <source>UTC + 3:00</source>
        <translation>UTC + 3:00</translation>
    </message>
    <message>
        <source>UTC + 3:30</source>
        <translation>UTC + 3:30</translation>
    </message>
    <message>
        <source>UTC + 4:00</source>
        <translation>UTC + 4:00</translation>
    </message>
    <message>
        <source>UTC + 4:30</source>
        <translation>UTC + 4:30</translation>
    </message>
    <message>
        <source>UTC + 5:00</source>
        <translation>UTC + 5:00</translation>
    </message>
    <message>
        <source>UTC + 5:30</source>
        <translation>UTC + 5:30</translation>
    </message>
    <message>
        <source>UTC + 5:45</source>
        <translation>UTC + 5:45</translation>
    </message>
    <message>
        <source>UTC + 6:00</source>
        <translation>UTC + 6:00</translation>
    </message>
    <message>
        <source>UTC + 6:30</source>
        <translation>UTC + 6:30</translation>
    </message>
    <message>
        <source>UTC + 7:00</source>
        <translation>UTC + 7:00</translation>
    </message>
    <message>
        <source>UTC + 8:00</source>
        <translation>UTC + 8:00</translation>
    </message>
    <message>
        <source>UTC + 8:30</source>
        <translation>UTC + 8:30</translation>
    </message>
    <message>
        <source>UTC + 8:45</source>
        <translation>UTC + 8:45</translation>
    </message>
    <message>
        <source>UTC + 9:00</source>
        <translation>UTC + 9:00</translation>
    </message>
    <message>
        <source>UTC + 9:30</source>
        <translation>UTC + 9:30</translation>
    </message>
    <message>
        <source>UTC + 10:00</source>
        <translation>UTC + 10:00</translation>
    </message>
    <message>
        <source>UTC + 10:30</source>
        <translation>UTC + 10:30</translation>
    </message>
    <message>
        <source>UTC + 11:00</source>
        <translation>UTC + 11:00</translation>
    </message>
    <message>
        <source>UTC + 11:30</source>
        <translation>UTC + 11:30</translation>
    </message>
    <message>
        <source>UTC + 12:00</source>
        <translation>UTC + 12:00</translation>
    </message>
    <message>
        <source>UTC + 12:45</source>
        <translation>UTC + 12:45</translation>
    </message>
    <message>
        <source>UTC + 13:00</source>
        <translation>UTC + 13:00</translation>
    </message>
    <message>
        <source>UTC + 14:00</source>
        <translation>UTC + 14:00</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>ostatni(-a)</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>niedziela</translation>
    </message>
    <message>
        <source>January</source>
        <translation>styczeń</translation>
    </message>
    <message>
        <source>February</source>
        <translation>luty</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzec</translation>
    </message>
    <message>
        <source>April</source>
        <translation>kwiecień</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maj</translation>
    </message>
    <message>
        <source>June</source>
        <translation>czerwiec</translation>
    </message>
    <message>
        <source>July</source>
        <translation>lipiec</translation>
    </message>
    <message>
        <source>August</source>
        <translation>sierpień</translation>
    </message>
    <message>
        <source>September</source>
        <translation>wrzesień</translation>
    </message>
    <message>
        <source>October</source>
        <translation>październik</translation>
    </message>
    <message>
        <source>November</source>
        <translation>listopad</translation>
    </message>
    <message>
        <source>December</source>
        <translation>grudzień</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>NTP</source>
        <translation>NTP</translation>
    </message>
    <message>
        <source>64s</source>
        <translation>64 sek.</translation>
    </message>
    <message>
        <source>5 min</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>24h</source>
        <translation>24 h</translation>
    </message>
    <message>
        <source>12h</source>
        <translation>12 h</translation>
    </message>
    <message>
        <source>DNY</source>
        <translation>DNY</translation>
    </message>
    <message>
        <source>NDY</source>
        <translation>NDY</translation>
    </message>
    <message>
        <source>YND</source>
        <translation>YND</translation>
    </message>
    <message>
        <source>YDN</source>
        <translation>YDN</translation>
    </message>
    <message>
        <source>DN</source>
        <translation>DN</translation>
    </message>
    <message>
        <source>ND</source>
        <translation>ND</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Indoor standard</source>
        <translation>Wewnętrzny standardowy</translation>
    </message>
    <message>
        <source>Indoor dynamic</source>
        <translation>Wewnętrzny dynamiczny</translation>
    </message>
    <message>
        <source>Outdoor standard</source>
        <translation>Zewnętrzny standardowy</translation>
    </message>
    <message>
        <source>Outdoor dynamic</source>
        <translation>Zewnętrzny dynamiczny</translation>
    </message>
    <message>
        <source>Celcius [°C]</source>
        <translation>Stopnie Celsjusza [°C]</translation>
    </message>
    <message>
        <source>Fahrenheit [°F]</source>
        <translation>Stopnie Fahrenheita [°F]</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Tryb nadrzędny</translation>
    </message>
    <message>
        <source>Slave basic mode</source>
        <translation>Tryb podrzędny podstawowy</translation>
    </message>
    <message>
        <source>Slave full mode</source>
        <translation>Tryb podrzędny pełny</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Zaokrąglony</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Kanciasty</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Refreshing status</source>
        <translation>Odświeżanie stanu</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Pobieranie konfiguracji</translation>
    </message>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Pobrano konfigurację zegara %1</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Wysyłanie konfiguracji</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>wysłano</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>The configuration did not reach %1 of %2 clocks.</source>
        <translation>Konfiguracja nie dotarła do części zegarów: %1 z %2.</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>Konfigurację wysłano pomyślnie.</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Wysyłanie nazwy</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Nazwę zmieniono pomyślnie.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Wysyłanie ustawień sieciowych</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Ustawienia sieciowe zmieniono pomyślnie.</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Wysyłanie hasła</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Hasło zmieniono pomyślnie.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Na liście urządzeń nie ma zegara o adresie %1.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Odczyt stanu</translation>
    </message>
    <message>
        <source>Authentication data set for %1 (%2).</source>
        <translation>Ustawiono dane uwierzytelniania dla %1 (%2).</translation>
    </message>
    <message>
        <source>The clock answered with them: %1</source>
        <translation>Zegar odpowiedział z tymi danymi: %1</translation>
    </message>
</context>
<context>
    <name>ClockEventText</name>
    <message>
        <source>Stopped answering</source>
        <translation>Przestał odpowiadać</translation>
    </message>
    <message>
        <source>Answers again</source>
        <translation>Znów odpowiada</translation>
    </message>
    <message>
        <source>NTP: %1</source>
        <translation>NTP: %1</translation>
    </message>
    <message>
        <source>Alert due: %1</source>
        <translation>Alert do wysłania: %1</translation>
    </message>
    <message>
        <source>Alert mail delivered, naming %1 clocks</source>
        <translation>Doręczono e-mail z alertem dla zegarów: %1</translation>
    </message>
    <message>
        <source>Alert mail delivered</source>
        <translation>Doręczono e-mail z alertem</translation>
    </message>
    <message>
        <source>Mail not delivered: %1</source>
        <translation>Nie doręczono e-maila: %1</translation>
    </message>
    <message>
        <source>Back to normal</source>
        <translation>Powrót do normy</translation>
    </message>
    <message>
        <source>Recovery mail delivered</source>
        <translation>Doręczono e-mail o powrocie do normy</translation>
    </message>
    <message>
        <source>Quiet until %1</source>
        <translation>Wyciszenie do %1</translation>
    </message>
    <message>
        <source>Quiet until lifted</source>
        <translation>Wyciszenie do odwołania</translation>
    </message>
    <message>
        <source>Quiet period ended</source>
        <translation>Wyciszenie wygasło</translation>
    </message>
    <message>
        <source>Quiet period lifted</source>
        <translation>Wyciszenie odwołano</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Rozpoczęto monitorowanie</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Zatrzymano monitorowanie</translation>
    </message>
    <message>
        <source>Watched by the monitor</source>
        <translation>Obserwowany przez monitor</translation>
    </message>
    <message>
        <source>Configuration sent</source>
        <translation>Wysłano konfigurację</translation>
    </message>
    <message>
        <source>Name set</source>
        <translation>Ustawiono nazwę</translation>
    </message>
    <message>
        <source>Network settings set</source>
        <translation>Ustawiono ustawienia sieciowe</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Zmieniono hasło</translation>
    </message>
    <message>
        <source>Address conflict resolved</source>
        <translation>Rozwiązano konflikt adresów</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Changed by an operator</source>
        <translation>Zmienione przez operatora</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 (wykonał: %2)</translation>
    </message>
    <message>
        <source>%1 by %2 failed: %3</source>
        <translation>%1 (wykonał: %2) – niepowodzenie: %3</translation>
    </message>
    <message>
        <source>(run %1)</source>
        <translation>(przebieg %1)</translation>
    </message>
</context>
<context>
    <name>ClockIntake</name>
    <message>
        <source>%1: %2 (%3) moved to %4 (%5)</source>
        <translation>%1: %2 (%3) przeniesiony na %4 (%5)</translation>
    </message>
    <message>
        <source>%1: moved to %2, but refused its new MAC; it keeps %3</source>
        <translation>%1: przeniesiony na %2, ale odrzucił nowy MAC; zachowuje %3</translation>
    </message>
    <message>
        <source>%1: refused its new address; it stays at %2</source>
        <translation>%1: odrzucił nowy adres; pozostaje pod %2</translation>
    </message>
</context>
<context>
    <name>ClockListModel</name>
    <message>
        <source>Muted until %1</source>
        <translation>Wyciszenie do %1</translation>
    </message>
    <message>
        <source>Muted until unmuted</source>
        <translation>Wyciszenie do odwołania</translation>
    </message>
    <message>
        <source>No audit findings</source>
        <translation>Brak wyników kontroli</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Group of %1</source>
        <translation>Grupa zegara %1</translation>
    </message>
    <message>
        <source>Left and Right choose a button, Space presses it; the context menu lists the same actions</source>
        <translation>Strzałki w lewo i w prawo wybierają przycisk, spacja go naciska; menu kontekstowe zawiera te same akcje</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Audit</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Zarządzanie</translation>
    </message>
    <message>
        <source>Quiet hours until %1</source>
        <translation>Godziny ciszy do %1</translation>
    </message>
    <message>
        <source>Quiet hours all week</source>
        <translation>Godziny ciszy przez cały tydzień</translation>
    </message>
    <message>
        <source>Quiet hours: %1</source>
        <translation>Godziny ciszy: %1</translation>
    </message>
    <message>
        <source>Quiet hours not understood, not obeyed: %1</source>
        <translation>Niezrozumiałe godziny ciszy, nieprzestrzegane: %1</translation>
    </message>
</context>
<context>
    <name>ClockMerge</name>
    <message>
        <source>moved from %1 to %2</source>
        <translation>przeniesiony z %1 na %2</translation>
    </message>
    <message>
        <source>two clocks report MAC %1 (%2 and %3); nothing changed</source>
        <translation>dwa zegary podają MAC %1 (%2 i %3); nic nie zmieniono</translation>
    </message>
    <message>
        <source>not moved from %1 to %2: %1 did not answer with another clock; the move waits for confirmation</source>
        <translation>nie przeniesiono z %1 na %2: pod %1 nie odpowiedział inny zegar; przeniesienie czeka na potwierdzenie</translation>
    </message>
</context>
<context>
    <name>ClockPrinter</name>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
</context>
<context>
    <name>ClockRegistry</name>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
</context>
<context>
    <name>ClockSelection</name>
    <message>
        <source>%1: %2: rows naming no listed clock, left out (import lists them): %3</source>
        <translation>%1: %2: wiersze bez zegara z listy, pominięte (import je dodaje): %3</translation>
    </message>
    <message>
        <source>%1: --mac names one clock; it cannot be given with --all, --group or --plan</source>
        <translation>%1: --mac wskazuje jeden zegar; nie można go podać z --all, --group ani --plan</translation>
    </message>
    <message>
        <source>There is no group named %1.</source>
        <translation>Nie ma grupy o nazwie %1.</translation>
    </message>
    <message>
        <source>%1: give the clocks: addresses, --group NAME, --plan FILE or --all</source>
        <translation>%1: podaj zegary: adresy, --group NAZWA, --plan PLIK lub --all</translation>
    </message>
</context>
<context>
    <name>CommissionCommands</name>
    <message>
        <source>Probing addresses</source>
        <translation>Odpytywanie adresów</translation>
    </message>
    <message>
        <source>Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.</source>
        <translation>Zatrzymano sygnałem %1 po %2 z %3 adresów; znalezione zegary są na liście urządzeń.</translation>
    </message>
    <message>
        <source>Give --force to probe them all.</source>
        <translation>Aby odpytać wszystkie, podaj --force.</translation>
    </message>
</context>
<context>
    <name>CommissionedAddress</name>
    <message>
        <source>added</source>
        <translation>dodano</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>już na liście</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>przeniesiony</translation>
    </message>
    <message>
        <source>not a clock</source>
        <translation>to nie zegar</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>błędne hasło</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>zmieniono nazwę</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>nie zmieniono nazwy</translation>
    </message>
    <message>
        <source>MAC conflict</source>
        <translation>konflikt MAC</translation>
    </message>
    <message>
        <source>added, not answering</source>
        <translation>dodano, nie odpowiada</translation>
    </message>
</context>
<context>
    <name>CommissioningModel</name>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwagi</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es)</source>
        <translation>
            <numerusform>%n adres</numerusform>
            <numerusform>%n adresy</numerusform>
            <numerusform>%n adresów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommissioningSender</name>
    <message>
        <source>the network settings do not read as a clock&apos;s</source>
        <translation>ustawienia sieci nie wyglądają na ustawienia zegara</translation>
    </message>
    <message>
        <source>the status does not read as a clock&apos;s</source>
        <translation>stan nie wygląda na stan zegara</translation>
    </message>
    <message>
        <source>it does not answer as a clock does, so it was not sent the password</source>
        <translation>nie odpowiada jak zegar, więc nie wysłano mu hasła</translation>
    </message>
    <message>
        <source>the answer names no firmware</source>
        <translation>odpowiedź nie podaje oprogramowania</translation>
    </message>
    <message>
        <source>model not recognised</source>
        <translation>nie rozpoznano modelu</translation>
    </message>
    <message>
        <source>another clock (%1) answers at this address</source>
        <translation>pod tym adresem odpowiada inny zegar (%1)</translation>
    </message>
</context>
<context>
    <name>ConfigFieldAccess</name>
    <message>
        <source>expected on or off</source>
        <translation>oczekiwano on lub off</translation>
    </message>
    <message>
        <source>expected a time HH:MM</source>
        <translation>oczekiwano godziny w formacie HH:MM</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>oczekiwano liczby całkowitej od %1 do %2</translation>
    </message>
    <message>
        <source>holds &quot;&amp;&quot;, &quot;=&quot; or a control character, or is too long</source>
        <translation>wartość zawiera „&amp;”, „=” lub znak sterujący albo jest za długa</translation>
    </message>
    <message>
        <source>expected a number from %1 to %2</source>
        <translation>oczekiwano liczby od %1 do %2</translation>
    </message>
    <message>
        <source>there is no field %1</source>
        <translation>nie ma pola %1</translation>
    </message>
</context>
<context>
    <name>ConfigParts</name>
    <message>
        <source>time part</source>
        <translation>część czasu</translation>
    </message>
    <message>
        <source>display part</source>
        <translation>część wyświetlacza</translation>
    </message>
    <message>
        <source>alarm part</source>
        <translation>część alarmów</translation>
    </message>
    <message>
        <source>Configuration not read completely: %1</source>
        <translation>Konfiguracja nie została odczytana w całości: %1</translation>
    </message>
    <message>
        <source>Configuration not complete (%1); nothing was sent.</source>
        <translation>Konfiguracja niekompletna (%1); nic nie wysłano.</translation>
    </message>
</context>
<context>
    <name>ConfigurationDownload</name>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Pobrano konfigurację zegara %1</translation>
    </message>
</context>
<context>
    <name>ConfigurationFileActions</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.qlxztc)</source>
        <translation>Pliki konfiguracji Zentick (*.qlxztc)</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.xml)</source>
        <translation>Pliki konfiguracji Zentick (*.xml)</translation>
    </message>
    <message>
        <source>Clock configuration files (*.xml)</source>
        <translation>Pliki konfiguracji zegara (*.xml)</translation>
    </message>
    <message>
        <source>Configuration loaded successfully</source>
        <translation>Konfigurację wczytano pomyślnie</translation>
    </message>
    <message>
        <source>Configuration loaded failed</source>
        <translation>Nie udało się wczytać konfiguracji</translation>
    </message>
    <message>
        <source>Configuration saved successfully</source>
        <translation>Konfigurację zapisano pomyślnie</translation>
    </message>
    <message>
        <source>Configuration save failed</source>
        <translation>Nie udało się zapisać konfiguracji</translation>
    </message>
    <message>
        <source>Configuration exported successfully</source>
        <translation>Konfigurację wyeksportowano pomyślnie</translation>
    </message>
    <message>
        <source>Configuration export failed</source>
        <translation>Nie udało się wyeksportować konfiguracji</translation>
    </message>
    <message>
        <source>Configuration import successfully</source>
        <translation>Konfigurację zaimportowano pomyślnie</translation>
    </message>
    <message>
        <source>Configuration import failed</source>
        <translation>Nie udało się zaimportować konfiguracji</translation>
    </message>
</context>
<context>
    <name>DailyAudit</name>
    <message>
        <source>Canceled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Unchanged since the last mail; not mailed.</source>
        <translation>Bez zmian od ostatniej wiadomości; nie wysłano.</translation>
    </message>
    <message>
        <source>%1 audit: %2</source>
        <translation>%1 – kontrola zegarów: %2</translation>
    </message>
    <message>
        <source>Not mailed: no recipient or no connection to the mail server.</source>
        <translation>Nie wysłano: brak odbiorcy lub połączenia z serwerem poczty.</translation>
    </message>
    <message>
        <source>Not mailed: %1</source>
        <translation>Nie wysłano: %1</translation>
    </message>
    <message>
        <source>Cannot write %1; the same findings will be mailed again.</source>
        <translation>Nie można zapisać %1; te same wyniki zostaną wysłane ponownie.</translation>
    </message>
    <message>
        <source>Mailed.</source>
        <translation>Wysłano.</translation>
    </message>
    <message>
        <source>%1  Audit: %2 %3</source>
        <translation>%1  Kontrola: %2 %3</translation>
    </message>
</context>
<context>
    <name>DevClock</name>
    <message>
        <source>Synchronized</source>
        <translation>Zsynchronizowany</translation>
    </message>
    <message>
        <source>Last synchronization time</source>
        <translation>Czas ostatniej synchronizacji</translation>
    </message>
    <message>
        <source>Ntp server timeout</source>
        <translation>Upłynął limit czasu serwera NTP</translation>
    </message>
    <message>
        <source>Last synchronization</source>
        <translation>Ostatnia synchronizacja</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <source>Ntp synchronization disabled</source>
        <translation>Synchronizacja NTP wyłączona</translation>
    </message>
    <message>
        <source>No status available</source>
        <translation>Stan niedostępny</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Brak uwierzytelnienia</translation>
    </message>
    <message>
        <source>Last status update</source>
        <translation>Ostatnia aktualizacja stanu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Authorization error</source>
        <translation>Błąd autoryzacji</translation>
    </message>
    <message>
        <source>Device is not responding</source>
        <translation>Urządzenie nie odpowiada</translation>
    </message>
    <message>
        <source> - IP duplicate found</source>
        <translation> – duplikat IP</translation>
    </message>
    <message>
        <source>Synchronized (no server named)</source>
        <translation>Zsynchronizowany (bez nazwy serwera)</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>Replies to the search lost because the system&apos;s receive buffer was full: %1. Search again to find the missing clocks.</source>
        <translation>Odpowiedzi na wyszukiwanie utracone, bo bufor odbiorczy systemu był pełny: %1. Wyszukaj ponownie, aby znaleźć brakujące zegary.</translation>
    </message>
</context>
<context>
    <name>DeviceListLock</name>
    <message>
        <source>another program</source>
        <translation>inny program</translation>
    </message>
    <message>
        <source>The device list is in use by %1 (process %2 on %3).</source>
        <translation>Lista urządzeń jest używana przez %1 (proces %2 na komputerze %3).</translation>
    </message>
    <message>
        <source>The device list is in use by another program.</source>
        <translation>Lista urządzeń jest używana przez inny program.</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>nie można zapisać pliku blokady</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1 of the device list: %2.</source>
        <translation>Nie można utworzyć pliku blokady %1 listy urządzeń: %2.</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Finds, sets up and watches LED wall clocks.</source>
        <translation>Wyszukuje, konfiguruje i nadzoruje zegary ścienne LED.</translation>
    </message>
    <message>
        <source>Copyright QLX Devices. All rights reserved.</source>
        <translation>Copyright QLX Devices. Wszelkie prawa zastrzeżone.</translation>
    </message>
</context>
<context>
    <name>DialogAuditFindings</name>
    <message>
        <source>Check clocks</source>
        <translation>Sprawdź zegary</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Daylight saving compared with %1.</source>
        <translation>Czas letni porównano ze strefą %1.</translation>
    </message>
    <message>
        <source>Site zone…</source>
        <translation>Strefa obiektu…</translation>
    </message>
    <message>
        <source>Change the time zone the audit compares the clocks with</source>
        <translation>Zmień strefę czasową, z którą audyt porównuje zegary</translation>
    </message>
    <message>
        <source>Align with group…</source>
        <translation>Wyrównaj z grupą…</translation>
    </message>
    <message>
        <source>Change the clocks that depart from their group&apos;s configuration or leave the site&apos;s zone, after a preview</source>
        <translation>Zmień zegary odbiegające od konfiguracji grupy lub strefy obiektu, po podglądzie</translation>
    </message>
</context>
<context>
    <name>DialogAuthentication</name>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
</context>
<context>
    <name>DialogAvailability</name>
    <message>
        <source>Availability</source>
        <translation>Dostępność</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Okres:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Grupy</translation>
    </message>
    <message>
        <source>C&amp;locks</source>
        <translation>&amp;Zegary</translation>
    </message>
    <message>
        <source>Ctrl+Enter sorts the table by the current column.</source>
        <translation>Ctrl+Enter sortuje tabelę według bieżącej kolumny.</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Obliczanie wskaźników...</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Nie można odczytać historii: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>Figures of %n clocks.</source>
        <translation>
            <numerusform>Wskaźniki %n zegara.</numerusform>
            <numerusform>Wskaźniki %n zegarów.</numerusform>
            <numerusform>Wskaźniki %n zegarów.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogChangeClocks</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Send configuration to group</source>
        <translation>Wyślij konfigurację do grupy</translation>
    </message>
    <message>
        <source>Change clocks</source>
        <translation>Zmień zegary</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Zegary zakończone</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message numerus="yes">
        <source>Align %n clocks with their groups: the fields where a clock departs from its group&apos;s configuration, and its daylight saving where it leaves the site&apos;s zone.</source>
        <translation>
            <numerusform>Wyrównaj %n zegar z jego grupą: pola, w których zegar odbiega od konfiguracji grupy, oraz czas letni, gdzie odbiega od strefy obiektu.</numerusform>
            <numerusform>Wyrównaj %n zegary z ich grupami: pola, w których zegar odbiega od konfiguracji grupy, oraz czas letni, gdzie odbiega od strefy obiektu.</numerusform>
            <numerusform>Wyrównaj %n zegarów z ich grupami: pola, w których zegar odbiega od konfiguracji grupy, oraz czas letni, gdzie odbiega od strefy obiektu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n clocks is read first; the table shows what the send changes on each. Nothing is sent until you press Send.</source>
        <translation>
            <numerusform>Najpierw odczytywany jest %n zegar; tabela pokazuje, co wysłanie na nim zmieni. Nic nie jest wysyłane, dopóki nie naciśniesz Wyślij.</numerusform>
            <numerusform>Najpierw odczytywane są %n zegary; tabela pokazuje, co wysłanie zmieni na każdym. Nic nie jest wysyłane, dopóki nie naciśniesz Wyślij.</numerusform>
            <numerusform>Najpierw odczytywanych jest %n zegarów; tabela pokazuje, co wysłanie zmieni na każdym. Nic nie jest wysyłane, dopóki nie naciśniesz Wyślij.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Change %n clocks: choose the fields and their values, then Preview shows what each clock gets before anything is sent.</source>
        <translation>
            <numerusform>Zmień %n zegar: wybierz pola i ich wartości, a Podgląd pokaże, co zegar otrzyma, zanim cokolwiek zostanie wysłane.</numerusform>
            <numerusform>Zmień %n zegary: wybierz pola i ich wartości, a Podgląd pokaże, co otrzyma każdy zegar, zanim cokolwiek zostanie wysłane.</numerusform>
            <numerusform>Zmień %n zegarów: wybierz pola i ich wartości, a Podgląd pokaże, co otrzyma każdy zegar, zanim cokolwiek zostanie wysłane.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set fields</source>
        <translation>Ustaw pola</translation>
    </message>
    <message>
        <source>Fields from a configuration file</source>
        <translation>Pola z pliku konfiguracji</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Fields to change</source>
        <translation>Pola do zmiany</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>Fields to take</source>
        <translation>Pola do wzięcia</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Wartość: %1</translation>
    </message>
    <message>
        <source>Export change result</source>
        <translation>Eksportuj wynik zmiany</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Wynik zapisano w %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogChangePasswords</name>
    <message>
        <source>Change passwords</source>
        <translation>Zmień hasła</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks: each is sent its new password, then asked for its status with it. The device list keeps the password each clock answers to.</source>
        <translation>
            <numerusform>Zmiana hasła %n zegara: otrzymuje nowe hasło, a potem jest pytany o stan z jego użyciem. Lista urządzeń zachowuje hasło, na które zegar odpowiada.</numerusform>
            <numerusform>Zmiana hasła %n zegarów: każdy otrzymuje nowe hasło, a potem jest pytany o stan z jego użyciem. Lista urządzeń zachowuje hasło, na które odpowiada każdy zegar.</numerusform>
            <numerusform>Zmiana hasła %n zegarów: każdy otrzymuje nowe hasło, a potem jest pytany o stan z jego użyciem. Lista urządzeń zachowuje hasło, na które odpowiada każdy zegar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Zegary zakończone</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Zegary</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Eksportuj…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>New passwords</source>
        <translation>Nowe hasła</translation>
    </message>
    <message>
        <source>One new password for every clock</source>
        <translation>Jedno nowe hasło dla wszystkich zegarów</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Powtórz nowe hasło</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Powtórz</translation>
    </message>
    <message>
        <source>A new password for each clock, made here and saved to a file</source>
        <translation>Nowe hasło dla każdego zegara, utworzone tutaj i zapisane w pliku</translation>
    </message>
    <message>
        <source>File of the made passwords</source>
        <translation>Plik utworzonych haseł</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>Choose the file of the made passwords</source>
        <translation>Wybierz plik utworzonych haseł</translation>
    </message>
    <message>
        <source>Passwords from a file (ADDRESS,PASSWORD lines, or one password)</source>
        <translation>Hasła z pliku (wiersze ADRES,HASŁO lub jedno hasło)</translation>
    </message>
    <message>
        <source>File of new passwords</source>
        <translation>Plik nowych haseł</translation>
    </message>
    <message>
        <source>Choose the file of new passwords</source>
        <translation>Wybierz plik nowych haseł</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Stare hasło</translation>
    </message>
    <message>
        <source>Empty: each clock&apos;s stored password</source>
        <translation>Puste: zapisane hasło każdego zegara</translation>
    </message>
    <message>
        <source>Save the new passwords</source>
        <translation>Zapisz nowe hasła</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open a file of new passwords</source>
        <translation>Otwórz plik nowych haseł</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The new password is not the same in both fields.</source>
        <translation>Nowe hasło nie jest takie samo w obu polach.</translation>
    </message>
    <message>
        <source>Choose the file first.</source>
        <translation>Najpierw wybierz plik.</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks?</source>
        <translation>
            <numerusform>Zmienić hasło %n zegara?</numerusform>
            <numerusform>Zmienić hasło %n zegarów?</numerusform>
            <numerusform>Zmienić hasło %n zegarów?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Export password result</source>
        <translation>Eksportuj wynik zmiany haseł</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Wynik zapisano w %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Type the new password in both fields.</source>
        <translation>Wpisz nowe hasło w obu polach.</translation>
    </message>
</context>
<context>
    <name>DialogCombobox</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DialogCommissioningResults</name>
    <message>
        <source>Results by address</source>
        <translation>Wyniki według adresów</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses; the clocks found until then are on the device list.</source>
        <translation>Zatrzymano po %1 z %2 adresów; zegary znalezione do tej pory są na liście urządzeń.</translation>
    </message>
</context>
<context>
    <name>DialogDeviceSettings</name>
    <message>
        <source>Clock settings</source>
        <translation>Ustawienia zegara</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interfejs sieciowy</translation>
    </message>
    <message>
        <source>Network Interface:</source>
        <translation>Interfejs sieciowy:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Odśwież interfejsy sieciowe</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nazwa zegara</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>DHCP client</source>
        <translation>Klient DHCP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>DNS Primary:</source>
        <translation>Podstawowy DNS:</translation>
    </message>
    <message>
        <source>DNS Secondary:</source>
        <translation>Zapasowy DNS:</translation>
    </message>
    <message>
        <source>DHCP opt. 42</source>
        <translation>Opcja DHCP 42</translation>
    </message>
    <message>
        <source>DHCP opt. private</source>
        <translation>Opcja prywatna DHCP</translation>
    </message>
    <message>
        <source>Private opt. number:</source>
        <translation>Numer opcji prywatnej:</translation>
    </message>
    <message>
        <source>Web Panel Timeout:</source>
        <translation>Limit czasu panelu WWW:</translation>
    </message>
    <message>
        <source>Disable remote access</source>
        <translation>Wyłącz dostęp zdalny</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Zmiana hasła</translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation>Stare hasło:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nowe hasło:</translation>
    </message>
    <message>
        <source>Repeat new password:</source>
        <translation>Powtórz nowe hasło:</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Nazwa nie może być pusta</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Wysyłanie nazwy</translation>
    </message>
    <message>
        <source>The network settings were not sent: %1 is not a complete IP address.</source>
        <translation>Nie wysłano ustawień sieciowych: %1 nie jest pełnym adresem IP.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Wysyłanie ustawień sieciowych</translation>
    </message>
    <message>
        <source>New password is not identical in both fields</source>
        <translation>Nowe hasło nie jest takie samo w obu polach</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Wysyłanie hasła</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Nazwę zmieniono pomyślnie.</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Ustawienia sieciowe zmieniono pomyślnie.</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Hasło zmieniono pomyślnie.</translation>
    </message>
    <message>
        <source>Authentication data set.</source>
        <translation>Ustawiono dane uwierzytelniania.</translation>
    </message>
    <message>
        <source>Network interface set.</source>
        <translation>Ustawiono interfejs sieciowy.</translation>
    </message>
</context>
<context>
    <name>DialogDevicesFound</name>
    <message>
        <source>Devices found</source>
        <translation>Znalezione urządzenia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interfejs sieciowy</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Zaznacz wszystkie</translation>
    </message>
    <message>
        <source>Clock(s) with same IP already exist on device list. Do you want to add selected clock(s) anyway?</source>
        <translation>Zegary o tym samym adresie IP są już na liście urządzeń. Czy mimo to dodać zaznaczone zegary?</translation>
    </message>
    <message>
        <source>moved from %1 to %2? Tick to confirm</source>
        <translation>przeniesiony z %1 na %2? Zaznacz, aby potwierdzić</translation>
    </message>
    <message>
        <source>wrong password for listed clock</source>
        <translation>błędne hasło zegara z listy</translation>
    </message>
</context>
<context>
    <name>DialogEditName</name>
    <message>
        <source>Edit group name</source>
        <translation>Edytuj nazwę grupy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nazwa grupy:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
</context>
<context>
    <name>DialogHistory</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>History of %1 (%2)</source>
        <translation>Historia zegara %1 (%2)</translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation>Odczytywanie dziennika zdarzeń...</translation>
    </message>
    <message>
        <source>Nothing has happened to this clock yet, or the journal is kept elsewhere.</source>
        <translation>Dla tego zegara nie zapisano jeszcze zdarzeń albo dziennik zdarzeń jest przechowywany gdzie indziej.</translation>
    </message>
    <message numerus="yes">
        <source>The latest %n events, newest first.</source>
        <translation>
            <numerusform>%n ostatnie zdarzenie, najnowsze na górze.</numerusform>
            <numerusform>%n ostatnie zdarzenia, najnowsze na górze.</numerusform>
            <numerusform>%n ostatnich zdarzeń, najnowsze na górze.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Nie można odczytać historii: %1</translation>
    </message>
</context>
<context>
    <name>DialogHost</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DialogNewClock</name>
    <message>
        <source>Add clock</source>
        <translation>Dodaj zegar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>Adres IP:</translation>
    </message>
    <message>
        <source>Network interface:</source>
        <translation>Interfejs sieciowy:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Odśwież interfejsy sieciowe</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Incorrect IP Address</source>
        <translation>Nieprawidłowy adres IP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One address</source>
        <translation>Jeden adres</translation>
    </message>
    <message>
        <source>Address range</source>
        <translation>Zakres adresów</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Plan adresów</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Zegary</translation>
    </message>
    <message>
        <source>Address range:</source>
        <translation>Zakres adresów:</translation>
    </message>
    <message>
        <source>10.20.1.10-10.20.1.200 or 10.20.1.0/24</source>
        <translation>10.20.1.10-10.20.1.200 lub 10.20.1.0/24</translation>
    </message>
    <message>
        <source>Address plan:</source>
        <translation>Plan adresów:</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Nie wybrano pliku</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>A CSV file with a header row: ip, name, group, user, password (only ip is needed).</source>
        <translation>Plik CSV z wierszem nagłówka: ip, name, group, user, password (wymagana jest tylko kolumna ip).</translation>
    </message>
    <message>
        <source>Give the clocks the plan&apos;s names</source>
        <translation>Nadaj zegarom nazwy z planu</translation>
    </message>
    <message>
        <source>Incorrect address range: %1</source>
        <translation>Nieprawidłowy zakres adresów: %1</translation>
    </message>
    <message>
        <source>Ask every one of them?</source>
        <translation>Odpytać wszystkie?</translation>
    </message>
    <message>
        <source>Ask all</source>
        <translation>Odpytaj wszystkie</translation>
    </message>
    <message>
        <source>Open address plan</source>
        <translation>Otwórz plan adresów</translation>
    </message>
    <message>
        <source>Address plans (*.csv);;All files (*)</source>
        <translation>Plany adresów (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose the address plan first.</source>
        <translation>Najpierw wybierz plan adresów.</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Fale</translation>
    </message>
    <message>
        <source>1 % of the clocks</source>
        <translation>1 % zegarów</translation>
    </message>
    <message>
        <source>10 % of the clocks</source>
        <translation>10 % zegarów</translation>
    </message>
    <message>
        <source>5 % of the clocks sent to</source>
        <translation>5 % zegarów, do których wysłano</translation>
    </message>
    <message>
        <source>First wave (clocks)</source>
        <translation>Pierwsza fala (zegary)</translation>
    </message>
    <message>
        <source>Each later wave (clocks)</source>
        <translation>Każda kolejna fala (zegary)</translation>
    </message>
    <message>
        <source>Failures before it stops</source>
        <translation>Niepowodzenia przed zatrzymaniem</translation>
    </message>
</context>
<context>
    <name>DialogProgress</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DialogQuestion</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nie pytaj ponownie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Authorization error</source>
        <translation>Błąd autoryzacji</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Brak odpowiedzi</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Nie znaleziono hosta</translation>
    </message>
    <message>
        <source>Incorrect data sent or function is unsupported</source>
        <translation>Wysłano nieprawidłowe dane lub funkcja nie jest obsługiwana</translation>
    </message>
    <message>
        <source>Unable connect to device</source>
        <translation>Nie można połączyć się z urządzeniem</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Wystąpił błąd:</translation>
    </message>
    <message>
        <source>not a clock address</source>
        <translation>to nie jest adres zegara</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>połączenie odrzucone</translation>
    </message>
    <message>
        <source>no route to the clock</source>
        <translation>brak trasy do zegara</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>brak połączenia w ciągu %1 sek.</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>błędna nazwa użytkownika lub hasło</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>brak odpowiedzi w ciągu %1 sek.</translation>
    </message>
    <message>
        <source>the answer is not an HTTP reply</source>
        <translation>odpowiedź nie jest odpowiedzią HTTP</translation>
    </message>
    <message>
        <source>the clock answered with HTTP status %1</source>
        <translation>zegar zwrócił kod stanu HTTP %1</translation>
    </message>
    <message>
        <source>the clock does not know this request</source>
        <translation>zegar nie obsługuje tego żądania</translation>
    </message>
    <message>
        <source>the answer does not end</source>
        <translation>odpowiedź się nie kończy</translation>
    </message>
</context>
<context>
    <name>EventJournal</name>
    <message>
        <source>Journal %1 could not be written (%2); events lost: %3</source>
        <translation>Nie udało się zapisać dziennika %1 (%2); utracone zdarzenia: %3</translation>
    </message>
    <message>
        <source>Journal %1 cannot be written: %2; events wait in memory and are written when it can be.</source>
        <translation>Nie można zapisać dziennika %1: %2; zdarzenia czekają w pamięci i zostaną zapisane, gdy będzie to możliwe.</translation>
    </message>
    <message>
        <source>Journal %1 is written again; %2 events were dropped meanwhile.</source>
        <translation>Dziennik %1 jest znów zapisywany; w międzyczasie odrzucono %2 zdarzeń.</translation>
    </message>
    <message>
        <source>Journal %1 is written again.</source>
        <translation>Dziennik %1 jest znów zapisywany.</translation>
    </message>
    <message>
        <source>The journal %1 was imported into the history: %2 events, %3 damaged lines skipped; it is kept as it was.</source>
        <translation>Dziennik zdarzeń %1 zaimportowano do historii: zdarzenia: %2, pominięte uszkodzone wiersze: %3; plik pozostawiono bez zmian.</translation>
    </message>
    <message>
        <source>The history was damaged and set aside as %1; a new one was started.</source>
        <translation>Historia była uszkodzona i została odłożona jako %1; rozpoczęto nową.</translation>
    </message>
</context>
<context>
    <name>FailedAttempts</name>
    <message>
        <source>Refused a request with a wrong token from %1 (%2 from there so far); its next tokens are checked ever more slowly.</source>
        <translation>Odrzucono żądanie z błędnym tokenem z %1 (dotąd %2 stamtąd); kolejne tokeny są sprawdzane coraz wolniej.</translation>
    </message>
</context>
<context>
    <name>FleetCheck</name>
    <message>
        <source>Checking clocks</source>
        <translation>Sprawdzanie zegarów</translation>
    </message>
    <message>
        <source>Site zone</source>
        <translation>Strefa obiektu</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The audit compares each clock&apos;s daylight saving with the time zone of the site.</source>
        <translation>Audyt porównuje czas letni każdego zegara ze strefą czasową obiektu.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Strefa</translation>
    </message>
</context>
<context>
    <name>FleetSummary</name>
    <message>
        <source>%1 synchronized, %2 warning, %3 critical</source>
        <translation>zsynchronizowane: %1, ostrzeżenia: %2, krytyczne: %3</translation>
    </message>
    <message>
        <source>%1 without status</source>
        <translation>bez stanu: %1</translation>
    </message>
    <message>
        <source>Clocks: %1 (%2)</source>
        <translation>Zegary: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 with critical audit findings</source>
        <translation>z krytycznymi wynikami kontroli: %1</translation>
    </message>
</context>
<context>
    <name>GroupTree</name>
    <message>
        <source>Delete group</source>
        <translation>Usuń grupę</translation>
    </message>
    <message>
        <source>Edit group configuration</source>
        <translation>Edytuj konfigurację grupy</translation>
    </message>
    <message>
        <source>Change group name</source>
        <translation>Zmień nazwę grupy</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Sprawdź zegary</translation>
    </message>
    <message>
        <source>Remove clock from group</source>
        <translation>Usuń zegar z grupy</translation>
    </message>
    <message>
        <source>Copy clock configuration to group and edit</source>
        <translation>Kopiuj konfigurację zegara do grupy i edytuj</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Wyciszenie</translation>
    </message>
    <message>
        <source>%1 (quiet)</source>
        <translation>%1 (wyciszona)</translation>
    </message>
    <message>
        <source>In the context menu of the row</source>
        <translation>W menu kontekstowym wiersza</translation>
    </message>
    <message>
        <source>Change clocks of the group</source>
        <translation>Zmień zegary grupy</translation>
    </message>
    <message>
        <source>Change passwords of the group</source>
        <translation>Zmień hasła zegarów grupy</translation>
    </message>
</context>
<context>
    <name>IncidentMail</name>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>%n zegar</numerusform>
            <numerusform>%n zegary</numerusform>
            <numerusform>%n zegarów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks need attention.</source>
        <translation>
            <numerusform>%n zegar wymaga uwagi.</numerusform>
            <numerusform>%n zegary wymagają uwagi.</numerusform>
            <numerusform>%n zegarów wymaga uwagi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Since: </source>
        <translation>Występuje od: </translation>
    </message>
    <message>
        <source>back to normal: </source>
        <translation>powrót do normy: </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks are back to normal.</source>
        <translation>
            <numerusform>%n zegar wrócił do normy.</numerusform>
            <numerusform>%n zegary wróciły do normy.</numerusform>
            <numerusform>%n zegarów wróciło do normy.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back to normal after %1</source>
        <translation>Powrót do normy po %1</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>niecałej minucie</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 d %2 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 applies at the next start.</source>
        <translation>%1 – od następnego uruchomienia programu.</translation>
    </message>
</context>
<context>
    <name>MailCommands</name>
    <message>
        <source>Sending test e-mail</source>
        <translation>Wysyłanie testowego e-maila</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Ntp server timeout</source>
        <translation>Upłynął limit czasu serwera NTP</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Brak uwierzytelnienia</translation>
    </message>
    <message>
        <source>alert: </source>
        <translation>alert: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Clock name: </source>
        <translation>Nazwa zegara: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>Adres IP: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Grupa: </translation>
    </message>
    <message>
        <source>Error code: </source>
        <translation>Kod błędu: </translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>The device list is empty; nothing to poll.</source>
        <translation>Lista urządzeń jest pusta; nie ma czego odpytywać.</translation>
    </message>
    <message>
        <source>Cannot serve metrics on %1: %2</source>
        <translation>Nie można udostępnić metryk na %1: %2</translation>
    </message>
    <message>
        <source>--board-token-file needs --board or --metrics.</source>
        <translation>--board-token-file wymaga --board lub --metrics.</translation>
    </message>
    <message>
        <source>Cannot read the board&apos;s token: %1</source>
        <translation>Nie można odczytać tokenu tablicy: %1</translation>
    </message>
    <message>
        <source>--board-host %1 is not a host name.</source>
        <translation>--board-host %1 nie jest nazwą hosta.</translation>
    </message>
    <message>
        <source>The status board on %1 is open to anyone who can reach it; see --board-token-file.</source>
        <translation>Tablica stanu na %1 jest otwarta dla każdego, kto może do niej dotrzeć; zob. --board-token-file.</translation>
    </message>
    <message>
        <source>Cannot serve the status board on %1: %2</source>
        <translation>Nie można udostępnić tablicy stanu na %1: %2</translation>
    </message>
    <message>
        <source>Stopped by signal %1; device list saved.</source>
        <translation>Zatrzymano sygnałem %1; lista urządzeń zapisana.</translation>
    </message>
    <message>
        <source>Stopped by signal %1.</source>
        <translation>Zatrzymano sygnałem %1.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Cannot watch for SIGINT and SIGTERM.</source>
        <translation>Nie można nasłuchiwać SIGINT i SIGTERM.</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <source>The device list is not locked for writing.</source>
        <translation>Lista urządzeń nie jest zablokowana do zapisu.</translation>
    </message>
    <message>
        <source>Cannot write the device list %1: %2.</source>
        <translation>Nie można zapisać listy urządzeń %1: %2.</translation>
    </message>
</context>
<context>
    <name>NetworkCardChoices</name>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Niedostępny</translation>
    </message>
</context>
<context>
    <name>NewPasswords</name>
    <message>
        <source>line %1: </source>
        <translation>wiersz %1: </translation>
    </message>
    <message>
        <source>expected ADDRESS,PASSWORD</source>
        <translation>oczekiwano ADRES,HASŁO</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwa razy</translation>
    </message>
    <message>
        <source>the password of %1 is empty</source>
        <translation>hasło dla %1 jest puste</translation>
    </message>
    <message>
        <source>the list names no clock</source>
        <translation>lista nie wskazuje żadnego zegara</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>większy niż %1 bajtów</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
</context>
<context>
    <name>PageConfiguration</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlacz</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration first in device list.</source>
        <translation>Zegar nie ma pobranej konfiguracji. Najpierw pobierz konfigurację zegara na liście urządzeń.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Back to the device list (keeps the changes)</source>
        <translation>Powrót do listy urządzeń (zmiany zostają zachowane)</translation>
    </message>
    <message>
        <source>Open or save a configuration file</source>
        <translation>Otwórz lub zapisz plik konfiguracji</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Download the configuration from the clock again</source>
        <translation>Pobierz ponownie konfigurację z zegara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Czy chcesz pobrać konfigurację zegara?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Pobieranie konfiguracji</translation>
    </message>
    <message>
        <source>Clock %1 is in group %2. Send configuration anyway?</source>
        <translation>Zegar %1 należy do grupy %2. Czy mimo to wysłać konfigurację?</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Wysyłanie konfiguracji</translation>
    </message>
    <message>
        <source>The configuration was sent to %1 of %2 clocks. Not sent to: %3</source>
        <translation>Konfigurację wysłano do części zegarów: %1 z %2. Nie wysłano do: %3</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>Konfigurację wysłano pomyślnie.</translation>
    </message>
</context>
<context>
    <name>PageConflict</name>
    <message>
        <source>IP conflicts</source>
        <translation>Konflikty IP</translation>
    </message>
    <message>
        <source>Application will detect and change MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for every next device with conflict found.</source>
        <translation>Program wykryje i zmieni adres MAC i IP każdego zegara o adresie IP 192.168.0.11.
Adresy MAC i IP rosną o 1 dla każdego kolejnego urządzenia z wykrytym konfliktem.</translation>
    </message>
    <message>
        <source>New MAC of first device:</source>
        <translation>Nowy adres MAC pierwszego urządzenia:</translation>
    </message>
    <message>
        <source>New IP of first device:</source>
        <translation>Nowy adres IP pierwszego urządzenia:</translation>
    </message>
    <message>
        <source>Resolve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>The new MAC of the first device is incomplete.</source>
        <translation>Nowy adres MAC pierwszego urządzenia jest niekompletny.</translation>
    </message>
    <message>
        <source>The new IP of the first device is not a full address.</source>
        <translation>Nowy adres IP pierwszego urządzenia nie jest pełnym adresem.</translation>
    </message>
    <message>
        <source>Resolving conflicts</source>
        <translation>Rozwiązywanie konfliktów</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Nie znaleziono urządzeń.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Zmieniono adresy MAC i IP %1 z %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n zegara</numerusform>
            <numerusform>%n zegarów</numerusform>
            <numerusform>%n zegarów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n znalezionego urządzenia</numerusform>
            <numerusform>%n znalezionych urządzeń</numerusform>
            <numerusform>%n znalezionych urządzeń</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>Zegary, które nie przyjęły nowych adresów: %1 (znalezione: %2).</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>Zegary pozostawione bez zmian, bo po .254 nie ma wolnych adresów: %1 (znalezione: %2).</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>Zegar odrzucił nowy adres.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Nie został dla niego żaden adres.</translation>
    </message>
</context>
<context>
    <name>PageDeviceList</name>
    <message>
        <source>Filter:</source>
        <translation>Filtr:</translation>
    </message>
    <message>
        <source>Name or IP</source>
        <translation>Nazwa lub IP</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Tylko problemy</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Add clock</source>
        <translation>Dodaj zegar</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Sprawdź zegary</translation>
    </message>
    <message>
        <source>Check that every clock keeps the right time and matches its group</source>
        <translation>Sprawdź, czy każdy zegar wskazuje właściwy czas i zgadza się ze swoją grupą</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Download configuration</source>
        <translation>Pobierz konfigurację</translation>
    </message>
    <message>
        <source>Edit configuration</source>
        <translation>Edytuj konfigurację</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Edytuj ustawienia</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Odśwież stan</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Nie znaleziono urządzeń.</translation>
    </message>
    <message>
        <source>Updating device</source>
        <translation>Aktualizowanie danych urządzenia</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Pobieranie konfiguracji</translation>
    </message>
    <message>
        <source>Refreshing status</source>
        <translation>Odświeżanie stanu</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Czy chcesz pobrać konfigurację zegara?</translation>
    </message>
    <message>
        <source>Download and edit</source>
        <translation>Pobierz i edytuj</translation>
    </message>
    <message>
        <source>Edit without download</source>
        <translation>Edytuj bez pobierania</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Are you sure you want to delete clock %1 (IP: %2)?</source>
        <translation>Czy na pewno chcesz usunąć zegar %1 (IP: %2)?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Wyszukiwanie urządzeń</translation>
    </message>
    <message>
        <source>Clock %1 data refreshed</source>
        <translation>Odświeżono dane zegara %1</translation>
    </message>
    <message>
        <source>End quiet period</source>
        <translation>Zakończ wyciszenie</translation>
    </message>
    <message>
        <source>Quiet period...</source>
        <translation>Wycisz...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historia...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Write the device list to a file as an address plan</source>
        <translation>Zapisz listę urządzeń w pliku jako plan adresów</translation>
    </message>
    <message>
        <source>Change clocks…</source>
        <translation>Zmień zegary…</translation>
    </message>
    <message>
        <source>Change fields of the selected clocks (or of every clock shown) after a preview (Ctrl+Shift+C)</source>
        <translation>Zmień pola zaznaczonych zegarów (lub wszystkich pokazanych) po podglądzie (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <source>Passwords…</source>
        <translation>Hasła…</translation>
    </message>
    <message>
        <source>Change the passwords of the selected clocks (or of every clock shown) in waves (Ctrl+Shift+P)</source>
        <translation>Zmień hasła zaznaczonych zegarów (lub wszystkich wyświetlanych) falami (Ctrl+Shift+P)</translation>
    </message>
</context>
<context>
    <name>PageGroupList</name>
    <message>
        <source>Groups</source>
        <translation>Grupy</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Dodaj grupę</translation>
    </message>
    <message>
        <source>Clocks and their groups</source>
        <translation>Zegary i ich grupy</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nazwa grupy</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Are you sure you want to delete group %1?</source>
        <translation>Czy na pewno chcesz usunąć grupę %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Edytuj nazwę grupy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Are you sure you want to open clock configuration and copy it to group?</source>
        <translation>Czy na pewno chcesz otworzyć konfigurację zegara i skopiować ją do grupy?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Group don&apos;t have any clocks.</source>
        <translation>Grupa nie zawiera żadnych zegarów.</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration in device list first.</source>
        <translation>Zegar nie ma pobranej konfiguracji. Najpierw pobierz konfigurację zegara na liście urządzeń.</translation>
    </message>
    <message>
        <source>Group don&apos;t have configuration.</source>
        <translation>Grupa nie ma konfiguracji.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Selected group has no configuration.</source>
        <translation>Wybrana grupa nie ma konfiguracji.</translation>
    </message>
    <message>
        <source>Choose device from which do you want to copy configuration for group.</source>
        <translation>Wybierz urządzenie, z którego chcesz skopiować konfigurację do grupy.</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nazwa zegara</translation>
    </message>
    <message>
        <source>any clock of group %1</source>
        <translation>zegary z grupy %1</translation>
    </message>
    <message>
        <source>End the quiet period of group %1?</source>
        <translation>Zakończyć wyciszenie grupy %1?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Copy configuration to the group</source>
        <translation>Kopiowanie konfiguracji do grupy</translation>
    </message>
</context>
<context>
    <name>PageNotifications</name>
    <message>
        <source>Server settings</source>
        <translation>Ustawienia serwera</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ukryj w zasobniku</translation>
    </message>
    <message>
        <source>Notification configuration saved.</source>
        <translation>Zapisano konfigurację powiadomień.</translation>
    </message>
    <message>
        <source>Save configuration before minimize application?</source>
        <translation>Zapisać konfigurację przed zminimalizowaniem programu?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Zapisz i minimalizuj</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Tylko minimalizuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Uwierzytelnianie:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nazwa użytkownika:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Nadawca:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Szyfrowanie:</translation>
    </message>
    <message>
        <source>TLS/SSL</source>
        <translation>TLS/SSL</translation>
    </message>
    <message>
        <source>StartTLS</source>
        <translation>StartTLS</translation>
    </message>
    <message>
        <source>No encryption</source>
        <translation>Bez szyfrowania</translation>
    </message>
    <message>
        <source>Ignore SSL errors (may be unsafe)</source>
        <translation>Ignoruj błędy SSL (może być niebezpieczne)</translation>
    </message>
    <message>
        <source>Resend e-mail every:</source>
        <translation>Wysyłaj e-mail ponownie co:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 godziny</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 godzin</translation>
    </message>
    <message>
        <source>Alert type</source>
        <translation>Typ alertu</translation>
    </message>
    <message>
        <source>No connection:</source>
        <translation>Brak połączenia:</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Brak połączenia</translation>
    </message>
    <message>
        <source>No authentication:</source>
        <translation>Brak uwierzytelnienia:</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Brak uwierzytelnienia</translation>
    </message>
    <message>
        <source>Ntp timeout:</source>
        <translation>Limit czasu NTP:</translation>
    </message>
    <message>
        <source>Ntp timeout</source>
        <translation>Limit czasu NTP</translation>
    </message>
    <message>
        <source>Recipent list</source>
        <translation>Lista odbiorców</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Recipient type</source>
        <translation>Typ odbiorcy</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopia</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Odbiorca:</translation>
    </message>
    <message>
        <source>Add recipient</source>
        <translation>Dodaj odbiorcę</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Wyślij powiadomienie testowe</translation>
    </message>
    <message>
        <source>Save configuration before sending test e-mail?</source>
        <translation>Zapisać konfigurację przed wysłaniem testowego e-maila?</translation>
    </message>
    <message>
        <source>Save and send</source>
        <translation>Zapisz i wyślij</translation>
    </message>
    <message>
        <source>Send only</source>
        <translation>Tylko wyślij</translation>
    </message>
    <message>
        <source>Username cannot be empty</source>
        <translation>Nazwa użytkownika nie może być pusta</translation>
    </message>
    <message>
        <source>Password cannot be empty</source>
        <translation>Hasło nie może być puste</translation>
    </message>
    <message>
        <source>You can add up to 10 recipients.</source>
        <translation>Można dodać maksymalnie 10 odbiorców.</translation>
    </message>
    <message>
        <source>Recipient e-mail is not valid.</source>
        <translation>Nieprawidłowy adres e-mail odbiorcy.</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>One mail for alerts within:</source>
        <translation>Zbieraj alerty przez:</translation>
    </message>
    <message>
        <source>Clocks whose alerts fall due within this time of the first are named in one mail.</source>
        <translation>Zegary, których alerty wystąpią w tym czasie od pierwszego, zostaną wymienione w jednym e-mailu.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> sek.</translation>
    </message>
    <message>
        <source>Back to normal:</source>
        <translation>Powrót do normy:</translation>
    </message>
    <message>
        <source>One more mail when the clocks of a delivered alert answer and are synchronised again.</source>
        <translation>Dodatkowy e-mail, gdy zegary z doręczonego alertu znów odpowiadają i są zsynchronizowane.</translation>
    </message>
    <message>
        <source>Mail when they are well again</source>
        <translation>Powiadom e-mailem</translation>
    </message>
    <message>
        <source>Remove recipient %1</source>
        <translation>Usuń odbiorcę %1</translation>
    </message>
    <message>
        <source>Monthly availability report:</source>
        <translation>Miesięczny raport dostępności:</translation>
    </message>
    <message>
        <source>Mails the previous month&apos;s availability figures with the workbook attached, once a month.</source>
        <translation>Raz w miesiącu wysyła e-mailem dane o dostępności z poprzedniego miesiąca z załączonym skoroszytem.</translation>
    </message>
    <message>
        <source>Mail the previous month&apos;s figures</source>
        <translation>Wysyłaj dane z poprzedniego miesiąca</translation>
    </message>
    <message>
        <source>On day of the month:</source>
        <translation>W dniu miesiąca:</translation>
    </message>
    <message>
        <source>Report recipients:</source>
        <translation>Odbiorcy raportu:</translation>
    </message>
    <message>
        <source>Addresses separated by commas; when empty, the report goes to the alert recipients.</source>
        <translation>Adresy rozdzielone przecinkami; gdy pole jest puste, raport trafia do odbiorców alertów.</translation>
    </message>
    <message>
        <source>As for alerts</source>
        <translation>Jak dla alertów</translation>
    </message>
    <message>
        <source>Report recipient %1 is not a valid e-mail address.</source>
        <translation>Odbiorca raportu %1 nie jest prawidłowym adresem e-mail.</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Enable file report</source>
        <translation>Włącz raport do pliku</translation>
    </message>
    <message>
        <source>Filepath:</source>
        <translation>Ścieżka pliku:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Typ pliku:</translation>
    </message>
    <message>
        <source>MS Excel (xlsx)</source>
        <translation>MS Excel (xlsx)</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Interwał:</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minut</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minut</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minut</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minut</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 godzina</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 godziny</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 godziny</translation>
    </message>
    <message>
        <source>Value type:</source>
        <translation>Rodzaj wartości:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ukryj w zasobniku</translation>
    </message>
    <message>
        <source>Save report configuration before minimize application?</source>
        <translation>Zapisać konfigurację raportu przed zminimalizowaniem programu?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Zapisz i minimalizuj</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Tylko minimalizuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>File report</source>
        <translation>Raport do pliku</translation>
    </message>
    <message>
        <source>Filepath can&apos;t be empty.</source>
        <translation>Ścieżka pliku nie może być pusta.</translation>
    </message>
    <message>
        <source>Invalid report filepath.</source>
        <translation>Nieprawidłowa ścieżka pliku raportu.</translation>
    </message>
    <message>
        <source>Microsoft Excel files (*.xlsx)</source>
        <translation>Pliki Microsoft Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Report configuration saved.</source>
        <translation>Zapisano konfigurację raportu.</translation>
    </message>
    <message>
        <source>Availability...</source>
        <translation>Dostępność...</translation>
    </message>
</context>
<context>
    <name>ParameterText</name>
    <message>
        <source>The configuration was not sent: %1 holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Nie wysłano konfiguracji: %1 zawiera „&amp;”, „=” lub znak sterujący, których zegar nie odczyta poprawnie.</translation>
    </message>
    <message>
        <source>The name was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Nie wysłano nazwy: zawiera „&amp;”, „=” lub znak sterujący, których zegar nie odczyta poprawnie.</translation>
    </message>
    <message>
        <source>The password was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Nie wysłano hasła: zawiera „&amp;”, „=” lub znak sterujący, których zegar nie odczyta poprawnie.</translation>
    </message>
</context>
<context>
    <name>PasswordClocksFlow</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 gives no password for %2.</source>
        <translation>%1 nie podaje hasła dla %2.</translation>
    </message>
    <message>
        <source>%1: the new password is empty.</source>
        <translation>%1: nowe hasło jest puste.</translation>
    </message>
    <message>
        <source>The run has been sent already.</source>
        <translation>Przebieg został już wysłany.</translation>
    </message>
    <message>
        <source>No clocks are chosen.</source>
        <translation>Nie wybrano zegarów.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>Nie można zapisać %1: %2. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Fala %1: zegarów: %2</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Zatrzymanie po bieżącej fali…</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Zmiana haseł %1: potwierdzono %2 z %3 zegarów.</translation>
    </message>
    <message>
        <source>Stopped between waves: the clocks not sent to keep their passwords.</source>
        <translation>Zatrzymano między falami: zegary, do których nic nie wysłano, zachowują swoje hasła.</translation>
    </message>
</context>
<context>
    <name>PasswordCommand</name>
    <message>
        <source>password: --new-file %1 gives no password for %2</source>
        <translation>password: --new-file %1 nie podaje hasła dla %2</translation>
    </message>
    <message>
        <source>password: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>password: --max-failed: oczekiwano liczby zegarów lub procentu (5%)</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>jak podano</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>zapisane</translation>
    </message>
    <message>
        <source>from the list</source>
        <translation>z listy</translation>
    </message>
    <message>
        <source>generated</source>
        <translation>wygenerowane</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>zegar</translation>
    </message>
    <message>
        <source>old password</source>
        <translation>stare hasło</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nowe hasło</translation>
    </message>
    <message>
        <source>Password run %1: %2 clocks.</source>
        <translation>Zmiana haseł %1: zegarów: %2.</translation>
    </message>
    <message>
        <source>state</source>
        <translation>stan</translation>
    </message>
    <message>
        <source>stored password</source>
        <translation>zapisane hasło</translation>
    </message>
    <message>
        <source>error</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nowe</translation>
    </message>
    <message>
        <source>old</source>
        <translation>stare</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Zmiana haseł %1: potwierdzono %2 z %3 zegarów.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Zatrzymano między falami: więcej zegarów zawiodło, niż pozwala --max-failed, albo przebieg przerwano.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>Nie można zapisać %1: %2. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Change the password of %1 clocks? [y/N] </source>
        <translation>Zmienić hasło %1 zegarów? [y/N] </translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Fala %1: zegarów: %2</translation>
    </message>
    <message>
        <source>Sending passwords</source>
        <translation>Wysyłanie haseł</translation>
    </message>
</context>
<context>
    <name>PasswordRun</name>
    <message>
        <source>not changed: the clock still answers to the old password</source>
        <translation>nie zmieniono: zegar nadal przyjmuje stare hasło</translation>
    </message>
    <message>
        <source>not verified: the clock took the new password but does not answer with it (%1)</source>
        <translation>niepotwierdzone: zegar przyjął nowe hasło, ale nie odpowiada z nim (%1)</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>potwierdzony</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>niepotwierdzony</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>nieudany</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nie wysłano</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>wysyłanie</translation>
    </message>
    <message>
        <source>planned</source>
        <translation>zaplanowany</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>przebieg zatrzymał się przed jego falą</translation>
    </message>
</context>
<context>
    <name>PasswordRunModel</name>
    <message>
        <source>new</source>
        <translation>nowe</translation>
    </message>
    <message>
        <source>old</source>
        <translation>stare</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Stored password</source>
        <translation>Zapisane hasło</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>QuietCommands</name>
    <message>
        <source>The request could not be written to %1.</source>
        <translation>Nie udało się zapisać żądania w folderze %1.</translation>
    </message>
    <message>
        <source>The program that holds the device list did not take the request.</source>
        <translation>Program, który trzyma listę urządzeń, nie przyjął żądania.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Grupa %1</translation>
    </message>
    <message>
        <source>%1 is quiet until %2.</source>
        <translation>%1 – wyciszenie do %2.</translation>
    </message>
    <message>
        <source>%1 is quiet until unmuted.</source>
        <translation>%1 – wyciszenie do odwołania.</translation>
    </message>
    <message>
        <source>%1 is no longer quiet.</source>
        <translation>%1 – wyciszenie zakończone.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Brak zdarzeń.</translation>
    </message>
    <message>
        <source>%1 is not muted; nothing changed.</source>
        <translation>%1 nie jest wyciszony; nic nie zmieniono.</translation>
    </message>
    <message>
        <source>%1 is quiet every %2.</source>
        <translation>%1 – cisza co tydzień: %2.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours now.</source>
        <translation>%1 nie ma już cotygodniowych godzin ciszy.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours; nothing changed.</source>
        <translation>%1 nie ma cotygodniowych godzin ciszy; nic nie zmieniono.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>&quot;%1&quot; is not a window like &quot;Mon-Fri 22:00-06:00&quot; or &quot;Sat-Sun&quot;.</source>
        <translation>„%1” nie jest przedziałem takim jak „Mon-Fri 22:00-06:00” lub „Sat-Sun”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.</source>
        <translation>„%1”: dni to Mon, Tue, Wed, Thu, Fri, Sat i Sun.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times run from 00:00 to 23:59, an end up to 24:00.</source>
        <translation>„%1”: godziny od 00:00 do 23:59, koniec najpóźniej 24:00.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends when it starts.</source>
        <translation>„%1” kończy się w chwili rozpoczęcia.</translation>
    </message>
    <message>
        <source>Quiet hours are at most %1 characters.</source>
        <translation>Godziny ciszy mogą mieć najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone of this machine, like Europe/Berlin.</source>
        <translation>„%1” nie jest strefą czasową tego komputera, taką jak Europe/Berlin.</translation>
    </message>
    <message>
        <source>At most %1 windows.</source>
        <translation>Najwyżej %1 przedziałów.</translation>
    </message>
    <message>
        <source>No window given, like &quot;Mon-Fri 22:00-06:00&quot;.</source>
        <translation>Nie podano przedziału, takiego jak „Mon-Fri 22:00-06:00”.</translation>
    </message>
</context>
<context>
    <name>QuietPeriodChoice</name>
    <message>
        <source>For 1 hour</source>
        <translation>Na 1 godzinę</translation>
    </message>
    <message>
        <source>For 8 hours</source>
        <translation>Na 8 godzin</translation>
    </message>
    <message>
        <source>Until 06:00 tomorrow</source>
        <translation>Do jutra, godz. 06:00</translation>
    </message>
    <message>
        <source>For 7 days</source>
        <translation>Na 7 dni</translation>
    </message>
    <message>
        <source>Until unmuted</source>
        <translation>Do odwołania</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Wyciszenie</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No alert mail names %1 while it lasts; it is polled and shown as usual.</source>
        <translation>Na czas wyciszenia alerty e-mail pomijają: %1. Odpytywanie i wyświetlanie stanu działa jak zwykle.</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Czas wyciszenia</translation>
    </message>
    <message>
        <source>Every week...</source>
        <translation>Co tydzień...</translation>
    </message>
    <message>
        <source>Weekly quiet hours</source>
        <translation>Cotygodniowe godziny ciszy</translation>
    </message>
    <message>
        <source>No alert mail names %1 in these windows, every week (empty: none):</source>
        <translation>W tych przedziałach, co tydzień, żaden e-mail z alertem nie wymieni %1 (puste: brak):</translation>
    </message>
</context>
<context>
    <name>QuietRequest</name>
    <message>
        <source>No group is named &quot;%1&quot;.</source>
        <translation>Nie ma grupy o nazwie „%1”.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Na liście urządzeń nie ma zegara o adresie %1.</translation>
    </message>
</context>
<context>
    <name>QuietRequestWatcher</name>
    <message>
        <source>Quiet requests in %1 are not obeyed: other users can write into the folder.</source>
        <translation>Żądania okresu ciszy w %1 nie są wykonywane: inni użytkownicy mogą zapisywać w folderze.</translation>
    </message>
    <message>
        <source>Quiet request %1 not obeyed: %2</source>
        <translation>Żądanie okresu ciszy %1 niewykonane: %2</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Answering</source>
        <translation>Odpowiada</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Zsynchronizowany</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incydenty</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Najdłuższy</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Niedostępny</translation>
    </message>
    <message>
        <source>MTTR</source>
        <translation>MTTR</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Cisza</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Zegary</translation>
    </message>
    <message>
        <source>(no group)</source>
        <translation>(bez grupy)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Obiekt</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nieprawidłowa wartość</translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message>
        <source>No usable local network interface to search on.</source>
        <translation>Brak lokalnego interfejsu sieciowego do wyszukiwania.</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Wyszukiwanie urządzeń</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>już na liście</translation>
    </message>
    <message>
        <source>added</source>
        <translation>dodano</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Nie znaleziono urządzeń.</translation>
    </message>
    <message>
        <source>Resolving address conflicts</source>
        <translation>Rozwiązywanie konfliktów adresów</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Nie znaleziono urządzeń.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Zmieniono adresy MAC i IP %1 z %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n zegara</numerusform>
            <numerusform>%n zegarów</numerusform>
            <numerusform>%n zegarów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n znalezionego urządzenia</numerusform>
            <numerusform>%n znalezionych urządzeń</numerusform>
            <numerusform>%n znalezionych urządzeń</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>Zegary, które nie przyjęły nowych adresów: %1 (znalezione: %2).</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>Zegary pozostawione bez zmian, bo po .254 nie ma wolnych adresów: %1 (znalezione: %2).</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Odczyt stanu</translation>
    </message>
    <message>
        <source>Every clock found (%1) refused the user name and password.</source>
        <translation>Każdy znaleziony zegar (%1) odrzucił nazwę użytkownika i hasło.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>Zegar odrzucił nowy adres.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Nie został dla niego żaden adres.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1
Open the device list read-only? Nothing will be saved.</source>
        <translation>%1
Otworzyć listę urządzeń tylko do odczytu? Nic nie zostanie zapisane.</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Otwórz tylko do odczytu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>StateLoad</name>
    <message>
        <source>Cannot read the device list %1; it was left as it is.</source>
        <translation>Nie można odczytać listy urządzeń %1; pozostawiono ją bez zmian.</translation>
    </message>
    <message>
        <source>Cannot read the device list %1; it was kept as %2.</source>
        <translation>Nie można odczytać listy urządzeń %1; zachowano ją jako %2.</translation>
    </message>
</context>
<context>
    <name>StatusBoard</name>
    <message>
        <source>Clock status</source>
        <translation>Stan zegarów</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtruj według nazwy lub adresu</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Tylko problemy</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Muted until</source>
        <translation>Wyciszony do</translation>
    </message>
    <message>
        <source>Status age</source>
        <translation>Wiek stanu</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Brak zdarzeń.</translation>
    </message>
    <message>
        <source>until lifted</source>
        <translation>do odwołania</translation>
    </message>
    <message>
        <source>%1 of %2 clocks shown</source>
        <translation>Pokazano zegary: %1 z %2</translation>
    </message>
    <message>
        <source>The monitor cannot be reached. The board shows what it last received.</source>
        <translation>Nie można połączyć się z monitorem. Tablica pokazuje ostatnio otrzymany stan.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Widoki</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Zegary</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Dostępność</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Okres</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupy</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Obliczanie wskaźników...</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Nie można odczytać historii.</translation>
    </message>
    <message>
        <source>The figures could not be loaded.</source>
        <translation>Nie udało się wczytać wskaźników.</translation>
    </message>
</context>
<context>
    <name>TabAlarms</name>
    <message>
        <source>Import/Export alarms configuration</source>
        <translation>Import/eksport konfiguracji alarmów</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Disable all alarms</source>
        <translation>Wyłącz wszystkie alarmy</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Wczytywanie, proszę czekać...</translation>
    </message>
</context>
<context>
    <name>TabDisplay</name>
    <message>
        <source>Format</source>
        <translation>Format wyświetlania</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Wyświetlaj godzinę</translation>
    </message>
    <message>
        <source>Time shown for</source>
        <translation>Czas wyświetlania godziny</translation>
    </message>
    <message>
        <source> s</source>
        <translation> sek.</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Wyświetlaj temperaturę</translation>
    </message>
    <message>
        <source>Temperature shown for</source>
        <translation>Czas wyświetlania temperatury</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Wyświetlaj datę</translation>
    </message>
    <message>
        <source>Date shown for</source>
        <translation>Czas wyświetlania daty</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format godziny</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format daty</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Zera wiodące w godzinie</translation>
    </message>
    <message>
        <source>Blinking time colon</source>
        <translation>Migający dwukropek</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Czcionki</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Krój pisma</translation>
    </message>
    <message>
        <source>Import/Export display configuration</source>
        <translation>Import/eksport konfiguracji wyświetlacza</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Thermometer configuration</source>
        <translation>Konfiguracja termometru</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Korekta temperatury</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Korekta</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Synchronizacja wyświetlaczy</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronizacja</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP zegara nadrzędnego</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Eko</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Tryb eko</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Włączenie</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Wyłączenie</translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation>dzień, miesiąc, rok</translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation>miesiąc, dzień, rok</translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation>rok, miesiąc, dzień</translation>
    </message>
    <message>
        <source>year, day, month</source>
        <translation>rok, dzień, miesiąc</translation>
    </message>
    <message>
        <source>day, month</source>
        <translation>dzień, miesiąc</translation>
    </message>
    <message>
        <source>month, day</source>
        <translation>miesiąc, dzień</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The order in which the clock shows the date: D day, N month, Y year</source>
        <translation>Kolejność, w jakiej zegar wyświetla datę: D – dzień, N – miesiąc, Y – rok</translation>
    </message>
</context>
<context>
    <name>TabSend</name>
    <message>
        <source>Send configuration</source>
        <translation>Wysyłanie konfiguracji</translation>
    </message>
    <message>
        <source>The configuration is sent to:</source>
        <translation>Konfiguracja zostanie wysłana do:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
</context>
<context>
    <name>TabTime</name>
    <message>
        <source>Regional settings</source>
        <translation>Ustawienia regionalne</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Strefa czasowa aktywna</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Start week</source>
        <translation>Tydzień początku</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Dzień początku</translation>
    </message>
    <message>
        <source>of</source>
        <translation>miesiąca</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Miesiąc początku</translation>
    </message>
    <message>
        <source>at</source>
        <translation>o godz.</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Godzina początku</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>End week</source>
        <translation>Tydzień końca</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Dzień końca</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Miesiąc końca</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Godzina końca</translation>
    </message>
    <message>
        <source>Remote time synchronization</source>
        <translation>Zdalna synchronizacja czasu</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Źródło czasu</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Serwer NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Serwer NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Serwer NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Serwer NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Serwer NTP 5</translation>
    </message>
    <message>
        <source>A server name cannot hold &quot;&amp;&quot;, &quot;=&quot; or a line break: the clock would misread it.</source>
        <translation>Nazwa serwera nie może zawierać „&amp;”, „=” ani znaku końca wiersza: zegar odczytałby ją błędnie.</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Interwał zapytań</translation>
    </message>
    <message>
        <source>Local time synchronization</source>
        <translation>Lokalna synchronizacja czasu</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Tryb nadrzędny</translation>
    </message>
</context>
<context>
    <name>TestMailFlow</name>
    <message>
        <source>%1 Notification Test</source>
        <translation>%1 – test powiadomień</translation>
    </message>
    <message>
        <source>This is %1 notification test e-mail.</source>
        <translation>To jest testowy e-mail powiadomień programu %1.</translation>
    </message>
    <message>
        <source>Test e-mail has been sent successfully.</source>
        <translation>Testowy e-mail wysłano pomyślnie.</translation>
    </message>
    <message>
        <source>Test e-mail sent failed</source>
        <translation>Nie udało się wysłać testowego e-maila</translation>
    </message>
    <message>
        <source>Test e-mail sent failed: no recipient is set.</source>
        <translation>Nie udało się wysłać testowego e-maila: nie ustawiono odbiorcy.</translation>
    </message>
</context>
<context>
    <name>WindowClosing</name>
    <message>
        <source>Notifications and reports are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent and data reporting will stop)</source>
        <translation>Powiadomienia i raporty są włączone. Czy na pewno chcesz zamknąć %1? (Alerty e-mail nie będą wysyłane, a zapisywanie danych zostanie zatrzymane)</translation>
    </message>
    <message>
        <source>Notification are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</source>
        <translation>Powiadomienia są włączone. Czy na pewno chcesz zamknąć %1? (Alerty e-mail nie będą wysyłane)</translation>
    </message>
    <message>
        <source>Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)</source>
        <translation>Raporty są włączone. Czy na pewno chcesz zamknąć %1? (Zapisywanie danych zostanie zatrzymane)</translation>
    </message>
    <message>
        <source>Minimalize to tray</source>
        <translation>Minimalizuj do zasobnika</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 Close anyway? (Changes since the last save will be lost)</source>
        <translation>%1 Zamknąć mimo to? (Zmiany od ostatniego zapisu zostaną utracone)</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupy</translation>
    </message>
    <message>
        <source>IP conflicts</source>
        <translation>Konflikty IP</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Powiadomienia</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Pokaż okno</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>Ukryj okno</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>No PDF viewer was found to open the manual. You can find it here:
%1</source>
        <translation>Nie znaleziono przeglądarki PDF, aby otworzyć instrukcję. Znajduje się tutaj:
%1</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (tylko do odczytu)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (nie zapisano)</translation>
    </message>
    <message>
        <source>%1 (history not written)</source>
        <translation>%1 (historia nie zapisana)</translation>
    </message>
    <message>
        <source>The history of clock events cannot be written: %1</source>
        <translation>Nie można zapisać historii zdarzeń zegarów: %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Application was minimized to tray</source>
        <translation>Program zminimalizowano do zasobnika</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
</context>
<context>
    <name>WorkerTcp</name>
    <message>
        <source>Failed to connect.</source>
        <translation>Nie udało się połączyć.</translation>
    </message>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Błąd wysyłania. Brak danych do wysłania.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Błąd wysyłania. Nie udało się wysłać żadnych danych.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Błąd wysyłania. Wysłano tylko %1 z %2 bajtów.</translation>
    </message>
</context>
<context>
    <name>WorkerThreadPool</name>
    <message>
        <source>unlimited</source>
        <translation>bez ograniczeń</translation>
    </message>
    <message>
        <source>Polls in flight: at least %1 for answering clocks and %2 for failing ones, following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5.</source>
        <translation>Trwające odpytywania: co najmniej %1 dla odpowiadających zegarów i %2 dla zawodzących, zależnie od floty, najwyżej %3 razem; %4 wymian użytkownika naraz; limit otwartych plików %5.</translation>
    </message>
</context>
<context>
    <name>WorkerUdp</name>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Błąd wysyłania. Brak danych do wysłania.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Błąd wysyłania. Nie udało się wysłać żadnych danych.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Błąd wysyłania. Wysłano tylko %1 z %2 bajtów.</translation>
    </message>
</context>
<context>
    <name>XmlFile</name>
    <message>
        <source>not an XML file: %1 (line %2, column %3)</source>
        <translation>to nie jest plik XML: %1 (wiersz %2, kolumna %3)</translation>
    </message>
    <message>
        <source>the XML file holds no element</source>
        <translation>plik XML nie zawiera żadnego elementu</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>plik jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>zagnieżdżenie głębsze niż %1 poziomów</translation>
    </message>
    <message>
        <source>an attribute longer than %1 characters</source>
        <translation>atrybut dłuższy niż %1 znaków</translation>
    </message>
</context>
</TS>
