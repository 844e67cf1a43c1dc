<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AddressPlan</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file (a spreadsheet must be saved as CSV)</source>
        <translation>dies ist keine Textdatei (eine Tabelle muss als CSV gespeichert werden)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>der Text ist nicht UTF-8-kodiert</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>die Spalte „%1“ ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the header names no &quot;ip&quot; column</source>
        <translation>die Kopfzeile nennt keine Spalte „ip“</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 Felder, laut Kopfzeile aber %2</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>„%1“ ist keine IPv4-Adresse</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the plan lists no address</source>
        <translation>der Adressplan enthält keine Adresse</translation>
    </message>
    <message>
        <source>the plan lists more than %1 addresses</source>
        <translation>der Adressplan enthält mehr als %1 Adressen</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 steht bereits in Zeile %2</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are ip, name, group, user, password and mac)</source>
        <translation>unbekannte Spalte „%1“ (die Spalten heißen ip, name, group, user, password und mac)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address like 02-A7-3C-DC-00-00</source>
        <translation>„%1“ ist keine MAC-Adresse wie 02-A7-3C-DC-00-00</translation>
    </message>
    <message>
        <source>the group holds a control character</source>
        <translation>die Gruppe enthält ein Steuerzeichen</translation>
    </message>
</context>
<context>
    <name>AddressPlanActions</name>
    <message>
        <source>Probing addresses</source>
        <translation>Adressen werden abgefragt</translation>
    </message>
    <message>
        <source>The device list is empty: there is nothing to export.</source>
        <translation>Die Geräteliste ist leer: Es gibt nichts zu exportieren.</translation>
    </message>
    <message>
        <source>Write the clocks&apos; passwords into the file too? Whoever can read the file can then log in to the clocks.</source>
        <translation>Auch die Passwörter der Uhren in die Datei schreiben? Wer die Datei lesen kann, kann sich dann an den Uhren anmelden.</translation>
    </message>
    <message>
        <source>Without passwords</source>
        <translation>Ohne Passwörter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>With passwords</source>
        <translation>Mit Passwörtern</translation>
    </message>
    <message>
        <source>Export device list</source>
        <translation>Geräteliste exportieren</translation>
    </message>
    <message>
        <source>Address plans (*.csv)</source>
        <translation>Adresspläne (*.csv)</translation>
    </message>
    <message>
        <source>The device list could not be written to %1.</source>
        <translation>Die Geräteliste konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Device list exported to %1</source>
        <translation>Geräteliste nach %1 exportiert</translation>
    </message>
    <message>
        <source>These listed clocks answered at a new address while nothing else answered at the old one:
%1
Move their rows there?</source>
        <translation>Diese Uhren der Liste antworteten unter einer neuen Adresse, während unter der alten nichts anderes antwortete:
%1
Ihre Zeilen dorthin verschieben?</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>„%1“ ist keine IPv4-Adresse</translation>
    </message>
    <message>
        <source>&quot;/%1&quot; is not a prefix length from 0 to 32</source>
        <translation>„/%1“ ist keine Präfixlänge von 0 bis 32</translation>
    </message>
    <message>
        <source>the range %1 ends before it starts</source>
        <translation>der Adressbereich %1 endet, bevor er beginnt</translation>
    </message>
    <message>
        <source>the range %1 holds %2 addresses; at most %3 are probed</source>
        <translation>der Adressbereich %1 umfasst %2 Adressen; höchstens %3 werden abgefragt</translation>
    </message>
    <message>
        <source>The range %1 to %2 holds %3 addresses, more than %4.</source>
        <translation>Der Adressbereich %1 bis %2 umfasst %3 Adressen, mehr als %4.</translation>
    </message>
    <message>
        <source>%1 is in 0.0.0.0/8, which means &quot;this network&quot;, not a host</source>
        <translation>%1 liegt in 0.0.0.0/8, das „dieses Netz“ bedeutet, kein Gerät</translation>
    </message>
    <message>
        <source>%1 is a multicast address (224.0.0.0/4), not a clock</source>
        <translation>%1 ist eine Multicast-Adresse (224.0.0.0/4), keine Uhr</translation>
    </message>
    <message>
        <source>%1 is in the reserved block 240.0.0.0/4, not a clock</source>
        <translation>%1 liegt im reservierten Bereich 240.0.0.0/4, keine Uhr</translation>
    </message>
    <message>
        <source>%1 is the limited broadcast address, not a clock</source>
        <translation>%1 ist die Broadcast-Adresse, keine Uhr</translation>
    </message>
</context>
<context>
    <name>AlarmTable</name>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Duration[s]</source>
        <translation>Dauer [s]</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Alarm %1: Uhrzeit</translation>
    </message>
    <message>
        <source>Alarm %1 duration</source>
        <translation>Alarm %1: Dauer</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Selected days</source>
        <translation>Ausgewählte Tage</translation>
    </message>
</context>
<context>
    <name>AuditChecks</name>
    <message>
        <source>Synchronization is &quot;None&quot;: the clock keeps time by itself</source>
        <translation>Synchronisierung ist „Keine“: Die Uhr läuft ohne Zeitabgleich</translation>
    </message>
    <message>
        <source>NTP without any server</source>
        <translation>NTP ohne Server</translation>
    </message>
    <message>
        <source>No fresh status: %1</source>
        <translation>Kein aktueller Status: %1</translation>
    </message>
    <message>
        <source>NTP not synchronized: %1</source>
        <translation>NTP nicht synchronisiert: %1</translation>
    </message>
    <message>
        <source>Time zone or summer-time rule outside the lists of choices</source>
        <translation>Zeitzone oder Sommerzeitregel außerhalb der Auswahllisten</translation>
    </message>
    <message>
        <source>The clock runs %1 ahead of %2 now</source>
        <translation>Die Uhr geht derzeit gegenüber %2 %1 vor</translation>
    </message>
    <message>
        <source>The clock runs %1 behind %2 now</source>
        <translation>Die Uhr geht derzeit gegenüber %2 %1 nach</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 ahead</source>
        <translation>Ab %1 (%2) geht die Uhr %3 vor</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 behind</source>
        <translation>Ab %1 (%2) geht die Uhr %3 nach</translation>
    </message>
    <message>
        <source>%1 is %2 in the clock, %3 in group %4</source>
        <translation>%1 ist in der Uhr %2, in der Gruppe %4 %3</translation>
    </message>
    <message>
        <source>Configuration not downloaded: %1</source>
        <translation>Konfiguration nicht heruntergeladen: %1</translation>
    </message>
    <message>
        <source>Firmware %1 is below the minimum %2 for %3</source>
        <translation>Firmware %1 liegt unter der Mindestversion %2 für %3</translation>
    </message>
</context>
<context>
    <name>AuditCommand</name>
    <message>
        <source>There is no group named %1.</source>
        <translation>Es gibt keine Gruppe namens %1.</translation>
    </message>
    <message>
        <source>Auditing clocks</source>
        <translation>Uhren werden geprüft</translation>
    </message>
    <message>
        <source>Cannot keep the findings in %1.</source>
        <translation>Die Befunde können nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The setting Audit/minFirmware holds &quot;%1&quot;, not MODEL=VERSION such as QM03=1.10; it is left out.</source>
        <translation>Die Einstellung Audit/minFirmware enthält „%1“ statt MODEL=VERSION wie QM03=1.10; sie bleibt unberücksichtigt.</translation>
    </message>
</context>
<context>
    <name>AuditFinding</name>
    <message>
        <source>Critical</source>
        <translation>Kritisch</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Not reachable</source>
        <translation>Nicht erreichbar</translation>
    </message>
    <message>
        <source>Drift from the group</source>
        <translation>Abweichung von der Gruppe</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Sommerzeit</translation>
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
        <translation>Uhr</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schweregrad</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Befund</translation>
    </message>
</context>
<context>
    <name>AuditReport</name>
    <message>
        <source>%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without findings.</source>
        <translation>%1 Uhren geprüft: %2 mit kritischen Befunden, %3 mit Warnungen, %4 ohne Befund.</translation>
    </message>
</context>
<context>
    <name>AvailabilityMailer</name>
    <message>
        <source>availability report %1</source>
        <translation>Verfügbarkeitsbericht %1</translation>
    </message>
    <message>
        <source>Availability of the clocks from %1 to %2.</source>
        <translation>Verfügbarkeit der Uhren von %1 bis %2.</translation>
    </message>
    <message>
        <source>Clocks: %1</source>
        <translation>Uhren: %1</translation>
    </message>
    <message>
        <source>Answering: %1</source>
        <translation>Antwortet: %1</translation>
    </message>
    <message>
        <source>Synchronised: %1</source>
        <translation>Synchronisiert: %1</translation>
    </message>
    <message>
        <source>Incidents: %1</source>
        <translation>Störungen: %1</translation>
    </message>
    <message>
        <source>The workbook attached holds the figures of every group and clock and the outages.</source>
        <translation>Die angehängte Arbeitsmappe enthält die Werte jeder Gruppe und jeder Uhr sowie die Ausfälle.</translation>
    </message>
</context>
<context>
    <name>AvailabilityWorkbook</name>
    <message>
        <source>Answering</source>
        <translation>Antwortet</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Longest incident</source>
        <translation>Längste Störung</translation>
    </message>
    <message>
        <source>Incident time</source>
        <translation>Störungsdauer</translation>
    </message>
    <message>
        <source>Mean time to recovery</source>
        <translation>Mittlere Zeit bis zur Wiederherstellung</translation>
    </message>
    <message>
        <source>Quiet time</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>Unknown time</source>
        <translation>Unbekannte Zeit</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>No group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>Availability of the clocks</source>
        <translation>Verfügbarkeit der Uhren</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Outages</source>
        <translation>Ausfälle</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Ongoing</source>
        <translation>Andauernd</translation>
    </message>
    <message numerus="yes">
        <source>%n further outages are not listed.</source>
        <translation>
            <numerusform>%n weiterer Ausfall ist nicht aufgeführt.</numerusform>
            <numerusform>%n weitere Ausfälle sind nicht aufgeführt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
</context>
<context>
    <name>ChangeClocksFlow</name>
    <message>
        <source>Reading configurations: %1 of %2 clocks</source>
        <translation>Konfigurationen werden gelesen: %1 von %2 Uhren</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Welle %1: %2 Uhren</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Änderungslauf %1: %2 von %3 Uhren zu ändern.</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Anhalten nach der laufenden Welle…</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Änderungslauf %1: %2 von %3 Uhren bestätigt.</translation>
    </message>
    <message>
        <source>Stopped between waves; zentick-cli change --resume %1 goes on with it.</source>
        <translation>Zwischen zwei Wellen angehalten; zentick-cli change --resume %1 setzt ihn fort.</translation>
    </message>
    <message>
        <source>The run could not be kept: %1</source>
        <translation>Der Lauf konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>ChangeCommand</name>
    <message>
        <source>change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align</source>
        <translation>change: Geben Sie eine der Optionen --set FIELD=VALUE, --from FILE --only FIELD,... oder --align an</translation>
    </message>
    <message>
        <source>change: --from and --only go together</source>
        <translation>change: --from und --only sind nur zusammen möglich</translation>
    </message>
    <message>
        <source>change: --set %1: expected FIELD=VALUE with a field of the configuration file (Server1, Brightness, Alarm2.Time, ...)</source>
        <translation>change: --set %1: FIELD=VALUE mit einem Feld der Konfigurationsdatei erwartet (Server1, Brightness, Alarm2.Time, ...)</translation>
    </message>
    <message>
        <source>change: --only: there is no field %1</source>
        <translation>change: --only: es gibt kein Feld %1</translation>
    </message>
    <message>
        <source>change: --only names no field</source>
        <translation>change: --only nennt kein Feld</translation>
    </message>
    <message>
        <source>change: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>change: --max-failed: Anzahl von Uhren oder Prozentsatz erwartet (5%)</translation>
    </message>
    <message>
        <source>change: --resume goes on with the run&apos;s own clocks and change; --%1 cannot be given with it</source>
        <translation>change: --resume setzt den Lauf mit dessen eigenen Uhren und Änderung fort; --%1 kann nicht zusammen damit angegeben werden</translation>
    </message>
    <message>
        <source>change: --resume takes no clocks</source>
        <translation>change: --resume akzeptiert keine Uhren</translation>
    </message>
    <message>
        <source>Send the change to %1 clocks? [y/N] </source>
        <translation>Die Änderung an %1 Uhren senden? [y/N] </translation>
    </message>
    <message>
        <source>Reading configurations</source>
        <translation>Konfigurationen werden gelesen</translation>
    </message>
    <message>
        <source>Nothing was sent; change --resume %1 goes on with this run.</source>
        <translation>Nichts wurde gesendet; change --resume %1 setzt diesen Lauf fort.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Welle %1: %2 Uhren</translation>
    </message>
    <message>
        <source>Sending the change</source>
        <translation>Änderung wird gesendet</translation>
    </message>
    <message>
        <source>Cannot keep the run in %1: %2</source>
        <translation>Der Lauf kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>change --resume %1 goes on with the clocks not yet done.</source>
        <translation>change --resume %1 macht mit den noch offenen Uhren weiter.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nichts wurde gesendet.</translation>
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
        <translation>Zeitzone aktiv</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>NTP-Server 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>NTP-Server 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>NTP-Server 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>NTP-Server 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>NTP-Server 5</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Master-Modus</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Summer time start time</source>
        <translation>Uhrzeit des Sommerzeitbeginns</translation>
    </message>
    <message>
        <source>Summer time end time</source>
        <translation>Uhrzeit des Sommerzeitendes</translation>
    </message>
    <message>
        <source>Summer time start week</source>
        <translation>Woche des Sommerzeitbeginns</translation>
    </message>
    <message>
        <source>Summer time end week</source>
        <translation>Woche des Sommerzeitendes</translation>
    </message>
    <message>
        <source>Summer time start day</source>
        <translation>Tag des Sommerzeitbeginns</translation>
    </message>
    <message>
        <source>Summer time end day</source>
        <translation>Tag des Sommerzeitendes</translation>
    </message>
    <message>
        <source>Summer time start month</source>
        <translation>Monat des Sommerzeitbeginns</translation>
    </message>
    <message>
        <source>Summer time end month</source>
        <translation>Monat des Sommerzeitendes</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Uhrzeit anzeigen</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Temperatur anzeigen</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Datum anzeigen</translation>
    </message>
    <message>
        <source>Time shown for [s]</source>
        <translation>Uhrzeit angezeigt für [s]</translation>
    </message>
    <message>
        <source>Temperature shown for [s]</source>
        <translation>Temperatur angezeigt für [s]</translation>
    </message>
    <message>
        <source>Date shown for [s]</source>
        <translation>Datum angezeigt für [s]</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Führende Nullen der Uhrzeit</translation>
    </message>
    <message>
        <source>Blinking colon</source>
        <translation>Blinkender Doppelpunkt</translation>
    </message>
    <message>
        <source>Brightness level</source>
        <translation>Helligkeitsstufe</translation>
    </message>
    <message>
        <source>Brightness profile</source>
        <translation>Helligkeitsprofil</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Temperaturkorrektur</translation>
    </message>
    <message>
        <source>Temperature offset value</source>
        <translation>Wert der Temperaturkorrektur</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Anzeigesynchronisierung</translation>
    </message>
    <message>
        <source>Display synchronization mode</source>
        <translation>Modus der Anzeigesynchronisierung</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>Master-IP</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message>
        <source>Eco switch on</source>
        <translation>Energiesparen: Einschalten</translation>
    </message>
    <message>
        <source>Eco switch off</source>
        <translation>Energiesparen: Ausschalten</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Alarm %1: active</source>
        <translation>Alarm %1: aktiv</translation>
    </message>
    <message>
        <source>Alarm %1: time</source>
        <translation>Alarm %1: Uhrzeit</translation>
    </message>
    <message>
        <source>Alarm %1: duration [s]</source>
        <translation>Alarm %1: Dauer [s]</translation>
    </message>
    <message>
        <source>Alarm %1: selected days</source>
        <translation>Alarm %1: ausgewählte Tage</translation>
    </message>
    <message>
        <source>Alarm %1: Monday</source>
        <translation>Alarm %1: Montag</translation>
    </message>
    <message>
        <source>Alarm %1: Tuesday</source>
        <translation>Alarm %1: Dienstag</translation>
    </message>
    <message>
        <source>Alarm %1: Wednesday</source>
        <translation>Alarm %1: Mittwoch</translation>
    </message>
    <message>
        <source>Alarm %1: Thursday</source>
        <translation>Alarm %1: Donnerstag</translation>
    </message>
    <message>
        <source>Alarm %1: Friday</source>
        <translation>Alarm %1: Freitag</translation>
    </message>
    <message>
        <source>Alarm %1: Saturday</source>
        <translation>Alarm %1: Samstag</translation>
    </message>
    <message>
        <source>Alarm %1: Sunday</source>
        <translation>Alarm %1: Sonntag</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>ChangeRecipe</name>
    <message>
        <source>its group has no configuration</source>
        <translation>ihre Gruppe hat keine Konfiguration</translation>
    </message>
    <message>
        <source>no daylight-saving setting of the clock follows the zone %1</source>
        <translation>keine Sommerzeiteinstellung der Uhr folgt der Zeitzone %1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>bereits richtig</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>Konfiguration nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>der Lauf endete vor der Welle dieser Uhr</translation>
    </message>
    <message>
        <source>already right: skipped</source>
        <translation>bereits richtig: übersprungen</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: übersprungen</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Änderungslauf %1: %2 von %3 Uhren zu ändern.</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nachher</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verifiziert</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Änderungslauf %1: %2 von %3 Uhren verifiziert.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Zwischen zwei Wellen beendet: Mehr Uhren sind fehlgeschlagen, als --max-failed erlaubt, oder der Lauf wurde unterbrochen.</translation>
    </message>
</context>
<context>
    <name>ChangeRun</name>
    <message>
        <source>cannot write the run&apos;s file</source>
        <translation>die Datei des Laufs kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>not verified: %1</source>
        <translation>nicht verifiziert: %1</translation>
    </message>
    <message>
        <source>not verified: the clock does not show the change (%1)</source>
        <translation>nicht verifiziert: die Uhr zeigt die Änderung nicht (%1)</translation>
    </message>
</context>
<context>
    <name>ChangeRunFile</name>
    <message>
        <source>no valid run id</source>
        <translation>keine gültige Lauf-ID</translation>
    </message>
    <message>
        <source>%1 is no run id (such as 20261209-041502-7f3a)</source>
        <translation>%1 ist keine Lauf-ID (wie 20261209-041502-7f3a)</translation>
    </message>
    <message>
        <source>there is no change run %1</source>
        <translation>es gibt keinen Änderungslauf %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 ist zu groß</translation>
    </message>
    <message>
        <source>%1 is not a change run: %2</source>
        <translation>%1 ist kein Änderungslauf: %2</translation>
    </message>
</context>
<context>
    <name>ChangeRunModel</name>
    <message>
        <source>already right: skipped</source>
        <translation>stimmt schon: übersprungen</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: übersprungen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Alt → neu</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>stimmt schon</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>being sent</source>
        <translation>wird gesendet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>Konfiguration nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>der Lauf hielt vor seiner Welle an</translation>
    </message>
</context>
<context>
    <name>ChangeRunState</name>
    <message>
        <source>not a change run of this version</source>
        <translation>kein Änderungslauf dieser Version</translation>
    </message>
    <message>
        <source>no valid run id</source>
        <translation>keine gültige Lauf-ID</translation>
    </message>
    <message>
        <source>the change it makes is not readable</source>
        <translation>die Änderung, die er vornimmt, ist nicht lesbar</translation>
    </message>
    <message>
        <source>more than %1 clocks</source>
        <translation>mehr als %1 Uhren</translation>
    </message>
    <message>
        <source>clock %1 is not readable</source>
        <translation>Uhr %1 ist nicht lesbar</translation>
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
        <translation>Australien</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
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
        <translation>Letzter</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
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
        <translation>64 s</translation>
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
        <translation>Innen, Standard</translation>
    </message>
    <message>
        <source>Indoor dynamic</source>
        <translation>Innen, dynamisch</translation>
    </message>
    <message>
        <source>Outdoor standard</source>
        <translation>Außen, Standard</translation>
    </message>
    <message>
        <source>Outdoor dynamic</source>
        <translation>Außen, dynamisch</translation>
    </message>
    <message>
        <source>Celcius [°C]</source>
        <translation>Celsius [°C]</translation>
    </message>
    <message>
        <source>Fahrenheit [°F]</source>
        <translation>Fahrenheit [°F]</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Master-Modus</translation>
    </message>
    <message>
        <source>Slave basic mode</source>
        <translation>Slave-Modus (Basis)</translation>
    </message>
    <message>
        <source>Slave full mode</source>
        <translation>Slave-Modus (voll)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Eckig</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Refreshing status</source>
        <translation>Status wird aktualisiert</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Konfiguration wird heruntergeladen</translation>
    </message>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Konfiguration der Uhr %1 heruntergeladen</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Konfiguration wird gesendet</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>The configuration did not reach %1 of %2 clocks.</source>
        <translation>Die Konfiguration hat %1 von %2 Uhren nicht erreicht.</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>Die Konfiguration wurde erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Name wird gesendet</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Name erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Netzwerkeinstellungen werden gesendet</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Netzwerkeinstellungen erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Passwort wird gesendet</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Passwort erfolgreich geändert.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Keine Uhr mit der Adresse %1 steht in der Geräteliste.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Status wird gelesen</translation>
    </message>
    <message>
        <source>Authentication data set for %1 (%2).</source>
        <translation>Authentifizierungsdaten für %1 (%2) gesetzt.</translation>
    </message>
    <message>
        <source>The clock answered with them: %1</source>
        <translation>Die Uhr hat damit geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>ClockEventText</name>
    <message>
        <source>Stopped answering</source>
        <translation>Antwortet nicht mehr</translation>
    </message>
    <message>
        <source>Answers again</source>
        <translation>Antwortet wieder</translation>
    </message>
    <message>
        <source>NTP: %1</source>
        <translation>NTP: %1</translation>
    </message>
    <message>
        <source>Alert due: %1</source>
        <translation>Störungsmeldung fällig: %1</translation>
    </message>
    <message>
        <source>Alert mail delivered, naming %1 clocks</source>
        <translation>Störungsmeldung zu %1 Uhren zugestellt</translation>
    </message>
    <message>
        <source>Alert mail delivered</source>
        <translation>Störungsmeldung zugestellt</translation>
    </message>
    <message>
        <source>Mail not delivered: %1</source>
        <translation>E-Mail nicht zugestellt: %1</translation>
    </message>
    <message>
        <source>Back to normal</source>
        <translation>Wieder in Ordnung</translation>
    </message>
    <message>
        <source>Recovery mail delivered</source>
        <translation>Entwarnung zugestellt</translation>
    </message>
    <message>
        <source>Quiet until %1</source>
        <translation>Ruhezeit bis %1</translation>
    </message>
    <message>
        <source>Quiet until lifted</source>
        <translation>Ruhezeit bis zur Aufhebung</translation>
    </message>
    <message>
        <source>Quiet period ended</source>
        <translation>Ruhezeit abgelaufen</translation>
    </message>
    <message>
        <source>Quiet period lifted</source>
        <translation>Ruhezeit aufgehoben</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Überwachung gestartet</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Überwachung beendet</translation>
    </message>
    <message>
        <source>Watched by the monitor</source>
        <translation>Vom Monitor beobachtet</translation>
    </message>
    <message>
        <source>Configuration sent</source>
        <translation>Konfiguration gesendet</translation>
    </message>
    <message>
        <source>Name set</source>
        <translation>Name gesetzt</translation>
    </message>
    <message>
        <source>Network settings set</source>
        <translation>Netzwerkeinstellungen gesetzt</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Passwort geändert</translation>
    </message>
    <message>
        <source>Address conflict resolved</source>
        <translation>Adresskonflikt gelöst</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Changed by an operator</source>
        <translation>Von einem Bediener geändert</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 by %2 failed: %3</source>
        <translation>%1 von %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>(run %1)</source>
        <translation>(Lauf %1)</translation>
    </message>
</context>
<context>
    <name>ClockIntake</name>
    <message>
        <source>%1: %2 (%3) moved to %4 (%5)</source>
        <translation>%1: %2 (%3) verschoben nach %4 (%5)</translation>
    </message>
    <message>
        <source>%1: moved to %2, but refused its new MAC; it keeps %3</source>
        <translation>%1: nach %2 verschoben, lehnte aber die neue MAC ab; sie behält %3</translation>
    </message>
    <message>
        <source>%1: refused its new address; it stays at %2</source>
        <translation>%1: lehnte die neue Adresse ab; sie bleibt bei %2</translation>
    </message>
</context>
<context>
    <name>ClockListModel</name>
    <message>
        <source>Muted until %1</source>
        <translation>Stumm bis %1</translation>
    </message>
    <message>
        <source>Muted until unmuted</source>
        <translation>Stumm bis zur Aufhebung</translation>
    </message>
    <message>
        <source>No audit findings</source>
        <translation>Keine Prüfbefunde</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Group of %1</source>
        <translation>Gruppe von %1</translation>
    </message>
    <message>
        <source>Left and Right choose a button, Space presses it; the context menu lists the same actions</source>
        <translation>Pfeil links/rechts wählt eine Schaltfläche, die Leertaste betätigt sie; das Kontextmenü bietet dieselben Aktionen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Audit</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Verwalten</translation>
    </message>
    <message>
        <source>Quiet hours until %1</source>
        <translation>Ruhestunden bis %1</translation>
    </message>
    <message>
        <source>Quiet hours all week</source>
        <translation>Ruhestunden die ganze Woche</translation>
    </message>
    <message>
        <source>Quiet hours: %1</source>
        <translation>Ruhestunden: %1</translation>
    </message>
    <message>
        <source>Quiet hours not understood, not obeyed: %1</source>
        <translation>Ruhestunden nicht verstanden, nicht befolgt: %1</translation>
    </message>
</context>
<context>
    <name>ClockMerge</name>
    <message>
        <source>moved from %1 to %2</source>
        <translation>von %1 nach %2 umgezogen</translation>
    </message>
    <message>
        <source>two clocks report MAC %1 (%2 and %3); nothing changed</source>
        <translation>zwei Uhren melden die MAC %1 (%2 und %3); nichts geändert</translation>
    </message>
    <message>
        <source>not moved from %1 to %2: %1 did not answer with another clock; the move waits for confirmation</source>
        <translation>nicht von %1 nach %2 verschoben: unter %1 antwortete keine andere Uhr; die Verschiebung wartet auf Bestätigung</translation>
    </message>
</context>
<context>
    <name>ClockPrinter</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>ClockRegistry</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>ClockSelection</name>
    <message>
        <source>%1: %2: rows naming no listed clock, left out (import lists them): %3</source>
        <translation>%1: %2: Zeilen ohne Uhr auf der Liste, ausgelassen (import nimmt sie auf): %3</translation>
    </message>
    <message>
        <source>%1: --mac names one clock; it cannot be given with --all, --group or --plan</source>
        <translation>%1: --mac nennt eine Uhr; es kann nicht mit --all, --group oder --plan angegeben werden</translation>
    </message>
    <message>
        <source>There is no group named %1.</source>
        <translation>Es gibt keine Gruppe namens %1.</translation>
    </message>
    <message>
        <source>%1: give the clocks: addresses, --group NAME, --plan FILE or --all</source>
        <translation>%1: Uhren angeben: Adressen, --group NAME, --plan DATEI oder --all</translation>
    </message>
</context>
<context>
    <name>CommissionCommands</name>
    <message>
        <source>Probing addresses</source>
        <translation>Adressen werden abgefragt</translation>
    </message>
    <message>
        <source>Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.</source>
        <translation>Nach %2 von %3 Adressen durch Signal %1 beendet; die gefundenen Uhren stehen in der Geräteliste.</translation>
    </message>
    <message>
        <source>Give --force to probe them all.</source>
        <translation>Mit --force werden alle abgefragt.</translation>
    </message>
</context>
<context>
    <name>CommissionedAddress</name>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>bereits in der Liste</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>umgezogen</translation>
    </message>
    <message>
        <source>not a clock</source>
        <translation>keine Uhr</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>nicht umbenannt</translation>
    </message>
    <message>
        <source>MAC conflict</source>
        <translation>MAC-Konflikt</translation>
    </message>
    <message>
        <source>added, not answering</source>
        <translation>hinzugefügt, antwortet nicht</translation>
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
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es)</source>
        <translation>
            <numerusform>%n Adresse</numerusform>
            <numerusform>%n Adressen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommissioningSender</name>
    <message>
        <source>the network settings do not read as a clock&apos;s</source>
        <translation>die Netzwerkeinstellungen sind nicht die einer Uhr</translation>
    </message>
    <message>
        <source>the status does not read as a clock&apos;s</source>
        <translation>der Status ist nicht der einer Uhr</translation>
    </message>
    <message>
        <source>it does not answer as a clock does, so it was not sent the password</source>
        <translation>antwortet nicht wie eine Uhr und erhielt daher kein Passwort</translation>
    </message>
    <message>
        <source>the answer names no firmware</source>
        <translation>die Antwort nennt keine Firmware</translation>
    </message>
    <message>
        <source>model not recognised</source>
        <translation>Modell nicht erkannt</translation>
    </message>
    <message>
        <source>another clock (%1) answers at this address</source>
        <translation>an dieser Adresse antwortet eine andere Uhr (%1)</translation>
    </message>
</context>
<context>
    <name>ConfigFieldAccess</name>
    <message>
        <source>expected on or off</source>
        <translation>on oder off erwartet</translation>
    </message>
    <message>
        <source>expected a time HH:MM</source>
        <translation>Uhrzeit HH:MM erwartet</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>ganze Zahl von %1 bis %2 erwartet</translation>
    </message>
    <message>
        <source>holds &quot;&amp;&quot;, &quot;=&quot; or a control character, or is too long</source>
        <translation>der Wert enthält „&amp;“, „=“ oder ein Steuerzeichen oder ist zu lang</translation>
    </message>
    <message>
        <source>expected a number from %1 to %2</source>
        <translation>Zahl von %1 bis %2 erwartet</translation>
    </message>
    <message>
        <source>there is no field %1</source>
        <translation>es gibt kein Feld %1</translation>
    </message>
</context>
<context>
    <name>ConfigParts</name>
    <message>
        <source>time part</source>
        <translation>Zeitteil</translation>
    </message>
    <message>
        <source>display part</source>
        <translation>Anzeigeteil</translation>
    </message>
    <message>
        <source>alarm part</source>
        <translation>Alarmteil</translation>
    </message>
    <message>
        <source>Configuration not read completely: %1</source>
        <translation>Konfiguration nicht vollständig gelesen: %1</translation>
    </message>
    <message>
        <source>Configuration not complete (%1); nothing was sent.</source>
        <translation>Konfiguration unvollständig (%1); nichts wurde gesendet.</translation>
    </message>
</context>
<context>
    <name>ConfigurationDownload</name>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Konfiguration der Uhr %1 heruntergeladen</translation>
    </message>
</context>
<context>
    <name>ConfigurationFileActions</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.qlxztc)</source>
        <translation>Zentick-Konfigurationsdateien (*.qlxztc)</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.xml)</source>
        <translation>Zentick-Konfigurationsdateien (*.xml)</translation>
    </message>
    <message>
        <source>Clock configuration files (*.xml)</source>
        <translation>Konfigurationsdateien der Uhr (*.xml)</translation>
    </message>
    <message>
        <source>Configuration loaded successfully</source>
        <translation>Konfiguration erfolgreich geladen</translation>
    </message>
    <message>
        <source>Configuration loaded failed</source>
        <translation>Laden der Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Configuration saved successfully</source>
        <translation>Konfiguration erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Configuration save failed</source>
        <translation>Speichern der Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Configuration exported successfully</source>
        <translation>Konfiguration erfolgreich exportiert</translation>
    </message>
    <message>
        <source>Configuration export failed</source>
        <translation>Export der Konfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Configuration import successfully</source>
        <translation>Konfiguration erfolgreich importiert</translation>
    </message>
    <message>
        <source>Configuration import failed</source>
        <translation>Import der Konfiguration fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>DailyAudit</name>
    <message>
        <source>Canceled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Unchanged since the last mail; not mailed.</source>
        <translation>Seit der letzten E-Mail unverändert; nicht gesendet.</translation>
    </message>
    <message>
        <source>%1 audit: %2</source>
        <translation>Uhrenprüfung mit %1: %2</translation>
    </message>
    <message>
        <source>Not mailed: no recipient or no connection to the mail server.</source>
        <translation>Nicht gesendet: kein Empfänger oder keine Verbindung zum Mailserver.</translation>
    </message>
    <message>
        <source>Not mailed: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Cannot write %1; the same findings will be mailed again.</source>
        <translation>%1 kann nicht geschrieben werden; dieselben Befunde werden erneut gesendet.</translation>
    </message>
    <message>
        <source>Mailed.</source>
        <translation>Gesendet.</translation>
    </message>
    <message>
        <source>%1  Audit: %2 %3</source>
        <translation>%1  Prüfung: %2 %3</translation>
    </message>
</context>
<context>
    <name>DevClock</name>
    <message>
        <source>Synchronized</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Last synchronization time</source>
        <translation>Letzte Synchronisierung</translation>
    </message>
    <message>
        <source>Ntp server timeout</source>
        <translation>Zeitüberschreitung des NTP-Servers</translation>
    </message>
    <message>
        <source>Last synchronization</source>
        <translation>Letzte Synchronisierung</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Ntp synchronization disabled</source>
        <translation>NTP-Synchronisierung deaktiviert</translation>
    </message>
    <message>
        <source>No status available</source>
        <translation>Kein Status verfügbar</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Keine Authentifizierung</translation>
    </message>
    <message>
        <source>Last status update</source>
        <translation>Letzte Statusaktualisierung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Authorization error</source>
        <translation>Autorisierungsfehler</translation>
    </message>
    <message>
        <source>Device is not responding</source>
        <translation>Gerät antwortet nicht</translation>
    </message>
    <message>
        <source> - IP duplicate found</source>
        <translation> - doppelte IP-Adresse gefunden</translation>
    </message>
    <message>
        <source>Synchronized (no server named)</source>
        <translation>Synchronisiert (ohne Server)</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>Replies to the search lost because the system&apos;s receive buffer was full: %1. Search again to find the missing clocks.</source>
        <translation>Antworten auf die Suche verloren, weil der Empfangspuffer des Systems voll war: %1. Suchen Sie erneut, um die fehlenden Uhren zu finden.</translation>
    </message>
</context>
<context>
    <name>DeviceListLock</name>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>The device list is in use by %1 (process %2 on %3).</source>
        <translation>Die Geräteliste wird von %1 verwendet (Prozess %2 auf %3).</translation>
    </message>
    <message>
        <source>The device list is in use by another program.</source>
        <translation>Die Geräteliste wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>die Sperrdatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1 of the device list: %2.</source>
        <translation>Die Sperrdatei %1 der Geräteliste kann nicht angelegt werden: %2.</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds, sets up and watches LED wall clocks.</source>
        <translation>Findet, konfiguriert und überwacht LED-Wanduhren.</translation>
    </message>
    <message>
        <source>Copyright QLX Devices. All rights reserved.</source>
        <translation>Copyright QLX Devices. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>DialogAuditFindings</name>
    <message>
        <source>Check clocks</source>
        <translation>Uhren prüfen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Daylight saving compared with %1.</source>
        <translation>Sommerzeit im Vergleich zu %1.</translation>
    </message>
    <message>
        <source>Site zone…</source>
        <translation>Standortzone…</translation>
    </message>
    <message>
        <source>Change the time zone the audit compares the clocks with</source>
        <translation>Die Zeitzone ändern, mit der die Prüfung die Uhren vergleicht</translation>
    </message>
    <message>
        <source>Align with group…</source>
        <translation>An Gruppe angleichen…</translation>
    </message>
    <message>
        <source>Change the clocks that depart from their group&apos;s configuration or leave the site&apos;s zone, after a preview</source>
        <translation>Uhren, die von der Konfiguration ihrer Gruppe oder der Zone des Standorts abweichen, nach einer Vorschau ändern</translation>
    </message>
</context>
<context>
    <name>DialogAuthentication</name>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>DialogAvailability</name>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Gruppen</translation>
    </message>
    <message>
        <source>C&amp;locks</source>
        <translation>&amp;Uhren</translation>
    </message>
    <message>
        <source>Ctrl+Enter sorts the table by the current column.</source>
        <translation>Strg+Eingabe sortiert die Tabelle nach der aktuellen Spalte.</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Die Werte werden berechnet...</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>Figures of %n clocks.</source>
        <translation>
            <numerusform>Werte von %n Uhr.</numerusform>
            <numerusform>Werte von %n Uhren.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogChangeClocks</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Send configuration to group</source>
        <translation>Konfiguration an Gruppe senden</translation>
    </message>
    <message>
        <source>Change clocks</source>
        <translation>Uhren ändern</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Erledigte Uhren</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Align %n clocks with their groups: the fields where a clock departs from its group&apos;s configuration, and its daylight saving where it leaves the site&apos;s zone.</source>
        <translation>
            <numerusform>%n Uhr an ihre Gruppe angleichen: die Felder, in denen eine Uhr von der Konfiguration ihrer Gruppe abweicht, und ihre Sommerzeit, wo sie von der Zone des Standorts abweicht.</numerusform>
            <numerusform>%n Uhren an ihre Gruppen angleichen: die Felder, in denen eine Uhr von der Konfiguration ihrer Gruppe abweicht, und ihre Sommerzeit, wo sie von der Zone des Standorts abweicht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n clocks is read first; the table shows what the send changes on each. Nothing is sent until you press Send.</source>
        <translation>
            <numerusform>%n Uhr wird zuerst gelesen; die Tabelle zeigt, was das Senden an ihr ändert. Nichts wird gesendet, bevor Sie Senden drücken.</numerusform>
            <numerusform>Jede der %n Uhren wird zuerst gelesen; die Tabelle zeigt, was das Senden an jeder ändert. Nichts wird gesendet, bevor Sie Senden drücken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Change %n clocks: choose the fields and their values, then Preview shows what each clock gets before anything is sent.</source>
        <translation>
            <numerusform>%n Uhr ändern: wählen Sie die Felder und ihre Werte, dann zeigt Vorschau, was sie erhält, bevor etwas gesendet wird.</numerusform>
            <numerusform>%n Uhren ändern: wählen Sie die Felder und ihre Werte, dann zeigt Vorschau, was jede Uhr erhält, bevor etwas gesendet wird.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set fields</source>
        <translation>Felder setzen</translation>
    </message>
    <message>
        <source>Fields from a configuration file</source>
        <translation>Felder aus einer Konfigurationsdatei</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Fields to change</source>
        <translation>Zu ändernde Felder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>Fields to take</source>
        <translation>Zu übernehmende Felder</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Wert von %1</translation>
    </message>
    <message>
        <source>Export change result</source>
        <translation>Änderungsergebnis exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Das Ergebnis wurde in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DialogChangePasswords</name>
    <message>
        <source>Change passwords</source>
        <translation>Passwörter ändern</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks: each is sent its new password, then asked for its status with it. The device list keeps the password each clock answers to.</source>
        <translation>
            <numerusform>Das Passwort von %n Uhr ändern: Sie erhält ihr neues Passwort und wird dann mit ihm nach ihrem Status gefragt. Die Geräteliste behält das Passwort, auf das die Uhr antwortet.</numerusform>
            <numerusform>Das Passwort von %n Uhren ändern: Jede erhält ihr neues Passwort und wird dann mit ihm nach ihrem Status gefragt. Die Geräteliste behält das Passwort, auf das jede Uhr antwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Erledigte Uhren</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New passwords</source>
        <translation>Neue Passwörter</translation>
    </message>
    <message>
        <source>One new password for every clock</source>
        <translation>Ein neues Passwort für alle Uhren</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Neues Passwort wiederholen</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>A new password for each clock, made here and saved to a file</source>
        <translation>Ein neues Passwort je Uhr, hier erzeugt und in einer Datei gespeichert</translation>
    </message>
    <message>
        <source>File of the made passwords</source>
        <translation>Datei der erzeugten Passwörter</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Choose the file of the made passwords</source>
        <translation>Datei der erzeugten Passwörter wählen</translation>
    </message>
    <message>
        <source>Passwords from a file (ADDRESS,PASSWORD lines, or one password)</source>
        <translation>Passwörter aus einer Datei (Zeilen ADRESSE,PASSWORT oder ein Passwort)</translation>
    </message>
    <message>
        <source>File of new passwords</source>
        <translation>Datei der neuen Passwörter</translation>
    </message>
    <message>
        <source>Choose the file of new passwords</source>
        <translation>Datei der neuen Passwörter wählen</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>Empty: each clock&apos;s stored password</source>
        <translation>Leer: das gespeicherte Passwort jeder Uhr</translation>
    </message>
    <message>
        <source>Save the new passwords</source>
        <translation>Neue Passwörter speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Open a file of new passwords</source>
        <translation>Datei mit neuen Passwörtern öffnen</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The new password is not the same in both fields.</source>
        <translation>Das neue Passwort ist nicht in beiden Feldern gleich.</translation>
    </message>
    <message>
        <source>Choose the file first.</source>
        <translation>Wählen Sie zuerst die Datei.</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks?</source>
        <translation>
            <numerusform>Das Passwort von %n Uhr ändern?</numerusform>
            <numerusform>Das Passwort von %n Uhren ändern?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export password result</source>
        <translation>Passwortergebnis exportieren</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Das Ergebnis wurde in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Type the new password in both fields.</source>
        <translation>Geben Sie das neue Passwort in beide Felder ein.</translation>
    </message>
</context>
<context>
    <name>DialogCombobox</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Ergebnisse je Adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses; the clocks found until then are on the device list.</source>
        <translation>Nach %1 von %2 Adressen beendet; die bis dahin gefundenen Uhren stehen in der Geräteliste.</translation>
    </message>
</context>
<context>
    <name>DialogDeviceSettings</name>
    <message>
        <source>Clock settings</source>
        <translation>Einstellungen der Uhr</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Netzwerkschnittstelle</translation>
    </message>
    <message>
        <source>Network Interface:</source>
        <translation>Netzwerkschnittstelle:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Netzwerkschnittstellen aktualisieren</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Name der Uhr</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>DHCP client</source>
        <translation>DHCP-Client</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS Primary:</source>
        <translation>Primärer DNS:</translation>
    </message>
    <message>
        <source>DNS Secondary:</source>
        <translation>Sekundärer DNS:</translation>
    </message>
    <message>
        <source>DHCP opt. 42</source>
        <translation>DHCP-Option 42</translation>
    </message>
    <message>
        <source>DHCP opt. private</source>
        <translation>Private DHCP-Option</translation>
    </message>
    <message>
        <source>Private opt. number:</source>
        <translation>Nr. der privaten Option:</translation>
    </message>
    <message>
        <source>Web Panel Timeout:</source>
        <translation>Zeitlimit Weboberfläche:</translation>
    </message>
    <message>
        <source>Disable remote access</source>
        <translation>Fernzugriff deaktivieren</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation>Altes Passwort:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Repeat new password:</source>
        <translation>Neues Passwort wiederholen:</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Der Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Name wird gesendet</translation>
    </message>
    <message>
        <source>The network settings were not sent: %1 is not a complete IP address.</source>
        <translation>Die Netzwerkeinstellungen wurden nicht gesendet: %1 ist keine vollständige IP-Adresse.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Netzwerkeinstellungen werden gesendet</translation>
    </message>
    <message>
        <source>New password is not identical in both fields</source>
        <translation>Das neue Passwort stimmt in beiden Feldern nicht überein</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Passwort wird gesendet</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Name erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Netzwerkeinstellungen erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Passwort erfolgreich geändert.</translation>
    </message>
    <message>
        <source>Authentication data set.</source>
        <translation>Anmeldedaten übernommen.</translation>
    </message>
    <message>
        <source>Network interface set.</source>
        <translation>Netzwerkschnittstelle übernommen.</translation>
    </message>
</context>
<context>
    <name>DialogDevicesFound</name>
    <message>
        <source>Devices found</source>
        <translation>Gefundene Geräte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Netzwerkschnittstelle</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Clock(s) with same IP already exist on device list. Do you want to add selected clock(s) anyway?</source>
        <translation>Uhren mit derselben IP-Adresse sind bereits in der Geräteliste. Möchten Sie die ausgewählten Uhren trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>moved from %1 to %2? Tick to confirm</source>
        <translation>von %1 nach %2 verschoben? Zum Bestätigen ankreuzen</translation>
    </message>
    <message>
        <source>wrong password for listed clock</source>
        <translation>falsches Passwort für eine Uhr der Liste</translation>
    </message>
</context>
<context>
    <name>DialogEditName</name>
    <message>
        <source>Edit group name</source>
        <translation>Gruppenname bearbeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>DialogHistory</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>History of %1 (%2)</source>
        <translation>Verlauf von %1 (%2)</translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation>Ereignisprotokoll wird gelesen …</translation>
    </message>
    <message>
        <source>Nothing has happened to this clock yet, or the journal is kept elsewhere.</source>
        <translation>Zu dieser Uhr gibt es noch keine Ereignisse, oder das Ereignisprotokoll liegt an einem anderen Ort.</translation>
    </message>
    <message numerus="yes">
        <source>The latest %n events, newest first.</source>
        <translation>
            <numerusform>Ein Ereignis.</numerusform>
            <numerusform>Die letzten %n Ereignisse, neueste zuerst.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
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
        <translation>Uhr hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Network interface:</source>
        <translation>Netzwerkschnittstelle:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Netzwerkschnittstellen aktualisieren</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Incorrect IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One address</source>
        <translation>Eine Adresse</translation>
    </message>
    <message>
        <source>Address range</source>
        <translation>Adressbereich</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Adressplan</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Address range:</source>
        <translation>Adressbereich:</translation>
    </message>
    <message>
        <source>10.20.1.10-10.20.1.200 or 10.20.1.0/24</source>
        <translation>10.20.1.10-10.20.1.200 oder 10.20.1.0/24</translation>
    </message>
    <message>
        <source>Address plan:</source>
        <translation>Adressplan:</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>A CSV file with a header row: ip, name, group, user, password (only ip is needed).</source>
        <translation>Eine CSV-Datei mit Kopfzeile: ip, name, group, user, password (nur ip ist erforderlich).</translation>
    </message>
    <message>
        <source>Give the clocks the plan&apos;s names</source>
        <translation>Uhren nach dem Adressplan benennen</translation>
    </message>
    <message>
        <source>Incorrect address range: %1</source>
        <translation>Ungültiger Adressbereich: %1</translation>
    </message>
    <message>
        <source>Ask every one of them?</source>
        <translation>Alle abfragen?</translation>
    </message>
    <message>
        <source>Ask all</source>
        <translation>Alle abfragen</translation>
    </message>
    <message>
        <source>Open address plan</source>
        <translation>Adressplan öffnen</translation>
    </message>
    <message>
        <source>Address plans (*.csv);;All files (*)</source>
        <translation>Adresspläne (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Choose the address plan first.</source>
        <translation>Wählen Sie zuerst den Adressplan aus.</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>1 % of the clocks</source>
        <translation>1 % der Uhren</translation>
    </message>
    <message>
        <source>10 % of the clocks</source>
        <translation>10 % der Uhren</translation>
    </message>
    <message>
        <source>5 % of the clocks sent to</source>
        <translation>5 % der Uhren, an die gesendet wurde</translation>
    </message>
    <message>
        <source>First wave (clocks)</source>
        <translation>Erste Welle (Uhren)</translation>
    </message>
    <message>
        <source>Each later wave (clocks)</source>
        <translation>Jede weitere Welle (Uhren)</translation>
    </message>
    <message>
        <source>Failures before it stops</source>
        <translation>Fehlschläge bis zum Anhalten</translation>
    </message>
</context>
<context>
    <name>DialogProgress</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DialogQuestion</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Authorization error</source>
        <translation>Autorisierungsfehler</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>Incorrect data sent or function is unsupported</source>
        <translation>Falsche Daten gesendet oder Funktion nicht unterstützt</translation>
    </message>
    <message>
        <source>Unable connect to device</source>
        <translation>Keine Verbindung zum Gerät möglich</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Ein Fehler ist aufgetreten:</translation>
    </message>
    <message>
        <source>not a clock address</source>
        <translation>keine gültige Uhrenadresse</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>no route to the clock</source>
        <translation>keine Route zur Uhr</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>keine Verbindung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>falscher Benutzername oder falsches Passwort</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the answer is not an HTTP reply</source>
        <translation>die Antwort ist keine HTTP-Antwort</translation>
    </message>
    <message>
        <source>the clock answered with HTTP status %1</source>
        <translation>die Uhr antwortete mit HTTP-Status %1</translation>
    </message>
    <message>
        <source>the clock does not know this request</source>
        <translation>die Uhr kennt diese Anfrage nicht</translation>
    </message>
    <message>
        <source>the answer does not end</source>
        <translation>die Antwort endet nicht</translation>
    </message>
</context>
<context>
    <name>EventJournal</name>
    <message>
        <source>Journal %1 could not be written (%2); events lost: %3</source>
        <translation>Ereignisprotokoll %1 konnte nicht geschrieben werden (%2); verlorene Ereignisse: %3</translation>
    </message>
    <message>
        <source>Journal %1 cannot be written: %2; events wait in memory and are written when it can be.</source>
        <translation>Ereignisprotokoll %1 kann nicht geschrieben werden: %2; Ereignisse warten im Speicher und werden geschrieben, sobald es möglich ist.</translation>
    </message>
    <message>
        <source>Journal %1 is written again; %2 events were dropped meanwhile.</source>
        <translation>Ereignisprotokoll %1 wird wieder geschrieben; %2 Ereignisse gingen in der Zwischenzeit verloren.</translation>
    </message>
    <message>
        <source>Journal %1 is written again.</source>
        <translation>Ereignisprotokoll %1 wird wieder geschrieben.</translation>
    </message>
    <message>
        <source>The journal %1 was imported into the history: %2 events, %3 damaged lines skipped; it is kept as it was.</source>
        <translation>Das Ereignisprotokoll %1 wurde in den Verlauf importiert: %2 Ereignisse, %3 beschädigte Zeilen übersprungen; es bleibt unverändert erhalten.</translation>
    </message>
    <message>
        <source>The history was damaged and set aside as %1; a new one was started.</source>
        <translation>Der Verlauf war beschädigt und wurde als %1 beiseitegelegt; ein neuer wurde begonnen.</translation>
    </message>
</context>
<context>
    <name>FailedAttempts</name>
    <message>
        <source>Refused a request with a wrong token from %1 (%2 from there so far); its next tokens are checked ever more slowly.</source>
        <translation>Anfrage mit falschem Token von %1 abgewiesen (%2 von dort bisher); die nächsten Token von dort werden immer langsamer geprüft.</translation>
    </message>
</context>
<context>
    <name>FleetCheck</name>
    <message>
        <source>Checking clocks</source>
        <translation>Uhren werden geprüft</translation>
    </message>
    <message>
        <source>Site zone</source>
        <translation>Standortzone</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The audit compares each clock&apos;s daylight saving with the time zone of the site.</source>
        <translation>Die Prüfung vergleicht die Sommerzeit jeder Uhr mit der Zeitzone des Standorts.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zeitzone</translation>
    </message>
</context>
<context>
    <name>FleetSummary</name>
    <message>
        <source>%1 synchronized, %2 warning, %3 critical</source>
        <translation>%1 synchronisiert, %2 mit Warnung, %3 kritisch</translation>
    </message>
    <message>
        <source>%1 without status</source>
        <translation>%1 ohne Status</translation>
    </message>
    <message>
        <source>Clocks: %1 (%2)</source>
        <translation>Uhren: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 with critical audit findings</source>
        <translation>%1 mit kritischen Prüfbefunden</translation>
    </message>
</context>
<context>
    <name>GroupTree</name>
    <message>
        <source>Delete group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>Edit group configuration</source>
        <translation>Gruppenkonfiguration bearbeiten</translation>
    </message>
    <message>
        <source>Change group name</source>
        <translation>Gruppe umbenennen</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Uhren prüfen</translation>
    </message>
    <message>
        <source>Remove clock from group</source>
        <translation>Uhr aus Gruppe entfernen</translation>
    </message>
    <message>
        <source>Copy clock configuration to group and edit</source>
        <translation>Konfiguration der Uhr in Gruppe kopieren und bearbeiten</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>%1 (quiet)</source>
        <translation>%1 (Ruhezeit)</translation>
    </message>
    <message>
        <source>In the context menu of the row</source>
        <translation>Im Kontextmenü der Zeile</translation>
    </message>
    <message>
        <source>Change clocks of the group</source>
        <translation>Uhren der Gruppe ändern</translation>
    </message>
    <message>
        <source>Change passwords of the group</source>
        <translation>Passwörter der Gruppe ändern</translation>
    </message>
</context>
<context>
    <name>IncidentMail</name>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>eine Uhr</numerusform>
            <numerusform>%n Uhren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks need attention.</source>
        <translation>
            <numerusform>Eine Uhr erfordert Aufmerksamkeit.</numerusform>
            <numerusform>%n Uhren erfordern Aufmerksamkeit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Since: </source>
        <translation>Seit: </translation>
    </message>
    <message>
        <source>back to normal: </source>
        <translation>Entwarnung: </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks are back to normal.</source>
        <translation>
            <numerusform>Eine Uhr ist wieder in Ordnung.</numerusform>
            <numerusform>%n Uhren sind wieder in Ordnung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back to normal after %1</source>
        <translation>Wieder in Ordnung (Dauer der Störung: %1)</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>weniger als eine Minute</translation>
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
        <translation>%1 gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>MailCommands</name>
    <message>
        <source>Sending test e-mail</source>
        <translation>Test-E-Mail wird gesendet</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Ntp server timeout</source>
        <translation>Zeitüberschreitung des NTP-Servers</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Keine Authentifizierung</translation>
    </message>
    <message>
        <source>alert: </source>
        <translation>Störungsmeldung: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Clock name: </source>
        <translation>Name der Uhr: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP-Adresse: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Gruppe: </translation>
    </message>
    <message>
        <source>Error code: </source>
        <translation>Fehlercode: </translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>The device list is empty; nothing to poll.</source>
        <translation>Die Geräteliste ist leer; nichts abzufragen.</translation>
    </message>
    <message>
        <source>Cannot serve metrics on %1: %2</source>
        <translation>Metriken können nicht auf %1 bereitgestellt werden: %2</translation>
    </message>
    <message>
        <source>--board-token-file needs --board or --metrics.</source>
        <translation>--board-token-file braucht --board oder --metrics.</translation>
    </message>
    <message>
        <source>Cannot read the board&apos;s token: %1</source>
        <translation>Das Token der Übersicht kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>--board-host %1 is not a host name.</source>
        <translation>--board-host %1 ist kein Hostname.</translation>
    </message>
    <message>
        <source>The status board on %1 is open to anyone who can reach it; see --board-token-file.</source>
        <translation>Die Übersicht auf %1 steht jedem offen, der sie erreicht; siehe --board-token-file.</translation>
    </message>
    <message>
        <source>Cannot serve the status board on %1: %2</source>
        <translation>Die Übersicht kann nicht auf %1 bereitgestellt werden: %2</translation>
    </message>
    <message>
        <source>Stopped by signal %1; device list saved.</source>
        <translation>Durch Signal %1 beendet; Geräteliste gespeichert.</translation>
    </message>
    <message>
        <source>Stopped by signal %1.</source>
        <translation>Durch Signal %1 beendet.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Cannot watch for SIGINT and SIGTERM.</source>
        <translation>SIGINT und SIGTERM können nicht überwacht werden.</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <source>The device list is not locked for writing.</source>
        <translation>Die Geräteliste ist nicht zum Schreiben gesperrt.</translation>
    </message>
    <message>
        <source>Cannot write the device list %1: %2.</source>
        <translation>Die Geräteliste %1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>NetworkCardChoices</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>NewPasswords</name>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>expected ADDRESS,PASSWORD</source>
        <translation>erwartet wird ADRESSE,PASSWORT</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the password of %1 is empty</source>
        <translation>das Passwort von %1 ist leer</translation>
    </message>
    <message>
        <source>the list names no clock</source>
        <translation>die Liste nennt keine Uhr</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Bytes</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten …</translation>
    </message>
</context>
<context>
    <name>PageConfiguration</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration first in device list.</source>
        <translation>Für die Uhr liegt keine Konfiguration vor. Laden Sie die Konfiguration zuerst in der Geräteliste herunter.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Back to the device list (keeps the changes)</source>
        <translation>Zurück zur Geräteliste (Änderungen bleiben erhalten)</translation>
    </message>
    <message>
        <source>Open or save a configuration file</source>
        <translation>Konfigurationsdatei öffnen oder speichern</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download the configuration from the clock again</source>
        <translation>Konfiguration erneut von der Uhr herunterladen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Möchten Sie die Konfiguration der Uhr herunterladen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Konfiguration wird heruntergeladen</translation>
    </message>
    <message>
        <source>Clock %1 is in group %2. Send configuration anyway?</source>
        <translation>Die Uhr %1 gehört zur Gruppe %2. Konfiguration trotzdem senden?</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Konfiguration wird gesendet</translation>
    </message>
    <message>
        <source>The configuration was sent to %1 of %2 clocks. Not sent to: %3</source>
        <translation>Die Konfiguration wurde an %1 von %2 Uhren gesendet. Nicht gesendet an: %3</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>Die Konfiguration wurde erfolgreich gesendet.</translation>
    </message>
</context>
<context>
    <name>PageConflict</name>
    <message>
        <source>IP conflicts</source>
        <translation>IP-Konflikte</translation>
    </message>
    <message>
        <source>Application will detect and change MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for every next device with conflict found.</source>
        <translation>Die Anwendung erkennt jede Uhr mit der IP-Adresse 192.168.0.11 und ändert ihre MAC- und IP-Adresse.
Für jedes weitere Gerät mit Konflikt werden MAC- und IP-Adresse um 1 erhöht.</translation>
    </message>
    <message>
        <source>New MAC of first device:</source>
        <translation>Neue MAC des ersten Geräts:</translation>
    </message>
    <message>
        <source>New IP of first device:</source>
        <translation>Neue IP des ersten Geräts:</translation>
    </message>
    <message>
        <source>Resolve</source>
        <translation>Beheben</translation>
    </message>
    <message>
        <source>The new MAC of the first device is incomplete.</source>
        <translation>Die neue MAC-Adresse des ersten Geräts ist unvollständig.</translation>
    </message>
    <message>
        <source>The new IP of the first device is not a full address.</source>
        <translation>Die neue IP-Adresse des ersten Geräts ist nicht vollständig.</translation>
    </message>
    <message>
        <source>Resolving conflicts</source>
        <translation>Konflikte werden behoben</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Es wurden keine Geräte gefunden.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>MAC- und IP-Adresse bei %1 geändert (%2 gefunden).</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>einer Uhr</numerusform>
            <numerusform>%n Uhren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n Gerät</numerusform>
            <numerusform>%n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>%1 von %2 gefundenen Uhren haben ihre neue Adresse nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>%1 von %2 gefundenen Uhren blieben unverändert: Nach .254 ist keine Adresse mehr frei.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>Die Uhr hat die neue Adresse abgelehnt.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Für sie war keine Adresse mehr frei.</translation>
    </message>
</context>
<context>
    <name>PageDeviceList</name>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Name or IP</source>
        <translation>Name oder IP</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Add clock</source>
        <translation>Uhr hinzufügen</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Uhren prüfen</translation>
    </message>
    <message>
        <source>Check that every clock keeps the right time and matches its group</source>
        <translation>Prüfen, ob jede Uhr die richtige Zeit anzeigt und mit ihrer Gruppe übereinstimmt</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Aus Liste entfernen</translation>
    </message>
    <message>
        <source>Download configuration</source>
        <translation>Konfiguration herunterladen</translation>
    </message>
    <message>
        <source>Edit configuration</source>
        <translation>Konfiguration bearbeiten</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Status aktualisieren</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Keine Geräte gefunden.</translation>
    </message>
    <message>
        <source>Updating device</source>
        <translation>Gerät wird aktualisiert</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Konfiguration wird heruntergeladen</translation>
    </message>
    <message>
        <source>Refreshing status</source>
        <translation>Status wird aktualisiert</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Möchten Sie die Konfiguration der Uhr herunterladen?</translation>
    </message>
    <message>
        <source>Download and edit</source>
        <translation>Herunterladen und bearbeiten</translation>
    </message>
    <message>
        <source>Edit without download</source>
        <translation>Ohne Herunterladen bearbeiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete clock %1 (IP: %2)?</source>
        <translation>Möchten Sie die Uhr %1 (IP: %2) wirklich aus der Liste entfernen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Gerätesuche</translation>
    </message>
    <message>
        <source>Clock %1 data refreshed</source>
        <translation>Daten der Uhr %1 aktualisiert</translation>
    </message>
    <message>
        <source>End quiet period</source>
        <translation>Ruhezeit beenden</translation>
    </message>
    <message>
        <source>Quiet period...</source>
        <translation>Ruhezeit …</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf …</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Write the device list to a file as an address plan</source>
        <translation>Geräteliste als Adressplan in eine Datei schreiben</translation>
    </message>
    <message>
        <source>Change clocks…</source>
        <translation>Uhren ändern…</translation>
    </message>
    <message>
        <source>Change fields of the selected clocks (or of every clock shown) after a preview (Ctrl+Shift+C)</source>
        <translation>Felder der ausgewählten Uhren (oder aller gezeigten) nach einer Vorschau ändern (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Passwords…</source>
        <translation>Passwörter…</translation>
    </message>
    <message>
        <source>Change the passwords of the selected clocks (or of every clock shown) in waves (Ctrl+Shift+P)</source>
        <translation>Die Passwörter der ausgewählten Uhren (oder aller angezeigten Uhren) in Wellen ändern (Strg+Umschalt+P)</translation>
    </message>
</context>
<context>
    <name>PageGroupList</name>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Clocks and their groups</source>
        <translation>Uhren und ihre Gruppen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete group %1?</source>
        <translation>Möchten Sie die Gruppe %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Gruppenname bearbeiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to open clock configuration and copy it to group?</source>
        <translation>Möchten Sie die Konfiguration der Uhr wirklich öffnen und in die Gruppe kopieren?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Group don&apos;t have any clocks.</source>
        <translation>Die Gruppe enthält keine Uhren.</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration in device list first.</source>
        <translation>Für die Uhr liegt keine Konfiguration vor. Laden Sie die Konfiguration zuerst in der Geräteliste herunter.</translation>
    </message>
    <message>
        <source>Group don&apos;t have configuration.</source>
        <translation>Die Gruppe hat keine Konfiguration.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Selected group has no configuration.</source>
        <translation>Die ausgewählte Gruppe hat keine Konfiguration.</translation>
    </message>
    <message>
        <source>Choose device from which do you want to copy configuration for group.</source>
        <translation>Wählen Sie das Gerät, dessen Konfiguration in die Gruppe kopiert werden soll.</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Name der Uhr</translation>
    </message>
    <message>
        <source>any clock of group %1</source>
        <translation>die Uhren der Gruppe %1</translation>
    </message>
    <message>
        <source>End the quiet period of group %1?</source>
        <translation>Ruhezeit der Gruppe %1 beenden?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Copy configuration to the group</source>
        <translation>Konfiguration in die Gruppe kopieren</translation>
    </message>
</context>
<context>
    <name>PageNotifications</name>
    <message>
        <source>Server settings</source>
        <translation>Servereinstellungen</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>In Infobereich ausblenden</translation>
    </message>
    <message>
        <source>Notification configuration saved.</source>
        <translation>Benachrichtigungseinstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Save configuration before minimize application?</source>
        <translation>Einstellungen vor dem Minimieren der Anwendung speichern?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Speichern und minimieren</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Nur minimieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Authentifizierung:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Absender:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Verschlüsselung:</translation>
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
        <translation>Keine Verschlüsselung</translation>
    </message>
    <message>
        <source>Ignore SSL errors (may be unsafe)</source>
        <translation>SSL-Fehler ignorieren (möglicherweise unsicher)</translation>
    </message>
    <message>
        <source>Resend e-mail every:</source>
        <translation>E-Mail erneut senden alle:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 Stunden</translation>
    </message>
    <message>
        <source>Alert type</source>
        <translation>Art der Störungsmeldung</translation>
    </message>
    <message>
        <source>No connection:</source>
        <translation>Keine Verbindung:</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Keine Verbindung</translation>
    </message>
    <message>
        <source>No authentication:</source>
        <translation>Keine Authentifizierung:</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Keine Authentifizierung</translation>
    </message>
    <message>
        <source>Ntp timeout:</source>
        <translation>NTP-Zeitüberschreitung:</translation>
    </message>
    <message>
        <source>Ntp timeout</source>
        <translation>NTP-Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Recipent list</source>
        <translation>Empfängerliste</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Recipient type</source>
        <translation>Empfängertyp</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Add recipient</source>
        <translation>Empfänger hinzufügen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Testbenachrichtigung senden</translation>
    </message>
    <message>
        <source>Save configuration before sending test e-mail?</source>
        <translation>Einstellungen vor dem Senden der Test-E-Mail speichern?</translation>
    </message>
    <message>
        <source>Save and send</source>
        <translation>Speichern und senden</translation>
    </message>
    <message>
        <source>Send only</source>
        <translation>Nur senden</translation>
    </message>
    <message>
        <source>Username cannot be empty</source>
        <translation>Der Benutzername darf nicht leer sein</translation>
    </message>
    <message>
        <source>Password cannot be empty</source>
        <translation>Das Passwort darf nicht leer sein</translation>
    </message>
    <message>
        <source>You can add up to 10 recipients.</source>
        <translation>Sie können bis zu 10 Empfänger hinzufügen.</translation>
    </message>
    <message>
        <source>Recipient e-mail is not valid.</source>
        <translation>Die E-Mail-Adresse des Empfängers ist ungültig.</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Aus Liste entfernen</translation>
    </message>
    <message>
        <source>One mail for alerts within:</source>
        <translation>Sammelzeitraum:</translation>
    </message>
    <message>
        <source>Clocks whose alerts fall due within this time of the first are named in one mail.</source>
        <translation>Uhren, deren Störungsmeldungen innerhalb dieser Zeit nach der ersten fällig werden, stehen in einer gemeinsamen E-Mail.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> Sek.</translation>
    </message>
    <message>
        <source>Back to normal:</source>
        <translation>Wieder in Ordnung:</translation>
    </message>
    <message>
        <source>One more mail when the clocks of a delivered alert answer and are synchronised again.</source>
        <translation>Eine weitere E-Mail, wenn die Uhren einer zugestellten Störungsmeldung wieder antworten und synchronisiert sind.</translation>
    </message>
    <message>
        <source>Mail when they are well again</source>
        <translation>Entwarnung senden</translation>
    </message>
    <message>
        <source>Remove recipient %1</source>
        <translation>Empfänger %1 entfernen</translation>
    </message>
    <message>
        <source>Monthly availability report:</source>
        <translation>Monatlicher Verfügbarkeitsbericht:</translation>
    </message>
    <message>
        <source>Mails the previous month&apos;s availability figures with the workbook attached, once a month.</source>
        <translation>Schickt einmal im Monat die Verfügbarkeitswerte des Vormonats mit der Arbeitsmappe im Anhang.</translation>
    </message>
    <message>
        <source>Mail the previous month&apos;s figures</source>
        <translation>Werte des Vormonats mailen</translation>
    </message>
    <message>
        <source>On day of the month:</source>
        <translation>Am Tag des Monats:</translation>
    </message>
    <message>
        <source>Report recipients:</source>
        <translation>Empfänger des Berichts:</translation>
    </message>
    <message>
        <source>Addresses separated by commas; when empty, the report goes to the alert recipients.</source>
        <translation>Adressen durch Kommas getrennt; leer geht der Bericht an die Empfänger der Störungsmeldungen.</translation>
    </message>
    <message>
        <source>As for alerts</source>
        <translation>Wie bei Störungsmeldungen</translation>
    </message>
    <message>
        <source>Report recipient %1 is not a valid e-mail address.</source>
        <translation>Der Empfänger des Berichts %1 ist keine gültige E-Mail-Adresse.</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Enable file report</source>
        <translation>Dateibericht aktivieren</translation>
    </message>
    <message>
        <source>Filepath:</source>
        <translation>Dateipfad:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <source>MS Excel (xlsx)</source>
        <translation>MS Excel (xlsx)</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 Stunden</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 Stunden</translation>
    </message>
    <message>
        <source>Value type:</source>
        <translation>Werttyp:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>In Infobereich ausblenden</translation>
    </message>
    <message>
        <source>Save report configuration before minimize application?</source>
        <translation>Berichtseinstellungen vor dem Minimieren der Anwendung speichern?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Speichern und minimieren</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Nur minimieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File report</source>
        <translation>Dateibericht</translation>
    </message>
    <message>
        <source>Filepath can&apos;t be empty.</source>
        <translation>Der Dateipfad darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Invalid report filepath.</source>
        <translation>Ungültiger Dateipfad für den Bericht.</translation>
    </message>
    <message>
        <source>Microsoft Excel files (*.xlsx)</source>
        <translation>Microsoft-Excel-Dateien (*.xlsx)</translation>
    </message>
    <message>
        <source>Report configuration saved.</source>
        <translation>Berichtseinstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Availability...</source>
        <translation>Verfügbarkeit...</translation>
    </message>
</context>
<context>
    <name>ParameterText</name>
    <message>
        <source>The configuration was not sent: %1 holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Die Konfiguration wurde nicht gesendet: %1 enthält „&amp;“, „=“ oder ein Steuerzeichen, das die Uhr falsch interpretieren würde.</translation>
    </message>
    <message>
        <source>The name was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Der Name wurde nicht gesendet: Er enthält „&amp;“, „=“ oder ein Steuerzeichen, das die Uhr falsch interpretieren würde.</translation>
    </message>
    <message>
        <source>The password was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Das Passwort wurde nicht gesendet: Es enthält „&amp;“, „=“ oder ein Steuerzeichen, das die Uhr falsch interpretieren würde.</translation>
    </message>
</context>
<context>
    <name>PasswordClocksFlow</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 gives no password for %2.</source>
        <translation>%1 enthält kein Passwort für %2.</translation>
    </message>
    <message>
        <source>%1: the new password is empty.</source>
        <translation>%1: Das neue Passwort ist leer.</translation>
    </message>
    <message>
        <source>The run has been sent already.</source>
        <translation>Der Lauf wurde bereits gesendet.</translation>
    </message>
    <message>
        <source>No clocks are chosen.</source>
        <translation>Es sind keine Uhren gewählt.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Welle %1: %2 Uhren</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Anhalten nach der laufenden Welle…</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Passwortlauf %1: %2 von %3 Uhren bestätigt.</translation>
    </message>
    <message>
        <source>Stopped between waves: the clocks not sent to keep their passwords.</source>
        <translation>Zwischen zwei Wellen angehalten: Die Uhren, an die nichts gesendet wurde, behalten ihre Passwörter.</translation>
    </message>
</context>
<context>
    <name>PasswordCommand</name>
    <message>
        <source>password: --new-file %1 gives no password for %2</source>
        <translation>password: --new-file %1 nennt kein Passwort für %2</translation>
    </message>
    <message>
        <source>password: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>password: --max-failed: erwartet wird eine Anzahl Uhren oder ein Prozentsatz (5%)</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>wie angegeben</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>from the list</source>
        <translation>aus der Liste</translation>
    </message>
    <message>
        <source>generated</source>
        <translation>erzeugt</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>old password</source>
        <translation>altes Passwort</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>neues Passwort</translation>
    </message>
    <message>
        <source>Password run %1: %2 clocks.</source>
        <translation>Passwortlauf %1: %2 Uhren.</translation>
    </message>
    <message>
        <source>state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>stored password</source>
        <translation>gespeichertes Passwort</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>old</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Passwortlauf %1: %2 von %3 Uhren bestätigt.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Zwischen zwei Wellen angehalten: Mehr Uhren schlugen fehl, als --max-failed erlaubt, oder der Lauf wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Change the password of %1 clocks? [y/N] </source>
        <translation>Das Passwort von %1 Uhren ändern? [y/N] </translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Welle %1: %2 Uhren</translation>
    </message>
    <message>
        <source>Sending passwords</source>
        <translation>Passwörter werden gesendet</translation>
    </message>
</context>
<context>
    <name>PasswordRun</name>
    <message>
        <source>not changed: the clock still answers to the old password</source>
        <translation>nicht geändert: Die Uhr nimmt noch das alte Passwort an</translation>
    </message>
    <message>
        <source>not verified: the clock took the new password but does not answer with it (%1)</source>
        <translation>nicht bestätigt: Die Uhr hat das neue Passwort angenommen, antwortet aber nicht damit (%1)</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nicht bestätigt</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>wird gesendet</translation>
    </message>
    <message>
        <source>planned</source>
        <translation>geplant</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>der Lauf hielt vor seiner Welle an</translation>
    </message>
</context>
<context>
    <name>PasswordRunModel</name>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>old</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Stored password</source>
        <translation>Gespeichertes Passwort</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>QuietCommands</name>
    <message>
        <source>The request could not be written to %1.</source>
        <translation>Die Anfrage konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>The program that holds the device list did not take the request.</source>
        <translation>Das Programm, das die Geräteliste belegt, hat die Anfrage nicht angenommen.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Gruppe %1</translation>
    </message>
    <message>
        <source>%1 is quiet until %2.</source>
        <translation>Ruhezeit für %1 bis %2.</translation>
    </message>
    <message>
        <source>%1 is quiet until unmuted.</source>
        <translation>Ruhezeit für %1 bis zur Aufhebung.</translation>
    </message>
    <message>
        <source>%1 is no longer quiet.</source>
        <translation>Ruhezeit für %1 beendet.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Keine Ereignisse.</translation>
    </message>
    <message>
        <source>%1 is not muted; nothing changed.</source>
        <translation>%1 ist nicht stummgeschaltet; nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is quiet every %2.</source>
        <translation>Ruhestunden für %1 jede Woche: %2.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours now.</source>
        <translation>%1 hat jetzt keine wöchentlichen Ruhestunden mehr.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours; nothing changed.</source>
        <translation>%1 hat keine wöchentlichen Ruhestunden; nichts wurde geändert.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>&quot;%1&quot; is not a window like &quot;Mon-Fri 22:00-06:00&quot; or &quot;Sat-Sun&quot;.</source>
        <translation>„%1“ ist kein Zeitfenster wie „Mon-Fri 22:00-06:00“ oder „Sat-Sun“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.</source>
        <translation>„%1“: Tage sind Mon, Tue, Wed, Thu, Fri, Sat und Sun.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times run from 00:00 to 23:59, an end up to 24:00.</source>
        <translation>„%1“: Uhrzeiten gehen von 00:00 bis 23:59, ein Ende bis 24:00.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends when it starts.</source>
        <translation>„%1“ endet, wenn es beginnt.</translation>
    </message>
    <message>
        <source>Quiet hours are at most %1 characters.</source>
        <translation>Ruhestunden sind höchstens %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone of this machine, like Europe/Berlin.</source>
        <translation>„%1“ ist keine Zeitzone dieses Rechners wie Europe/Berlin.</translation>
    </message>
    <message>
        <source>At most %1 windows.</source>
        <translation>Höchstens %1 Zeitfenster.</translation>
    </message>
    <message>
        <source>No window given, like &quot;Mon-Fri 22:00-06:00&quot;.</source>
        <translation>Kein Zeitfenster angegeben, wie „Mon-Fri 22:00-06:00“.</translation>
    </message>
</context>
<context>
    <name>QuietPeriodChoice</name>
    <message>
        <source>For 1 hour</source>
        <translation>Für 1 Stunde</translation>
    </message>
    <message>
        <source>For 8 hours</source>
        <translation>Für 8 Stunden</translation>
    </message>
    <message>
        <source>Until 06:00 tomorrow</source>
        <translation>Bis morgen 06:00 Uhr</translation>
    </message>
    <message>
        <source>For 7 days</source>
        <translation>Für 7 Tage</translation>
    </message>
    <message>
        <source>Until unmuted</source>
        <translation>Bis zur Aufhebung</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Ruhezeit</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No alert mail names %1 while it lasts; it is polled and shown as usual.</source>
        <translation>Währenddessen nennt keine Störungsmeldung %1; der Status wird weiter abgefragt und angezeigt.</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Every week...</source>
        <translation>Jede Woche …</translation>
    </message>
    <message>
        <source>Weekly quiet hours</source>
        <translation>Wöchentliche Ruhestunden</translation>
    </message>
    <message>
        <source>No alert mail names %1 in these windows, every week (empty: none):</source>
        <translation>Keine Alarm-E-Mail nennt %1 in diesen Zeitfenstern, jede Woche (leer: keine):</translation>
    </message>
</context>
<context>
    <name>QuietRequest</name>
    <message>
        <source>No group is named &quot;%1&quot;.</source>
        <translation>Es gibt keine Gruppe namens „%1“.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>In der Geräteliste steht keine Uhr mit der Adresse %1.</translation>
    </message>
</context>
<context>
    <name>QuietRequestWatcher</name>
    <message>
        <source>Quiet requests in %1 are not obeyed: other users can write into the folder.</source>
        <translation>Ruhezeit-Anfragen in %1 werden nicht befolgt: andere Benutzer können in den Ordner schreiben.</translation>
    </message>
    <message>
        <source>Quiet request %1 not obeyed: %2</source>
        <translation>Ruhezeit-Anfrage %1 nicht befolgt: %2</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Answering</source>
        <translation>Antwortet</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Längste</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ausgefallen</translation>
    </message>
    <message>
        <source>MTTR</source>
        <translation>MTTR</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Ruhe</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>(no group)</source>
        <translation>(keine Gruppe)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message>
        <source>No usable local network interface to search on.</source>
        <translation>Keine nutzbare lokale Netzwerkschnittstelle für die Suche.</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Gerätesuche</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>bereits in der Liste</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügt</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Keine Geräte gefunden.</translation>
    </message>
    <message>
        <source>Resolving address conflicts</source>
        <translation>Adresskonflikte werden behoben</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Es wurden keine Geräte gefunden.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>MAC- und IP-Adresse bei %1 geändert (%2 gefunden).</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>einer Uhr</numerusform>
            <numerusform>%n Uhren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n Gerät</numerusform>
            <numerusform>%n Geräte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>%1 von %2 gefundenen Uhren haben ihre neue Adresse nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>%1 von %2 gefundenen Uhren blieben unverändert: Nach .254 ist keine Adresse mehr frei.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Status wird gelesen</translation>
    </message>
    <message>
        <source>Every clock found (%1) refused the user name and password.</source>
        <translation>Jede gefundene Uhr (%1) hat Benutzername und Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>Die Uhr hat die neue Adresse abgelehnt.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Für sie war keine Adresse mehr frei.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1
Open the device list read-only? Nothing will be saved.</source>
        <translation>%1
Geräteliste schreibgeschützt öffnen? Es wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>StateLoad</name>
    <message>
        <source>Cannot read the device list %1; it was left as it is.</source>
        <translation>Die Geräteliste %1 kann nicht gelesen werden; sie bleibt unverändert.</translation>
    </message>
    <message>
        <source>Cannot read the device list %1; it was kept as %2.</source>
        <translation>Die Geräteliste %1 kann nicht gelesen werden; sie wurde als %2 aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>StatusBoard</name>
    <message>
        <source>Clock status</source>
        <translation>Uhrenstatus</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Nach Name oder Adresse filtern</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Muted until</source>
        <translation>Stumm bis</translation>
    </message>
    <message>
        <source>Status age</source>
        <translation>Alter des Status</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Keine Ereignisse.</translation>
    </message>
    <message>
        <source>until lifted</source>
        <translation>bis zur Aufhebung</translation>
    </message>
    <message>
        <source>%1 of %2 clocks shown</source>
        <translation>%1 von %2 Uhren angezeigt</translation>
    </message>
    <message>
        <source>The monitor cannot be reached. The board shows what it last received.</source>
        <translation>Der Monitor ist nicht erreichbar. Die Übersicht zeigt den zuletzt empfangenen Stand.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Uhren</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Verfügbarkeit</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Die Werte werden berechnet...</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Der Verlauf kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The figures could not be loaded.</source>
        <translation>Die Werte konnten nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>TabAlarms</name>
    <message>
        <source>Import/Export alarms configuration</source>
        <translation>Alarmkonfiguration importieren/exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Disable all alarms</source>
        <translation>Alle Alarme deaktivieren</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Wird geladen, bitte warten …</translation>
    </message>
</context>
<context>
    <name>TabDisplay</name>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Uhrzeit anzeigen</translation>
    </message>
    <message>
        <source>Time shown for</source>
        <translation>Anzeigedauer Uhrzeit</translation>
    </message>
    <message>
        <source> s</source>
        <translation> Sek.</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Temperatur anzeigen</translation>
    </message>
    <message>
        <source>Temperature shown for</source>
        <translation>Anzeigedauer Temperatur</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Datum anzeigen</translation>
    </message>
    <message>
        <source>Date shown for</source>
        <translation>Anzeigedauer Datum</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Zeitformat</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Führende Nullen bei Uhrzeit</translation>
    </message>
    <message>
        <source>Blinking time colon</source>
        <translation>Blinkender Doppelpunkt</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Import/Export display configuration</source>
        <translation>Anzeigekonfiguration importieren/exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Thermometer configuration</source>
        <translation>Thermometerkonfiguration</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Temperaturkorrektur</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Korrektur</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Anzeigesynchronisierung</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>Master-IP</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Energiesparen</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation>Tag, Monat, Jahr</translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation>Monat, Tag, Jahr</translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation>Jahr, Monat, Tag</translation>
    </message>
    <message>
        <source>year, day, month</source>
        <translation>Jahr, Tag, Monat</translation>
    </message>
    <message>
        <source>day, month</source>
        <translation>Tag, Monat</translation>
    </message>
    <message>
        <source>month, day</source>
        <translation>Monat, Tag</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The order in which the clock shows the date: D day, N month, Y year</source>
        <translation>Reihenfolge, in der die Uhr das Datum anzeigt: D Tag, N Monat, Y Jahr</translation>
    </message>
</context>
<context>
    <name>TabSend</name>
    <message>
        <source>Send configuration</source>
        <translation>Konfiguration senden</translation>
    </message>
    <message>
        <source>The configuration is sent to:</source>
        <translation>Die Konfiguration wird gesendet an:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>TabTime</name>
    <message>
        <source>Regional settings</source>
        <translation>Regionale Einstellungen</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Zeitzone aktiv</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Start week</source>
        <translation>Startwoche</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Starttag</translation>
    </message>
    <message>
        <source>of</source>
        <translation>im</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Startmonat</translation>
    </message>
    <message>
        <source>at</source>
        <translation>um</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>End week</source>
        <translation>Endwoche</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Endtag</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Endmonat</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Remote time synchronization</source>
        <translation>Externe Zeitsynchronisierung</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>NTP-Server 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>NTP-Server 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>NTP-Server 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>NTP-Server 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>NTP-Server 5</translation>
    </message>
    <message>
        <source>A server name cannot hold &quot;&amp;&quot;, &quot;=&quot; or a line break: the clock would misread it.</source>
        <translation>Ein Servername darf weder „&amp;“ noch „=“ oder einen Zeilenumbruch enthalten: Die Uhr würde ihn falsch interpretieren.</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Local time synchronization</source>
        <translation>Lokale Zeitsynchronisierung</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Master-Modus</translation>
    </message>
</context>
<context>
    <name>TestMailFlow</name>
    <message>
        <source>%1 Notification Test</source>
        <translation>%1 – Testbenachrichtigung</translation>
    </message>
    <message>
        <source>This is %1 notification test e-mail.</source>
        <translation>Dies ist eine Testbenachrichtigung von %1.</translation>
    </message>
    <message>
        <source>Test e-mail has been sent successfully.</source>
        <translation>Die Test-E-Mail wurde erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>Test e-mail sent failed</source>
        <translation>Senden der Test-E-Mail fehlgeschlagen</translation>
    </message>
    <message>
        <source>Test e-mail sent failed: no recipient is set.</source>
        <translation>Senden der Test-E-Mail fehlgeschlagen: kein Empfänger festgelegt.</translation>
    </message>
</context>
<context>
    <name>WindowClosing</name>
    <message>
        <source>Notifications and reports are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent and data reporting will stop)</source>
        <translation>Benachrichtigungen und Berichte sind eingeschaltet. Möchten Sie %1 wirklich schließen? (Dann werden keine Störungsmeldungen per E-Mail gesendet, und die Datenaufzeichnung wird beendet)</translation>
    </message>
    <message>
        <source>Notification are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</source>
        <translation>Benachrichtigungen sind eingeschaltet. Möchten Sie %1 wirklich schließen? (Dann werden keine Störungsmeldungen per E-Mail gesendet)</translation>
    </message>
    <message>
        <source>Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)</source>
        <translation>Berichte sind eingeschaltet. Möchten Sie %1 wirklich schließen? (Die Datenaufzeichnung wird beendet)</translation>
    </message>
    <message>
        <source>Minimalize to tray</source>
        <translation>In Infobereich minimieren</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 Close anyway? (Changes since the last save will be lost)</source>
        <translation>%1 Trotzdem schließen? (Änderungen seit dem letzten Speichern gehen verloren)</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>IP conflicts</source>
        <translation>IP-Konflikte</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>No PDF viewer was found to open the manual. You can find it here:
%1</source>
        <translation>Es wurde kein PDF-Betrachter gefunden, um das Handbuch zu öffnen. Sie finden es hier:
%1</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (schreibgeschützt)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>%1 (history not written)</source>
        <translation>%1 (Verlauf nicht geschrieben)</translation>
    </message>
    <message>
        <source>The history of clock events cannot be written: %1</source>
        <translation>Der Verlauf der Uhrenereignisse kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Application was minimized to tray</source>
        <translation>Anwendung wurde in den Infobereich minimiert</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>WorkerTcp</name>
    <message>
        <source>Failed to connect.</source>
        <translation>Verbindung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Senden fehlgeschlagen. Es sind keine Daten zum Senden vorhanden.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Senden fehlgeschlagen. Es konnten keine Daten gesendet werden.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Senden fehlgeschlagen. Nur %1 von %2 Bytes gesendet.</translation>
    </message>
</context>
<context>
    <name>WorkerThreadPool</name>
    <message>
        <source>unlimited</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>Polls in flight: at least %1 for answering clocks and %2 for failing ones, following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5.</source>
        <translation>Laufende Abfragen: mindestens %1 für antwortende Uhren und %2 für ausfallende, dem Bestand folgend, höchstens %3 zusammen; %4 Benutzeraustausche gleichzeitig; Grenze offener Dateien %5.</translation>
    </message>
</context>
<context>
    <name>WorkerUdp</name>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Senden fehlgeschlagen. Es sind keine Daten zum Senden vorhanden.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Senden fehlgeschlagen. Es konnten keine Daten gesendet werden.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Senden fehlgeschlagen. Nur %1 von %2 Bytes gesendet.</translation>
    </message>
</context>
<context>
    <name>XmlFile</name>
    <message>
        <source>not an XML file: %1 (line %2, column %3)</source>
        <translation>keine XML-Datei: %1 (Zeile %2, Spalte %3)</translation>
    </message>
    <message>
        <source>the XML file holds no element</source>
        <translation>die XML-Datei enthält kein Element</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>größer als %1 MB</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>an attribute longer than %1 characters</source>
        <translation>ein Attribut länger als %1 Zeichen</translation>
    </message>
</context>
</TS>
