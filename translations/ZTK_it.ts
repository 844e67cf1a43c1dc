<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>AddressPlan</name>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file (a spreadsheet must be saved as CSV)</source>
        <translation>non è un file di testo (un foglio di calcolo va salvato come CSV)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>il testo non è in UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>testo dopo le virgolette di chiusura</translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation>virgolette all&apos;interno di un campo che non inizia con virgolette</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>la colonna «%1» compare due volte</translation>
    </message>
    <message>
        <source>the header names no &quot;ip&quot; column</source>
        <translation>l&apos;intestazione non contiene la colonna «ip»</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 campi, ma l&apos;intestazione ne indica %2</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>nessun indirizzo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«%1» non è un indirizzo IPv4</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>il file supera %1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>the plan lists no address</source>
        <translation>il piano non elenca alcun indirizzo</translation>
    </message>
    <message>
        <source>the plan lists more than %1 addresses</source>
        <translation>il piano elenca più di %1 indirizzi</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 è già alla riga %2</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are ip, name, group, user, password and mac)</source>
        <translation>colonna «%1» sconosciuta (le colonne sono ip, name, group, user, password e mac)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address like 02-A7-3C-DC-00-00</source>
        <translation>«%1» non è un indirizzo MAC come 02-A7-3C-DC-00-00</translation>
    </message>
    <message>
        <source>the group holds a control character</source>
        <translation>il gruppo contiene un carattere di controllo</translation>
    </message>
</context>
<context>
    <name>AddressPlanActions</name>
    <message>
        <source>Probing addresses</source>
        <translation>Scansione degli indirizzi</translation>
    </message>
    <message>
        <source>The device list is empty: there is nothing to export.</source>
        <translation>L&apos;elenco dispositivi è vuoto: non c&apos;è nulla da esportare.</translation>
    </message>
    <message>
        <source>Write the clocks&apos; passwords into the file too? Whoever can read the file can then log in to the clocks.</source>
        <translation>Scrivere nel file anche le password degli orologi? Chiunque possa leggere il file potrà accedere agli orologi.</translation>
    </message>
    <message>
        <source>Without passwords</source>
        <translation>Senza password</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>With passwords</source>
        <translation>Con password</translation>
    </message>
    <message>
        <source>Export device list</source>
        <translation>Esporta elenco dispositivi</translation>
    </message>
    <message>
        <source>Address plans (*.csv)</source>
        <translation>Piani di indirizzamento (*.csv)</translation>
    </message>
    <message>
        <source>The device list could not be written to %1.</source>
        <translation>Impossibile scrivere l&apos;elenco dispositivi in %1.</translation>
    </message>
    <message>
        <source>Device list exported to %1</source>
        <translation>Elenco dispositivi esportato in %1</translation>
    </message>
    <message>
        <source>These listed clocks answered at a new address while nothing else answered at the old one:
%1
Move their rows there?</source>
        <translation>Questi orologi dell&apos;elenco hanno risposto a un nuovo indirizzo e nient&apos;altro ha risposto a quello vecchio:
%1
Spostare lì le loro righe?</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantieni</translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«%1» non è un indirizzo IPv4</translation>
    </message>
    <message>
        <source>&quot;/%1&quot; is not a prefix length from 0 to 32</source>
        <translation>«/%1» non è una lunghezza di prefisso da 0 a 32</translation>
    </message>
    <message>
        <source>the range %1 ends before it starts</source>
        <translation>l&apos;intervallo %1 finisce prima di iniziare</translation>
    </message>
    <message>
        <source>the range %1 holds %2 addresses; at most %3 are probed</source>
        <translation>l&apos;intervallo %1 contiene %2 indirizzi; se ne scansionano al massimo %3</translation>
    </message>
    <message>
        <source>The range %1 to %2 holds %3 addresses, more than %4.</source>
        <translation>L&apos;intervallo da %1 a %2 contiene %3 indirizzi, più di %4.</translation>
    </message>
    <message>
        <source>%1 is in 0.0.0.0/8, which means &quot;this network&quot;, not a host</source>
        <translation>%1 è in 0.0.0.0/8, che indica «questa rete», non un host</translation>
    </message>
    <message>
        <source>%1 is a multicast address (224.0.0.0/4), not a clock</source>
        <translation>%1 è un indirizzo multicast (224.0.0.0/4), non un orologio</translation>
    </message>
    <message>
        <source>%1 is in the reserved block 240.0.0.0/4, not a clock</source>
        <translation>%1 è nel blocco riservato 240.0.0.0/4, non un orologio</translation>
    </message>
    <message>
        <source>%1 is the limited broadcast address, not a clock</source>
        <translation>%1 è l&apos;indirizzo di broadcast limitato, non un orologio</translation>
    </message>
</context>
<context>
    <name>AlarmTable</name>
    <message>
        <source>Active</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Duration[s]</source>
        <translation>Durata [s]</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sab</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Ora dell&apos;allarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 duration</source>
        <translation>Durata dell&apos;allarme %1</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Tutti i giorni</translation>
    </message>
    <message>
        <source>Selected days</source>
        <translation>Giorni selezionati</translation>
    </message>
</context>
<context>
    <name>AuditChecks</name>
    <message>
        <source>Synchronization is &quot;None&quot;: the clock keeps time by itself</source>
        <translation>Sincronizzazione impostata su «Nessuna»: l&apos;orologio mantiene l&apos;ora da solo</translation>
    </message>
    <message>
        <source>NTP without any server</source>
        <translation>NTP senza alcun server</translation>
    </message>
    <message>
        <source>No fresh status: %1</source>
        <translation>Nessuno stato aggiornato: %1</translation>
    </message>
    <message>
        <source>NTP not synchronized: %1</source>
        <translation>NTP non sincronizzato: %1</translation>
    </message>
    <message>
        <source>Time zone or summer-time rule outside the lists of choices</source>
        <translation>Fuso orario o regola dell&apos;ora legale non presenti negli elenchi di scelta</translation>
    </message>
    <message>
        <source>The clock runs %1 ahead of %2 now</source>
        <translation>L&apos;orologio è ora avanti di %1 rispetto a %2</translation>
    </message>
    <message>
        <source>The clock runs %1 behind %2 now</source>
        <translation>L&apos;orologio è ora indietro di %1 rispetto a %2</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 ahead</source>
        <translation>Dal %1 (%2) l&apos;orologio sarà avanti di %3</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 behind</source>
        <translation>Dal %1 (%2) l&apos;orologio sarà indietro di %3</translation>
    </message>
    <message>
        <source>%1 is %2 in the clock, %3 in group %4</source>
        <translation>%1 vale %2 nell&apos;orologio e %3 nel gruppo %4</translation>
    </message>
    <message>
        <source>Configuration not downloaded: %1</source>
        <translation>Configurazione non scaricata: %1</translation>
    </message>
    <message>
        <source>Firmware %1 is below the minimum %2 for %3</source>
        <translation>Il firmware %1 è inferiore alla versione minima %2 per %3</translation>
    </message>
</context>
<context>
    <name>AuditCommand</name>
    <message>
        <source>There is no group named %1.</source>
        <translation>Non esiste alcun gruppo denominato %1.</translation>
    </message>
    <message>
        <source>Auditing clocks</source>
        <translation>Verifica degli orologi</translation>
    </message>
    <message>
        <source>Cannot keep the findings in %1.</source>
        <translation>Impossibile conservare i rilievi in %1.</translation>
    </message>
    <message>
        <source>The setting Audit/minFirmware holds &quot;%1&quot;, not MODEL=VERSION such as QM03=1.10; it is left out.</source>
        <translation>L&apos;impostazione Audit/minFirmware contiene «%1», non MODEL=VERSION come QM03=1.10; viene ignorata.</translation>
    </message>
</context>
<context>
    <name>AuditFinding</name>
    <message>
        <source>Critical</source>
        <translation>Critico</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avvertenza</translation>
    </message>
    <message>
        <source>Not reachable</source>
        <translation>Non raggiungibile</translation>
    </message>
    <message>
        <source>Drift from the group</source>
        <translation>Scostamento dal gruppo</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Sorgente oraria</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Ora legale</translation>
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
        <translation>Orologio</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravità</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Rilievo</translation>
    </message>
</context>
<context>
    <name>AuditReport</name>
    <message>
        <source>%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without findings.</source>
        <translation>Orologi verificati: %1; con rilievi critici: %2, con avvertenze: %3, senza rilievi: %4.</translation>
    </message>
</context>
<context>
    <name>AvailabilityMailer</name>
    <message>
        <source>availability report %1</source>
        <translation>rapporto di disponibilità %1</translation>
    </message>
    <message>
        <source>Availability of the clocks from %1 to %2.</source>
        <translation>Disponibilità degli orologi dal %1 al %2.</translation>
    </message>
    <message>
        <source>Clocks: %1</source>
        <translation>Orologi: %1</translation>
    </message>
    <message>
        <source>Answering: %1</source>
        <translation>Risponde: %1</translation>
    </message>
    <message>
        <source>Synchronised: %1</source>
        <translation>Sincronizzato: %1</translation>
    </message>
    <message>
        <source>Incidents: %1</source>
        <translation>Incidenti: %1</translation>
    </message>
    <message>
        <source>The workbook attached holds the figures of every group and clock and the outages.</source>
        <translation>La cartella di lavoro allegata contiene i valori di ogni gruppo e orologio e le interruzioni.</translation>
    </message>
</context>
<context>
    <name>AvailabilityWorkbook</name>
    <message>
        <source>Answering</source>
        <translation>Risponde</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Sincronizzato</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incidenti</translation>
    </message>
    <message>
        <source>Longest incident</source>
        <translation>Incidente più lungo</translation>
    </message>
    <message>
        <source>Incident time</source>
        <translation>Durata degli incidenti</translation>
    </message>
    <message>
        <source>Mean time to recovery</source>
        <translation>Tempo medio di ripristino</translation>
    </message>
    <message>
        <source>Quiet time</source>
        <translation>Tempo in silenzio</translation>
    </message>
    <message>
        <source>Unknown time</source>
        <translation>Tempo sconosciuto</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>No group</source>
        <translation>Nessun gruppo</translation>
    </message>
    <message>
        <source>Availability of the clocks</source>
        <translation>Disponibilità degli orologi</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Dal</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Orologi</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Outages</source>
        <translation>Interruzioni</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Ongoing</source>
        <translation>In corso</translation>
    </message>
    <message numerus="yes">
        <source>%n further outages are not listed.</source>
        <translation>
            <numerusform>%n altra interruzione non è elencata.</numerusform>
            <numerusform>Altre %n interruzioni non sono elencate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
</context>
<context>
    <name>ChangeClocksFlow</name>
    <message>
        <source>Reading configurations: %1 of %2 clocks</source>
        <translation>Lettura delle configurazioni: %1 di %2 orologi</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Ondata %1: %2 orologi</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Esecuzione di modifica %1: %2 di %3 orologi da modificare.</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Arresto dopo l&apos;ondata in corso…</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Esecuzione di modifica %1: %2 verificati di %3 orologi.</translation>
    </message>
    <message>
        <source>Stopped between waves; zentick-cli change --resume %1 goes on with it.</source>
        <translation>Fermata tra due ondate; zentick-cli change --resume %1 la prosegue.</translation>
    </message>
    <message>
        <source>The run could not be kept: %1</source>
        <translation>Non è stato possibile conservare l&apos;esecuzione: %1</translation>
    </message>
</context>
<context>
    <name>ChangeCommand</name>
    <message>
        <source>change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align</source>
        <translation>change: indicare una delle opzioni --set FIELD=VALUE, --from FILE --only FIELD,... o --align</translation>
    </message>
    <message>
        <source>change: --from and --only go together</source>
        <translation>change: --from e --only vanno usati insieme</translation>
    </message>
    <message>
        <source>change: --set %1: expected FIELD=VALUE with a field of the configuration file (Server1, Brightness, Alarm2.Time, ...)</source>
        <translation>change: --set %1: atteso FIELD=VALUE con un campo del file di configurazione (Server1, Brightness, Alarm2.Time, ...)</translation>
    </message>
    <message>
        <source>change: --only: there is no field %1</source>
        <translation>change: --only: non esiste il campo %1</translation>
    </message>
    <message>
        <source>change: --only names no field</source>
        <translation>change: --only non indica alcun campo</translation>
    </message>
    <message>
        <source>change: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>change: --max-failed: atteso un numero di orologi o una percentuale (5%)</translation>
    </message>
    <message>
        <source>change: --resume goes on with the run&apos;s own clocks and change; --%1 cannot be given with it</source>
        <translation>change: --resume prosegue l&apos;esecuzione con i suoi orologi e la sua modifica; --%1 non può essere indicato insieme</translation>
    </message>
    <message>
        <source>change: --resume takes no clocks</source>
        <translation>change: --resume non accetta orologi</translation>
    </message>
    <message>
        <source>Send the change to %1 clocks? [y/N] </source>
        <translation>Inviare la modifica a %1 orologi? [y/N] </translation>
    </message>
    <message>
        <source>Reading configurations</source>
        <translation>Lettura delle configurazioni</translation>
    </message>
    <message>
        <source>Nothing was sent; change --resume %1 goes on with this run.</source>
        <translation>Non è stato inviato nulla; change --resume %1 riprende questa esecuzione.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Ondata %1: %2 orologi</translation>
    </message>
    <message>
        <source>Sending the change</source>
        <translation>Invio della modifica</translation>
    </message>
    <message>
        <source>Cannot keep the run in %1: %2</source>
        <translation>Impossibile conservare l&apos;esecuzione in %1: %2</translation>
    </message>
    <message>
        <source>change --resume %1 goes on with the clocks not yet done.</source>
        <translation>change --resume %1 prosegue con gli orologi non ancora completati.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Non è stato inviato nulla.</translation>
    </message>
</context>
<context>
    <name>ChangeFieldChoices</name>
    <message>
        <source>Localization</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Fuso orario attivo</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Sorgente dell&apos;ora</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Server NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Server NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Server NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Server NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Server NTP 5</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Modalità master</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Intervallo di interrogazione</translation>
    </message>
    <message>
        <source>Summer time start time</source>
        <translation>Ora di inizio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time end time</source>
        <translation>Ora di fine dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time start week</source>
        <translation>Settimana di inizio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time end week</source>
        <translation>Settimana di fine dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time start day</source>
        <translation>Giorno di inizio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time end day</source>
        <translation>Giorno di fine dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time start month</source>
        <translation>Mese di inizio dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Summer time end month</source>
        <translation>Mese di fine dell&apos;ora legale</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostra ora</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Mostra temperatura</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostra data</translation>
    </message>
    <message>
        <source>Time shown for [s]</source>
        <translation>Ora mostrata per [s]</translation>
    </message>
    <message>
        <source>Temperature shown for [s]</source>
        <translation>Temperatura mostrata per [s]</translation>
    </message>
    <message>
        <source>Date shown for [s]</source>
        <translation>Data mostrata per [s]</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato ora</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Zeri iniziali dell&apos;ora</translation>
    </message>
    <message>
        <source>Blinking colon</source>
        <translation>Due punti lampeggianti</translation>
    </message>
    <message>
        <source>Brightness level</source>
        <translation>Livello di luminosità</translation>
    </message>
    <message>
        <source>Brightness profile</source>
        <translation>Profilo di luminosità</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unità di temperatura</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Correzione della temperatura</translation>
    </message>
    <message>
        <source>Temperature offset value</source>
        <translation>Valore di correzione della temperatura</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Sincronizzazione del display</translation>
    </message>
    <message>
        <source>Display synchronization mode</source>
        <translation>Modalità di sincronizzazione del display</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP del master</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Modalità eco</translation>
    </message>
    <message>
        <source>Eco switch on</source>
        <translation>Eco: accensione</translation>
    </message>
    <message>
        <source>Eco switch off</source>
        <translation>Eco: spegnimento</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Alarm %1: active</source>
        <translation>Allarme %1: attivo</translation>
    </message>
    <message>
        <source>Alarm %1: time</source>
        <translation>Allarme %1: ora</translation>
    </message>
    <message>
        <source>Alarm %1: duration [s]</source>
        <translation>Allarme %1: durata [s]</translation>
    </message>
    <message>
        <source>Alarm %1: selected days</source>
        <translation>Allarme %1: giorni scelti</translation>
    </message>
    <message>
        <source>Alarm %1: Monday</source>
        <translation>Allarme %1: lunedì</translation>
    </message>
    <message>
        <source>Alarm %1: Tuesday</source>
        <translation>Allarme %1: martedì</translation>
    </message>
    <message>
        <source>Alarm %1: Wednesday</source>
        <translation>Allarme %1: mercoledì</translation>
    </message>
    <message>
        <source>Alarm %1: Thursday</source>
        <translation>Allarme %1: giovedì</translation>
    </message>
    <message>
        <source>Alarm %1: Friday</source>
        <translation>Allarme %1: venerdì</translation>
    </message>
    <message>
        <source>Alarm %1: Saturday</source>
        <translation>Allarme %1: sabato</translation>
    </message>
    <message>
        <source>Alarm %1: Sunday</source>
        <translation>Allarme %1: domenica</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>ChangeRecipe</name>
    <message>
        <source>its group has no configuration</source>
        <translation>il suo gruppo non ha una configurazione</translation>
    </message>
    <message>
        <source>no daylight-saving setting of the clock follows the zone %1</source>
        <translation>nessuna impostazione dell&apos;ora legale dell&apos;orologio segue il fuso %1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>già corretto</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviato</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>configurazione non leggibile (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>l&apos;esecuzione si è fermata prima dell&apos;ondata di questo orologio</translation>
    </message>
    <message>
        <source>already right: skipped</source>
        <translation>già corretto: saltato</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: saltato</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Esecuzione della modifica %1: %2 orologi su %3 da modificare.</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>orologio</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>campi</translation>
    </message>
    <message>
        <source>before</source>
        <translation>prima</translation>
    </message>
    <message>
        <source>after</source>
        <translation>dopo</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Esecuzione della modifica %1: %2 verificati su %3 orologi.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Fermato tra due ondate: sono falliti più orologi di quanti ne consenta --max-failed, oppure l&apos;esecuzione è stata interrotta.</translation>
    </message>
</context>
<context>
    <name>ChangeRun</name>
    <message>
        <source>cannot write the run&apos;s file</source>
        <translation>impossibile scrivere il file dell&apos;esecuzione</translation>
    </message>
    <message>
        <source>not verified: %1</source>
        <translation>non verificato: %1</translation>
    </message>
    <message>
        <source>not verified: the clock does not show the change (%1)</source>
        <translation>non verificato: l&apos;orologio non riporta la modifica (%1)</translation>
    </message>
</context>
<context>
    <name>ChangeRunFile</name>
    <message>
        <source>no valid run id</source>
        <translation>nessun ID di esecuzione valido</translation>
    </message>
    <message>
        <source>%1 is no run id (such as 20261209-041502-7f3a)</source>
        <translation>%1 non è un ID di esecuzione (ad esempio 20261209-041502-7f3a)</translation>
    </message>
    <message>
        <source>there is no change run %1</source>
        <translation>non esiste l&apos;esecuzione della modifica %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 è troppo grande</translation>
    </message>
    <message>
        <source>%1 is not a change run: %2</source>
        <translation>%1 non è un&apos;esecuzione della modifica: %2</translation>
    </message>
</context>
<context>
    <name>ChangeRunModel</name>
    <message>
        <source>already right: skipped</source>
        <translation>già corretto: saltato</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: saltato</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Vecchio → nuovo</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campi</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>già corretto</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviato</translation>
    </message>
    <message>
        <source>being sent</source>
        <translation>in invio</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>configurazione non leggibile (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>l&apos;esecuzione si è fermata prima della sua ondata</translation>
    </message>
</context>
<context>
    <name>ChangeRunState</name>
    <message>
        <source>not a change run of this version</source>
        <translation>non è un&apos;esecuzione della modifica di questa versione</translation>
    </message>
    <message>
        <source>no valid run id</source>
        <translation>nessun ID di esecuzione valido</translation>
    </message>
    <message>
        <source>the change it makes is not readable</source>
        <translation>la modifica che apporta non è leggibile</translation>
    </message>
    <message>
        <source>more than %1 clocks</source>
        <translation>più di %1 orologi</translation>
    </message>
    <message>
        <source>clock %1 is not readable</source>
        <translation>l&apos;orologio %1 non è leggibile</translation>
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
        <translation>Stati Uniti</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israele</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
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
        <translation>Prima</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>Seconda</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>Terza</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>Quarta</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
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
        <translation>Interno standard</translation>
    </message>
    <message>
        <source>Indoor dynamic</source>
        <translation>Interno dinamico</translation>
    </message>
    <message>
        <source>Outdoor standard</source>
        <translation>Esterno standard</translation>
    </message>
    <message>
        <source>Outdoor dynamic</source>
        <translation>Esterno dinamico</translation>
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
        <translation>Modalità master</translation>
    </message>
    <message>
        <source>Slave basic mode</source>
        <translation>Modalità slave base</translation>
    </message>
    <message>
        <source>Slave full mode</source>
        <translation>Modalità slave completa</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrotondato</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Squadrato</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Refreshing status</source>
        <translation>Aggiornamento dello stato</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Scaricamento della configurazione</translation>
    </message>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Configurazione dell&apos;orologio %1 scaricata</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Invio della configurazione</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviata</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non inviata</translation>
    </message>
    <message>
        <source>The configuration did not reach %1 of %2 clocks.</source>
        <translation>Orologi non raggiunti dalla configurazione: %1 su %2.</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>Configurazione inviata correttamente.</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Invio del nome</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Nome modificato correttamente.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Invio delle impostazioni di rete</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Impostazioni di rete modificate correttamente.</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Invio della password</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Password modificata correttamente.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Nessun orologio con l&apos;indirizzo %1 è nell&apos;elenco dei dispositivi.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Lettura dello stato</translation>
    </message>
    <message>
        <source>Authentication data set for %1 (%2).</source>
        <translation>Dati di autenticazione impostati per %1 (%2).</translation>
    </message>
    <message>
        <source>The clock answered with them: %1</source>
        <translation>L&apos;orologio ha risposto con questi dati: %1</translation>
    </message>
</context>
<context>
    <name>ClockEventText</name>
    <message>
        <source>Stopped answering</source>
        <translation>Non risponde più</translation>
    </message>
    <message>
        <source>Answers again</source>
        <translation>Risponde di nuovo</translation>
    </message>
    <message>
        <source>NTP: %1</source>
        <translation>NTP: %1</translation>
    </message>
    <message>
        <source>Alert due: %1</source>
        <translation>Avviso scattato: %1</translation>
    </message>
    <message>
        <source>Alert mail delivered, naming %1 clocks</source>
        <translation>E-mail di avviso consegnata, con %1 orologi</translation>
    </message>
    <message>
        <source>Alert mail delivered</source>
        <translation>E-mail di avviso consegnata</translation>
    </message>
    <message>
        <source>Mail not delivered: %1</source>
        <translation>E-mail non consegnata: %1</translation>
    </message>
    <message>
        <source>Back to normal</source>
        <translation>Tornato alla normalità</translation>
    </message>
    <message>
        <source>Recovery mail delivered</source>
        <translation>E-mail di ripristino consegnata</translation>
    </message>
    <message>
        <source>Quiet until %1</source>
        <translation>Silenzio fino al %1</translation>
    </message>
    <message>
        <source>Quiet until lifted</source>
        <translation>Silenzio fino a revoca</translation>
    </message>
    <message>
        <source>Quiet period ended</source>
        <translation>Periodo di silenzio terminato</translation>
    </message>
    <message>
        <source>Quiet period lifted</source>
        <translation>Periodo di silenzio revocato</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Monitoraggio avviato</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Monitoraggio fermato</translation>
    </message>
    <message>
        <source>Watched by the monitor</source>
        <translation>Osservato dal monitor</translation>
    </message>
    <message>
        <source>Configuration sent</source>
        <translation>Configurazione inviata</translation>
    </message>
    <message>
        <source>Name set</source>
        <translation>Nome impostato</translation>
    </message>
    <message>
        <source>Network settings set</source>
        <translation>Impostazioni di rete impostate</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Password cambiata</translation>
    </message>
    <message>
        <source>Address conflict resolved</source>
        <translation>Conflitto di indirizzi risolto</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Changed by an operator</source>
        <translation>Modificato da un operatore</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 da %2</translation>
    </message>
    <message>
        <source>%1 by %2 failed: %3</source>
        <translation>%1 da %2 non riuscito: %3</translation>
    </message>
    <message>
        <source>(run %1)</source>
        <translation>(esecuzione %1)</translation>
    </message>
</context>
<context>
    <name>ClockIntake</name>
    <message>
        <source>%1: %2 (%3) moved to %4 (%5)</source>
        <translation>%1: %2 (%3) spostato su %4 (%5)</translation>
    </message>
    <message>
        <source>%1: moved to %2, but refused its new MAC; it keeps %3</source>
        <translation>%1: spostato su %2, ma ha rifiutato il nuovo MAC; mantiene %3</translation>
    </message>
    <message>
        <source>%1: refused its new address; it stays at %2</source>
        <translation>%1: ha rifiutato il nuovo indirizzo; resta su %2</translation>
    </message>
</context>
<context>
    <name>ClockListModel</name>
    <message>
        <source>Muted until %1</source>
        <translation>Silenzio fino al %1</translation>
    </message>
    <message>
        <source>Muted until unmuted</source>
        <translation>Silenzio fino a revoca</translation>
    </message>
    <message>
        <source>No audit findings</source>
        <translation>Nessun rilievo della verifica</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Group of %1</source>
        <translation>Gruppo di %1</translation>
    </message>
    <message>
        <source>Left and Right choose a button, Space presses it; the context menu lists the same actions</source>
        <translation>Le frecce sinistra e destra scelgono un pulsante, la barra spaziatrice lo preme; il menu contestuale elenca le stesse azioni</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Audit</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gestione</translation>
    </message>
    <message>
        <source>Quiet hours until %1</source>
        <translation>Ore di silenzio fino alle %1</translation>
    </message>
    <message>
        <source>Quiet hours all week</source>
        <translation>Ore di silenzio per tutta la settimana</translation>
    </message>
    <message>
        <source>Quiet hours: %1</source>
        <translation>Ore di silenzio: %1</translation>
    </message>
    <message>
        <source>Quiet hours not understood, not obeyed: %1</source>
        <translation>Ore di silenzio non comprese, non rispettate: %1</translation>
    </message>
</context>
<context>
    <name>ClockMerge</name>
    <message>
        <source>moved from %1 to %2</source>
        <translation>spostato da %1 a %2</translation>
    </message>
    <message>
        <source>two clocks report MAC %1 (%2 and %3); nothing changed</source>
        <translation>due orologi riportano il MAC %1 (%2 e %3); nulla è cambiato</translation>
    </message>
    <message>
        <source>not moved from %1 to %2: %1 did not answer with another clock; the move waits for confirmation</source>
        <translation>non spostato da %1 a %2: a %1 non ha risposto un altro orologio; lo spostamento attende conferma</translation>
    </message>
</context>
<context>
    <name>ClockPrinter</name>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
</context>
<context>
    <name>ClockRegistry</name>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
</context>
<context>
    <name>ClockSelection</name>
    <message>
        <source>%1: %2: rows naming no listed clock, left out (import lists them): %3</source>
        <translation>%1: %2: righe senza orologio nell&apos;elenco, tralasciate (import le aggiunge): %3</translation>
    </message>
    <message>
        <source>%1: --mac names one clock; it cannot be given with --all, --group or --plan</source>
        <translation>%1: --mac indica un solo orologio; non si può dare con --all, --group o --plan</translation>
    </message>
    <message>
        <source>There is no group named %1.</source>
        <translation>Non esiste un gruppo chiamato %1.</translation>
    </message>
    <message>
        <source>%1: give the clocks: addresses, --group NAME, --plan FILE or --all</source>
        <translation>%1: indicare gli orologi: indirizzi, --group NOME, --plan FILE o --all</translation>
    </message>
</context>
<context>
    <name>CommissionCommands</name>
    <message>
        <source>Probing addresses</source>
        <translation>Scansione degli indirizzi</translation>
    </message>
    <message>
        <source>Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.</source>
        <translation>Interrotto dal segnale %1 dopo %2 indirizzi su %3; gli orologi trovati sono nell&apos;elenco dispositivi.</translation>
    </message>
    <message>
        <source>Give --force to probe them all.</source>
        <translation>Usare --force per scansionarli tutti.</translation>
    </message>
</context>
<context>
    <name>CommissionedAddress</name>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>già in elenco</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>spostato</translation>
    </message>
    <message>
        <source>not a clock</source>
        <translation>non è un orologio</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>password errata</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>rinominato</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>non rinominato</translation>
    </message>
    <message>
        <source>MAC conflict</source>
        <translation>conflitto di MAC</translation>
    </message>
    <message>
        <source>added, not answering</source>
        <translation>aggiunto, non risponde</translation>
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
        <translation>Esito</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es)</source>
        <translation>
            <numerusform>%n indirizzo</numerusform>
            <numerusform>%n indirizzi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommissioningSender</name>
    <message>
        <source>the network settings do not read as a clock&apos;s</source>
        <translation>le impostazioni di rete non sono quelle di un orologio</translation>
    </message>
    <message>
        <source>the status does not read as a clock&apos;s</source>
        <translation>lo stato non è quello di un orologio</translation>
    </message>
    <message>
        <source>it does not answer as a clock does, so it was not sent the password</source>
        <translation>non risponde come un orologio, quindi non gli è stata inviata la password</translation>
    </message>
    <message>
        <source>the answer names no firmware</source>
        <translation>la risposta non indica alcun firmware</translation>
    </message>
    <message>
        <source>model not recognised</source>
        <translation>modello non riconosciuto</translation>
    </message>
    <message>
        <source>another clock (%1) answers at this address</source>
        <translation>a questo indirizzo risponde un altro orologio (%1)</translation>
    </message>
</context>
<context>
    <name>ConfigFieldAccess</name>
    <message>
        <source>expected on or off</source>
        <translation>atteso on o off</translation>
    </message>
    <message>
        <source>expected a time HH:MM</source>
        <translation>atteso un orario HH:MM</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>atteso un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>holds &quot;&amp;&quot;, &quot;=&quot; or a control character, or is too long</source>
        <translation>il valore contiene «&amp;», «=» o un carattere di controllo, oppure è troppo lungo</translation>
    </message>
    <message>
        <source>expected a number from %1 to %2</source>
        <translation>atteso un numero da %1 a %2</translation>
    </message>
    <message>
        <source>there is no field %1</source>
        <translation>non esiste il campo %1</translation>
    </message>
</context>
<context>
    <name>ConfigParts</name>
    <message>
        <source>time part</source>
        <translation>parte orario</translation>
    </message>
    <message>
        <source>display part</source>
        <translation>parte display</translation>
    </message>
    <message>
        <source>alarm part</source>
        <translation>parte allarmi</translation>
    </message>
    <message>
        <source>Configuration not read completely: %1</source>
        <translation>Configurazione non letta completamente: %1</translation>
    </message>
    <message>
        <source>Configuration not complete (%1); nothing was sent.</source>
        <translation>Configurazione incompleta (%1); non è stato inviato nulla.</translation>
    </message>
</context>
<context>
    <name>ConfigurationDownload</name>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Configurazione dell&apos;orologio %1 scaricata</translation>
    </message>
</context>
<context>
    <name>ConfigurationFileActions</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.qlxztc)</source>
        <translation>File di configurazione Zentick (*.qlxztc)</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.xml)</source>
        <translation>File di configurazione Zentick (*.xml)</translation>
    </message>
    <message>
        <source>Clock configuration files (*.xml)</source>
        <translation>File di configurazione dell&apos;orologio (*.xml)</translation>
    </message>
    <message>
        <source>Configuration loaded successfully</source>
        <translation>Configurazione caricata correttamente</translation>
    </message>
    <message>
        <source>Configuration loaded failed</source>
        <translation>Caricamento della configurazione non riuscito</translation>
    </message>
    <message>
        <source>Configuration saved successfully</source>
        <translation>Configurazione salvata correttamente</translation>
    </message>
    <message>
        <source>Configuration save failed</source>
        <translation>Salvataggio della configurazione non riuscito</translation>
    </message>
    <message>
        <source>Configuration exported successfully</source>
        <translation>Configurazione esportata correttamente</translation>
    </message>
    <message>
        <source>Configuration export failed</source>
        <translation>Esportazione della configurazione non riuscita</translation>
    </message>
    <message>
        <source>Configuration import successfully</source>
        <translation>Configurazione importata correttamente</translation>
    </message>
    <message>
        <source>Configuration import failed</source>
        <translation>Importazione della configurazione non riuscita</translation>
    </message>
</context>
<context>
    <name>DailyAudit</name>
    <message>
        <source>Canceled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Unchanged since the last mail; not mailed.</source>
        <translation>Invariato dall&apos;ultima e-mail; non inviato.</translation>
    </message>
    <message>
        <source>%1 audit: %2</source>
        <translation>Verifica %1: %2</translation>
    </message>
    <message>
        <source>Not mailed: no recipient or no connection to the mail server.</source>
        <translation>Non inviato: nessun destinatario o nessuna connessione al server di posta.</translation>
    </message>
    <message>
        <source>Not mailed: %1</source>
        <translation>Non inviato: %1</translation>
    </message>
    <message>
        <source>Cannot write %1; the same findings will be mailed again.</source>
        <translation>Impossibile scrivere %1; gli stessi rilievi verranno inviati di nuovo.</translation>
    </message>
    <message>
        <source>Mailed.</source>
        <translation>Inviato.</translation>
    </message>
    <message>
        <source>%1  Audit: %2 %3</source>
        <translation>%1  Verifica: %2 %3</translation>
    </message>
</context>
<context>
    <name>DevClock</name>
    <message>
        <source>Synchronized</source>
        <translation>Sincronizzato</translation>
    </message>
    <message>
        <source>Last synchronization time</source>
        <translation>Ora dell&apos;ultima sincronizzazione</translation>
    </message>
    <message>
        <source>Ntp server timeout</source>
        <translation>Timeout del server NTP</translation>
    </message>
    <message>
        <source>Last synchronization</source>
        <translation>Ultima sincronizzazione</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Errore di connessione</translation>
    </message>
    <message>
        <source>Ntp synchronization disabled</source>
        <translation>Sincronizzazione NTP disattivata</translation>
    </message>
    <message>
        <source>No status available</source>
        <translation>Nessuno stato disponibile</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Last status update</source>
        <translation>Ultimo aggiornamento dello stato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Authorization error</source>
        <translation>Errore di autorizzazione</translation>
    </message>
    <message>
        <source>Device is not responding</source>
        <translation>Il dispositivo non risponde</translation>
    </message>
    <message>
        <source> - IP duplicate found</source>
        <translation> - trovato IP duplicato</translation>
    </message>
    <message>
        <source>Synchronized (no server named)</source>
        <translation>Sincronizzato (nessun server indicato)</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>Replies to the search lost because the system&apos;s receive buffer was full: %1. Search again to find the missing clocks.</source>
        <translation>Risposte alla ricerca perse perché il buffer di ricezione del sistema era pieno: %1. Cerca di nuovo per trovare gli orologi mancanti.</translation>
    </message>
</context>
<context>
    <name>DeviceListLock</name>
    <message>
        <source>another program</source>
        <translation>un altro programma</translation>
    </message>
    <message>
        <source>The device list is in use by %1 (process %2 on %3).</source>
        <translation>L&apos;elenco dispositivi è in uso da parte di %1 (processo %2 su %3).</translation>
    </message>
    <message>
        <source>The device list is in use by another program.</source>
        <translation>L&apos;elenco dispositivi è in uso da parte di un altro programma.</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>impossibile scrivere il file di blocco</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1 of the device list: %2.</source>
        <translation>Impossibile creare il file di blocco %1 dell&apos;elenco dispositivi: %2.</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Finds, sets up and watches LED wall clocks.</source>
        <translation>Trova, configura e monitora gli orologi da parete a LED.</translation>
    </message>
    <message>
        <source>Copyright QLX Devices. All rights reserved.</source>
        <translation>Copyright QLX Devices. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>DialogAuditFindings</name>
    <message>
        <source>Check clocks</source>
        <translation>Verifica orologi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Daylight saving compared with %1.</source>
        <translation>Ora legale confrontata con %1.</translation>
    </message>
    <message>
        <source>Site zone…</source>
        <translation>Fuso della sede…</translation>
    </message>
    <message>
        <source>Change the time zone the audit compares the clocks with</source>
        <translation>Cambia il fuso orario con cui la verifica confronta gli orologi</translation>
    </message>
    <message>
        <source>Align with group…</source>
        <translation>Allinea al gruppo…</translation>
    </message>
    <message>
        <source>Change the clocks that depart from their group&apos;s configuration or leave the site&apos;s zone, after a preview</source>
        <translation>Modifica, dopo un&apos;anteprima, gli orologi che si discostano dalla configurazione del gruppo o dal fuso del sito</translation>
    </message>
</context>
<context>
    <name>DialogAuthentication</name>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>DialogAvailability</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilità</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Gruppi</translation>
    </message>
    <message>
        <source>C&amp;locks</source>
        <translation>&amp;Orologi</translation>
    </message>
    <message>
        <source>Ctrl+Enter sorts the table by the current column.</source>
        <translation>Ctrl+Invio ordina la tabella per la colonna corrente.</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Calcolo dei valori...</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossibile leggere la cronologia: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>Figures of %n clocks.</source>
        <translation>
            <numerusform>Valori di %n orologio.</numerusform>
            <numerusform>Valori di %n orologi.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogChangeClocks</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Send configuration to group</source>
        <translation>Invia configurazione al gruppo</translation>
    </message>
    <message>
        <source>Change clocks</source>
        <translation>Modifica orologi</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Orologi completati</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message numerus="yes">
        <source>Align %n clocks with their groups: the fields where a clock departs from its group&apos;s configuration, and its daylight saving where it leaves the site&apos;s zone.</source>
        <translation>
            <numerusform>Allinea %n orologio al suo gruppo: i campi in cui un orologio si discosta dalla configurazione del gruppo e l&apos;ora legale dove si discosta dal fuso del sito.</numerusform>
            <numerusform>Allinea %n orologi ai loro gruppi: i campi in cui un orologio si discosta dalla configurazione del gruppo e l&apos;ora legale dove si discosta dal fuso del sito.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n clocks is read first; the table shows what the send changes on each. Nothing is sent until you press Send.</source>
        <translation>
            <numerusform>%n orologio viene letto prima; la tabella mostra cosa cambia l&apos;invio. Non viene inviato nulla finché non premete Invia.</numerusform>
            <numerusform>Ciascuno dei %n orologi viene letto prima; la tabella mostra cosa cambia l&apos;invio su ciascuno. Non viene inviato nulla finché non premete Invia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Change %n clocks: choose the fields and their values, then Preview shows what each clock gets before anything is sent.</source>
        <translation>
            <numerusform>Modifica %n orologio: scegliete i campi e i loro valori, poi Anteprima mostra cosa riceve prima di inviare qualcosa.</numerusform>
            <numerusform>Modifica %n orologi: scegliete i campi e i loro valori, poi Anteprima mostra cosa riceve ogni orologio prima di inviare qualcosa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set fields</source>
        <translation>Imposta campi</translation>
    </message>
    <message>
        <source>Fields from a configuration file</source>
        <translation>Campi da un file di configurazione</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Fields to change</source>
        <translation>Campi da modificare</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Fields to take</source>
        <translation>Campi da prendere</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valore di %1</translation>
    </message>
    <message>
        <source>Export change result</source>
        <translation>Esporta il risultato della modifica</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Il risultato è stato scritto in %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogChangePasswords</name>
    <message>
        <source>Change passwords</source>
        <translation>Cambia password</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks: each is sent its new password, then asked for its status with it. The device list keeps the password each clock answers to.</source>
        <translation>
            <numerusform>Cambia la password di %n orologio: gli viene inviata la nuova password, poi gli si chiede lo stato con essa. L&apos;elenco dei dispositivi conserva la password a cui l&apos;orologio risponde.</numerusform>
            <numerusform>Cambia la password di %n orologi: a ciascuno viene inviata la nuova password, poi gli si chiede lo stato con essa. L&apos;elenco dei dispositivi conserva la password a cui ogni orologio risponde.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Orologi completati</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Orologi</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Esporta…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>New passwords</source>
        <translation>Nuove password</translation>
    </message>
    <message>
        <source>One new password for every clock</source>
        <translation>Una nuova password per tutti gli orologi</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Ripeti la nuova password</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>A new password for each clock, made here and saved to a file</source>
        <translation>Una nuova password per ogni orologio, creata qui e salvata in un file</translation>
    </message>
    <message>
        <source>File of the made passwords</source>
        <translation>File delle password create</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose the file of the made passwords</source>
        <translation>Scegli il file delle password create</translation>
    </message>
    <message>
        <source>Passwords from a file (ADDRESS,PASSWORD lines, or one password)</source>
        <translation>Password da un file (righe INDIRIZZO,PASSWORD o una sola password)</translation>
    </message>
    <message>
        <source>File of new passwords</source>
        <translation>File delle nuove password</translation>
    </message>
    <message>
        <source>Choose the file of new passwords</source>
        <translation>Scegli il file delle nuove password</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Vecchia password</translation>
    </message>
    <message>
        <source>Empty: each clock&apos;s stored password</source>
        <translation>Vuota: la password memorizzata di ogni orologio</translation>
    </message>
    <message>
        <source>Save the new passwords</source>
        <translation>Salva le nuove password</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open a file of new passwords</source>
        <translation>Apri un file di nuove password</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The new password is not the same in both fields.</source>
        <translation>La nuova password non è uguale nei due campi.</translation>
    </message>
    <message>
        <source>Choose the file first.</source>
        <translation>Scegliere prima il file.</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks?</source>
        <translation>
            <numerusform>Cambiare la password di %n orologio?</numerusform>
            <numerusform>Cambiare la password di %n orologi?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export password result</source>
        <translation>Esporta il risultato delle password</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Il risultato è stato scritto in %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Type the new password in both fields.</source>
        <translation>Digitare la nuova password in entrambi i campi.</translation>
    </message>
</context>
<context>
    <name>DialogCombobox</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Esiti per indirizzo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses; the clocks found until then are on the device list.</source>
        <translation>Interrotto dopo %1 indirizzi su %2; gli orologi trovati fino a quel momento sono nell&apos;elenco dispositivi.</translation>
    </message>
</context>
<context>
    <name>DialogDeviceSettings</name>
    <message>
        <source>Clock settings</source>
        <translation>Impostazioni orologio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interfaccia di rete</translation>
    </message>
    <message>
        <source>Network Interface:</source>
        <translation>Interfaccia di rete:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Aggiorna interfacce di rete</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nome orologio</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>DHCP client</source>
        <translation>Client DHCP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS Primary:</source>
        <translation>DNS primario:</translation>
    </message>
    <message>
        <source>DNS Secondary:</source>
        <translation>DNS secondario:</translation>
    </message>
    <message>
        <source>DHCP opt. 42</source>
        <translation>Opz. DHCP 42</translation>
    </message>
    <message>
        <source>DHCP opt. private</source>
        <translation>Opz. DHCP privata</translation>
    </message>
    <message>
        <source>Private opt. number:</source>
        <translation>Numero opz. privata:</translation>
    </message>
    <message>
        <source>Web Panel Timeout:</source>
        <translation>Timeout pannello web:</translation>
    </message>
    <message>
        <source>Disable remote access</source>
        <translation>Disattiva accesso remoto</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Cambia password</translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation>Password attuale:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <source>Repeat new password:</source>
        <translation>Ripeti nuova password:</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Il nome non può essere vuoto</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Invio del nome</translation>
    </message>
    <message>
        <source>The network settings were not sent: %1 is not a complete IP address.</source>
        <translation>Impostazioni di rete non inviate: %1 non è un indirizzo IP completo.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Invio delle impostazioni di rete</translation>
    </message>
    <message>
        <source>New password is not identical in both fields</source>
        <translation>La nuova password non coincide nei due campi</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Invio della password</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Nome modificato correttamente.</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Impostazioni di rete modificate correttamente.</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Password modificata correttamente.</translation>
    </message>
    <message>
        <source>Authentication data set.</source>
        <translation>Dati di autenticazione impostati.</translation>
    </message>
    <message>
        <source>Network interface set.</source>
        <translation>Interfaccia di rete impostata.</translation>
    </message>
</context>
<context>
    <name>DialogDevicesFound</name>
    <message>
        <source>Devices found</source>
        <translation>Dispositivi trovati</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interfaccia di rete</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Clock(s) with same IP already exist on device list. Do you want to add selected clock(s) anyway?</source>
        <translation>Nell&apos;elenco dispositivi sono già presenti orologi con lo stesso IP. Aggiungere comunque gli orologi selezionati?</translation>
    </message>
    <message>
        <source>moved from %1 to %2? Tick to confirm</source>
        <translation>spostato da %1 a %2? Spunta per confermare</translation>
    </message>
    <message>
        <source>wrong password for listed clock</source>
        <translation>password errata per un orologio dell&apos;elenco</translation>
    </message>
</context>
<context>
    <name>DialogEditName</name>
    <message>
        <source>Edit group name</source>
        <translation>Modifica nome gruppo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nome gruppo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>DialogHistory</name>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>History of %1 (%2)</source>
        <translation>Cronologia di %1 (%2)</translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation>Lettura del registro eventi...</translation>
    </message>
    <message>
        <source>Nothing has happened to this clock yet, or the journal is kept elsewhere.</source>
        <translation>Per questo orologio non è ancora successo nulla, oppure il registro eventi si trova altrove.</translation>
    </message>
    <message numerus="yes">
        <source>The latest %n events, newest first.</source>
        <translation>
            <numerusform>L&apos;ultimo evento.</numerusform>
            <numerusform>Gli ultimi %n eventi, dal più recente.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossibile leggere la cronologia: %1</translation>
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
        <translation>Aggiungi orologio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Network interface:</source>
        <translation>Interfaccia di rete:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Aggiorna interfacce di rete</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticazione</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Incorrect IP Address</source>
        <translation>Indirizzo IP non valido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One address</source>
        <translation>Un indirizzo</translation>
    </message>
    <message>
        <source>Address range</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Orologi</translation>
    </message>
    <message>
        <source>Address range:</source>
        <translation>Intervallo di indirizzi:</translation>
    </message>
    <message>
        <source>10.20.1.10-10.20.1.200 or 10.20.1.0/24</source>
        <translation>10.20.1.10-10.20.1.200 o 10.20.1.0/24</translation>
    </message>
    <message>
        <source>Address plan:</source>
        <translation>Piano di indirizzamento:</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Nessun file scelto</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>A CSV file with a header row: ip, name, group, user, password (only ip is needed).</source>
        <translation>Un file CSV con una riga di intestazione: ip, name, group, user, password (serve solo ip).</translation>
    </message>
    <message>
        <source>Give the clocks the plan&apos;s names</source>
        <translation>Assegna agli orologi i nomi del piano</translation>
    </message>
    <message>
        <source>Incorrect address range: %1</source>
        <translation>Intervallo di indirizzi non valido: %1</translation>
    </message>
    <message>
        <source>Ask every one of them?</source>
        <translation>Scansionarli tutti?</translation>
    </message>
    <message>
        <source>Ask all</source>
        <translation>Scansiona tutti</translation>
    </message>
    <message>
        <source>Open address plan</source>
        <translation>Apri piano di indirizzamento</translation>
    </message>
    <message>
        <source>Address plans (*.csv);;All files (*)</source>
        <translation>Piani di indirizzamento (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Choose the address plan first.</source>
        <translation>Scegliere prima il piano di indirizzamento.</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondate</translation>
    </message>
    <message>
        <source>1 % of the clocks</source>
        <translation>1 % degli orologi</translation>
    </message>
    <message>
        <source>10 % of the clocks</source>
        <translation>10 % degli orologi</translation>
    </message>
    <message>
        <source>5 % of the clocks sent to</source>
        <translation>5 % degli orologi a cui si è inviato</translation>
    </message>
    <message>
        <source>First wave (clocks)</source>
        <translation>Prima ondata (orologi)</translation>
    </message>
    <message>
        <source>Each later wave (clocks)</source>
        <translation>Ogni ondata successiva (orologi)</translation>
    </message>
    <message>
        <source>Failures before it stops</source>
        <translation>Errori prima dell&apos;arresto</translation>
    </message>
</context>
<context>
    <name>DialogProgress</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DialogQuestion</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Authorization error</source>
        <translation>Errore di autorizzazione</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Nessuna risposta</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host non trovato</translation>
    </message>
    <message>
        <source>Incorrect data sent or function is unsupported</source>
        <translation>Dati inviati non corretti o funzione non supportata</translation>
    </message>
    <message>
        <source>Unable connect to device</source>
        <translation>Impossibile connettersi al dispositivo</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Si è verificato un errore:</translation>
    </message>
    <message>
        <source>not a clock address</source>
        <translation>non è l&apos;indirizzo di un orologio</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connessione rifiutata</translation>
    </message>
    <message>
        <source>no route to the clock</source>
        <translation>nessun percorso verso l&apos;orologio</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>nessuna connessione entro %1 s</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>nome utente o password errati</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <source>the answer is not an HTTP reply</source>
        <translation>la risposta non è in formato HTTP</translation>
    </message>
    <message>
        <source>the clock answered with HTTP status %1</source>
        <translation>l&apos;orologio ha risposto con lo stato HTTP %1</translation>
    </message>
    <message>
        <source>the clock does not know this request</source>
        <translation>l&apos;orologio non riconosce questa richiesta</translation>
    </message>
    <message>
        <source>the answer does not end</source>
        <translation>la risposta non termina</translation>
    </message>
</context>
<context>
    <name>EventJournal</name>
    <message>
        <source>Journal %1 could not be written (%2); events lost: %3</source>
        <translation>Impossibile scrivere il registro %1 (%2); eventi persi: %3</translation>
    </message>
    <message>
        <source>Journal %1 cannot be written: %2; events wait in memory and are written when it can be.</source>
        <translation>Impossibile scrivere il registro %1: %2; gli eventi attendono in memoria e vengono scritti appena possibile.</translation>
    </message>
    <message>
        <source>Journal %1 is written again; %2 events were dropped meanwhile.</source>
        <translation>Il registro %1 viene di nuovo scritto; nel frattempo sono stati scartati %2 eventi.</translation>
    </message>
    <message>
        <source>Journal %1 is written again.</source>
        <translation>Il registro %1 viene di nuovo scritto.</translation>
    </message>
    <message>
        <source>The journal %1 was imported into the history: %2 events, %3 damaged lines skipped; it is kept as it was.</source>
        <translation>Il registro eventi %1 è stato importato nella cronologia: %2 eventi, %3 righe danneggiate saltate; viene conservato così com&apos;era.</translation>
    </message>
    <message>
        <source>The history was damaged and set aside as %1; a new one was started.</source>
        <translation>La cronologia era danneggiata ed è stata messa da parte come %1; ne è stata avviata una nuova.</translation>
    </message>
</context>
<context>
    <name>FailedAttempts</name>
    <message>
        <source>Refused a request with a wrong token from %1 (%2 from there so far); its next tokens are checked ever more slowly.</source>
        <translation>Rifiutata una richiesta con un token errato da %1 (%2 da lì finora); i suoi prossimi token vengono verificati sempre più lentamente.</translation>
    </message>
</context>
<context>
    <name>FleetCheck</name>
    <message>
        <source>Checking clocks</source>
        <translation>Verifica degli orologi</translation>
    </message>
    <message>
        <source>Site zone</source>
        <translation>Fuso della sede</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The audit compares each clock&apos;s daylight saving with the time zone of the site.</source>
        <translation>La verifica confronta l&apos;ora legale di ogni orologio con il fuso orario della sede.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
</context>
<context>
    <name>FleetSummary</name>
    <message>
        <source>%1 synchronized, %2 warning, %3 critical</source>
        <translation>sincronizzati: %1, con avvertenze: %2, critici: %3</translation>
    </message>
    <message>
        <source>%1 without status</source>
        <translation>senza stato: %1</translation>
    </message>
    <message>
        <source>Clocks: %1 (%2)</source>
        <translation>Orologi: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 with critical audit findings</source>
        <translation>con rilievi critici della verifica: %1</translation>
    </message>
</context>
<context>
    <name>GroupTree</name>
    <message>
        <source>Delete group</source>
        <translation>Elimina gruppo</translation>
    </message>
    <message>
        <source>Edit group configuration</source>
        <translation>Modifica configurazione gruppo</translation>
    </message>
    <message>
        <source>Change group name</source>
        <translation>Rinomina gruppo</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Verifica orologi</translation>
    </message>
    <message>
        <source>Remove clock from group</source>
        <translation>Rimuovi orologio dal gruppo</translation>
    </message>
    <message>
        <source>Copy clock configuration to group and edit</source>
        <translation>Copia configurazione orologio nel gruppo e modifica</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Periodo di silenzio</translation>
    </message>
    <message>
        <source>%1 (quiet)</source>
        <translation>%1 (in silenzio)</translation>
    </message>
    <message>
        <source>In the context menu of the row</source>
        <translation>Nel menu contestuale della riga</translation>
    </message>
    <message>
        <source>Change clocks of the group</source>
        <translation>Modifica gli orologi del gruppo</translation>
    </message>
    <message>
        <source>Change passwords of the group</source>
        <translation>Cambia le password del gruppo</translation>
    </message>
</context>
<context>
    <name>IncidentMail</name>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>%n orologio</numerusform>
            <numerusform>%n orologi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks need attention.</source>
        <translation>
            <numerusform>%n orologio richiede attenzione.</numerusform>
            <numerusform>%n orologi richiedono attenzione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Since: </source>
        <translation>Inizio: </translation>
    </message>
    <message>
        <source>back to normal: </source>
        <translation>ripristino: </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks are back to normal.</source>
        <translation>
            <numerusform>%n orologio è tornato alla normalità.</numerusform>
            <numerusform>%n orologi sono tornati alla normalità.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back to normal after %1</source>
        <translation>Tornato alla normalità dopo %1</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 g %2 h</translation>
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
        <translation>%1 verrà applicato al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>MailCommands</name>
    <message>
        <source>Sending test e-mail</source>
        <translation>Invio dell&apos;e-mail di prova</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Ntp server timeout</source>
        <translation>Timeout del server NTP</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Errore di connessione</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Autenticazione non riuscita</translation>
    </message>
    <message>
        <source>alert: </source>
        <translation>avviso: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Clock name: </source>
        <translation>Nome orologio: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>Indirizzo IP: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Gruppo: </translation>
    </message>
    <message>
        <source>Error code: </source>
        <translation>Codice errore: </translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>The device list is empty; nothing to poll.</source>
        <translation>L&apos;elenco dei dispositivi è vuoto; niente da interrogare.</translation>
    </message>
    <message>
        <source>Cannot serve metrics on %1: %2</source>
        <translation>Impossibile servire le metriche su %1: %2</translation>
    </message>
    <message>
        <source>--board-token-file needs --board or --metrics.</source>
        <translation>--board-token-file richiede --board o --metrics.</translation>
    </message>
    <message>
        <source>Cannot read the board&apos;s token: %1</source>
        <translation>Impossibile leggere il token della bacheca: %1</translation>
    </message>
    <message>
        <source>--board-host %1 is not a host name.</source>
        <translation>--board-host %1 non è un nome host.</translation>
    </message>
    <message>
        <source>The status board on %1 is open to anyone who can reach it; see --board-token-file.</source>
        <translation>La bacheca di stato su %1 è aperta a chiunque possa raggiungerla; vedere --board-token-file.</translation>
    </message>
    <message>
        <source>Cannot serve the status board on %1: %2</source>
        <translation>Impossibile servire la bacheca di stato su %1: %2</translation>
    </message>
    <message>
        <source>Stopped by signal %1; device list saved.</source>
        <translation>Arrestato dal segnale %1; elenco dei dispositivi salvato.</translation>
    </message>
    <message>
        <source>Stopped by signal %1.</source>
        <translation>Arrestato dal segnale %1.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Cannot watch for SIGINT and SIGTERM.</source>
        <translation>Impossibile sorvegliare SIGINT e SIGTERM.</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <source>The device list is not locked for writing.</source>
        <translation>L&apos;elenco dispositivi non è bloccato in scrittura.</translation>
    </message>
    <message>
        <source>Cannot write the device list %1: %2.</source>
        <translation>Impossibile scrivere l&apos;elenco dispositivi %1: %2.</translation>
    </message>
</context>
<context>
    <name>NetworkCardChoices</name>
    <message>
        <source>Default</source>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponibile</translation>
    </message>
</context>
<context>
    <name>NewPasswords</name>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>expected ADDRESS,PASSWORD</source>
        <translation>atteso INDIRIZZO,PASSWORD</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <source>the password of %1 is empty</source>
        <translation>la password di %1 è vuota</translation>
    </message>
    <message>
        <source>the list names no clock</source>
        <translation>l&apos;elenco non indica alcun orologio</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>più grande di %1 byte</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
</context>
<context>
    <name>PageConfiguration</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Allarmi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration first in device list.</source>
        <translation>L&apos;orologio non ha una configurazione scaricata. Scaricare prima la configurazione dell&apos;orologio nell&apos;elenco dispositivi.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Back to the device list (keeps the changes)</source>
        <translation>Torna all&apos;elenco dispositivi (mantiene le modifiche)</translation>
    </message>
    <message>
        <source>Open or save a configuration file</source>
        <translation>Apri o salva un file di configurazione</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Download the configuration from the clock again</source>
        <translation>Scarica di nuovo la configurazione dall&apos;orologio</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Scaricare la configurazione dell&apos;orologio?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Scaricamento della configurazione</translation>
    </message>
    <message>
        <source>Clock %1 is in group %2. Send configuration anyway?</source>
        <translation>L&apos;orologio %1 fa parte del gruppo %2. Inviare comunque la configurazione?</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Invio della configurazione</translation>
    </message>
    <message>
        <source>The configuration was sent to %1 of %2 clocks. Not sent to: %3</source>
        <translation>Orologi che hanno ricevuto la configurazione: %1 su %2. Non inviata a: %3</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>Configurazione inviata correttamente.</translation>
    </message>
</context>
<context>
    <name>PageConflict</name>
    <message>
        <source>IP conflicts</source>
        <translation>Conflitti IP</translation>
    </message>
    <message>
        <source>Application will detect and change MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for every next device with conflict found.</source>
        <translation>L&apos;applicazione rileverà e modificherà gli indirizzi MAC e IP di ogni orologio con IP 192.168.0.11.
Sia il MAC sia l&apos;IP aumenteranno di 1 per ogni ulteriore dispositivo in conflitto trovato.</translation>
    </message>
    <message>
        <source>New MAC of first device:</source>
        <translation>Nuovo MAC del primo dispositivo:</translation>
    </message>
    <message>
        <source>New IP of first device:</source>
        <translation>Nuovo IP del primo dispositivo:</translation>
    </message>
    <message>
        <source>Resolve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>The new MAC of the first device is incomplete.</source>
        <translation>Il nuovo MAC del primo dispositivo è incompleto.</translation>
    </message>
    <message>
        <source>The new IP of the first device is not a full address.</source>
        <translation>Il nuovo IP del primo dispositivo non è un indirizzo completo.</translation>
    </message>
    <message>
        <source>Resolving conflicts</source>
        <translation>Risoluzione dei conflitti</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Nessun dispositivo trovato.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Indirizzi MAC e IP modificati per %1 su %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n orologio</numerusform>
            <numerusform>%n orologi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n dispositivo trovato</numerusform>
            <numerusform>%n dispositivi trovati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>Orologi trovati che non hanno accettato il nuovo indirizzo: %1 su %2.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>Orologi trovati lasciati invariati: %1 su %2; non resta alcun indirizzo dopo .254.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>L&apos;orologio ha rifiutato il nuovo indirizzo.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Non restava alcun indirizzo per esso.</translation>
    </message>
</context>
<context>
    <name>PageDeviceList</name>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Name or IP</source>
        <translation>Nome o IP</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Solo con problemi</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Add clock</source>
        <translation>Aggiungi orologio</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Verifica orologi</translation>
    </message>
    <message>
        <source>Check that every clock keeps the right time and matches its group</source>
        <translation>Verifica che ogni orologio mostri l&apos;ora esatta e corrisponda al suo gruppo</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Elimina dall&apos;elenco</translation>
    </message>
    <message>
        <source>Download configuration</source>
        <translation>Scarica configurazione</translation>
    </message>
    <message>
        <source>Edit configuration</source>
        <translation>Modifica configurazione</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Modifica impostazioni</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Aggiorna stato</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Nessun dispositivo trovato.</translation>
    </message>
    <message>
        <source>Updating device</source>
        <translation>Aggiornamento del dispositivo</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Scaricamento della configurazione</translation>
    </message>
    <message>
        <source>Refreshing status</source>
        <translation>Aggiornamento dello stato</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Scaricare la configurazione dell&apos;orologio?</translation>
    </message>
    <message>
        <source>Download and edit</source>
        <translation>Scarica e modifica</translation>
    </message>
    <message>
        <source>Edit without download</source>
        <translation>Modifica senza scaricare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Are you sure you want to delete clock %1 (IP: %2)?</source>
        <translation>Eliminare l&apos;orologio %1 (IP: %2)?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Ricerca dispositivi</translation>
    </message>
    <message>
        <source>Clock %1 data refreshed</source>
        <translation>Dati dell&apos;orologio %1 aggiornati</translation>
    </message>
    <message>
        <source>End quiet period</source>
        <translation>Termina periodo di silenzio</translation>
    </message>
    <message>
        <source>Quiet period...</source>
        <translation>Periodo di silenzio...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Cronologia...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Write the device list to a file as an address plan</source>
        <translation>Salva l&apos;elenco dispositivi in un file come piano di indirizzamento</translation>
    </message>
    <message>
        <source>Change clocks…</source>
        <translation>Modifica orologi…</translation>
    </message>
    <message>
        <source>Change fields of the selected clocks (or of every clock shown) after a preview (Ctrl+Shift+C)</source>
        <translation>Modifica campi degli orologi selezionati (o di tutti quelli mostrati) dopo un&apos;anteprima (Ctrl+Maiusc+C)</translation>
    </message>
    <message>
        <source>Passwords…</source>
        <translation>Password…</translation>
    </message>
    <message>
        <source>Change the passwords of the selected clocks (or of every clock shown) in waves (Ctrl+Shift+P)</source>
        <translation>Cambia le password degli orologi selezionati (o di tutti quelli mostrati) a ondate (Ctrl+Maiusc+P)</translation>
    </message>
</context>
<context>
    <name>PageGroupList</name>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Aggiungi gruppo</translation>
    </message>
    <message>
        <source>Clocks and their groups</source>
        <translation>Orologi e relativi gruppi</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nome gruppo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Are you sure you want to delete group %1?</source>
        <translation>Eliminare il gruppo %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Modifica nome gruppo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Are you sure you want to open clock configuration and copy it to group?</source>
        <translation>Aprire la configurazione dell&apos;orologio e copiarla nel gruppo?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Group don&apos;t have any clocks.</source>
        <translation>Il gruppo non contiene orologi.</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration in device list first.</source>
        <translation>L&apos;orologio non ha una configurazione scaricata. Scaricare prima la configurazione dell&apos;orologio nell&apos;elenco dispositivi.</translation>
    </message>
    <message>
        <source>Group don&apos;t have configuration.</source>
        <translation>Il gruppo non ha una configurazione.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Selected group has no configuration.</source>
        <translation>Il gruppo selezionato non ha una configurazione.</translation>
    </message>
    <message>
        <source>Choose device from which do you want to copy configuration for group.</source>
        <translation>Scegliere il dispositivo da cui copiare la configurazione per il gruppo.</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nome orologio</translation>
    </message>
    <message>
        <source>any clock of group %1</source>
        <translation>alcun orologio del gruppo %1</translation>
    </message>
    <message>
        <source>End the quiet period of group %1?</source>
        <translation>Terminare il periodo di silenzio del gruppo %1?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Termina</translation>
    </message>
    <message>
        <source>Copy configuration to the group</source>
        <translation>Copia configurazione nel gruppo</translation>
    </message>
</context>
<context>
    <name>PageNotifications</name>
    <message>
        <source>Server settings</source>
        <translation>Impostazioni server</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Nascondi nel vassoio</translation>
    </message>
    <message>
        <source>Notification configuration saved.</source>
        <translation>Configurazione delle notifiche salvata.</translation>
    </message>
    <message>
        <source>Save configuration before minimize application?</source>
        <translation>Salvare la configurazione prima di ridurre a icona l&apos;applicazione?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Salva e riduci a icona</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Solo riduci a icona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autenticazione:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
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
        <translation>Nome utente:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Mittente:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Crittografia:</translation>
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
        <translation>Nessuna crittografia</translation>
    </message>
    <message>
        <source>Ignore SSL errors (may be unsafe)</source>
        <translation>Ignora errori SSL (potenzialmente non sicuro)</translation>
    </message>
    <message>
        <source>Resend e-mail every:</source>
        <translation>Reinvia e-mail ogni:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 ore</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 ore</translation>
    </message>
    <message>
        <source>Alert type</source>
        <translation>Tipo di avviso</translation>
    </message>
    <message>
        <source>No connection:</source>
        <translation>Nessuna connessione:</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Nessuna connessione</translation>
    </message>
    <message>
        <source>No authentication:</source>
        <translation>Autenticazione non riuscita:</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Ntp timeout:</source>
        <translation>Timeout NTP:</translation>
    </message>
    <message>
        <source>Ntp timeout</source>
        <translation>Timeout NTP</translation>
    </message>
    <message>
        <source>Recipent list</source>
        <translation>Elenco destinatari</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Recipient type</source>
        <translation>Tipo di destinatario</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Destinatario:</translation>
    </message>
    <message>
        <source>Add recipient</source>
        <translation>Aggiungi destinatario</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Invia notifica di prova</translation>
    </message>
    <message>
        <source>Save configuration before sending test e-mail?</source>
        <translation>Salvare la configurazione prima di inviare l&apos;e-mail di prova?</translation>
    </message>
    <message>
        <source>Save and send</source>
        <translation>Salva e invia</translation>
    </message>
    <message>
        <source>Send only</source>
        <translation>Solo invia</translation>
    </message>
    <message>
        <source>Username cannot be empty</source>
        <translation>Il nome utente non può essere vuoto</translation>
    </message>
    <message>
        <source>Password cannot be empty</source>
        <translation>La password non può essere vuota</translation>
    </message>
    <message>
        <source>You can add up to 10 recipients.</source>
        <translation>È possibile aggiungere al massimo 10 destinatari.</translation>
    </message>
    <message>
        <source>Recipient e-mail is not valid.</source>
        <translation>L&apos;indirizzo e-mail del destinatario non è valido.</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Elimina dall&apos;elenco</translation>
    </message>
    <message>
        <source>One mail for alerts within:</source>
        <translation>Raggruppa avvisi entro:</translation>
    </message>
    <message>
        <source>Clocks whose alerts fall due within this time of the first are named in one mail.</source>
        <translation>Gli orologi i cui avvisi scattano entro questo tempo dal primo vengono riuniti in un&apos;unica e-mail.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Back to normal:</source>
        <translation>Ripristino:</translation>
    </message>
    <message>
        <source>One more mail when the clocks of a delivered alert answer and are synchronised again.</source>
        <translation>Un&apos;altra e-mail quando gli orologi di un avviso consegnato rispondono e sono di nuovo sincronizzati.</translation>
    </message>
    <message>
        <source>Mail when they are well again</source>
        <translation>E-mail al ripristino</translation>
    </message>
    <message>
        <source>Remove recipient %1</source>
        <translation>Rimuovi destinatario %1</translation>
    </message>
    <message>
        <source>Monthly availability report:</source>
        <translation>Rapporto mensile di disponibilità:</translation>
    </message>
    <message>
        <source>Mails the previous month&apos;s availability figures with the workbook attached, once a month.</source>
        <translation>Invia una volta al mese per e-mail i valori di disponibilità del mese precedente con la cartella di lavoro allegata.</translation>
    </message>
    <message>
        <source>Mail the previous month&apos;s figures</source>
        <translation>Invia i valori del mese precedente</translation>
    </message>
    <message>
        <source>On day of the month:</source>
        <translation>Il giorno del mese:</translation>
    </message>
    <message>
        <source>Report recipients:</source>
        <translation>Destinatari del rapporto:</translation>
    </message>
    <message>
        <source>Addresses separated by commas; when empty, the report goes to the alert recipients.</source>
        <translation>Indirizzi separati da virgole; se vuoto, il rapporto va ai destinatari degli avvisi.</translation>
    </message>
    <message>
        <source>As for alerts</source>
        <translation>Come per gli avvisi</translation>
    </message>
    <message>
        <source>Report recipient %1 is not a valid e-mail address.</source>
        <translation>Il destinatario del rapporto %1 non è un indirizzo e-mail valido.</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Enable file report</source>
        <translation>Abilita report su file</translation>
    </message>
    <message>
        <source>Filepath:</source>
        <translation>Percorso file:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Tipo di file:</translation>
    </message>
    <message>
        <source>MS Excel (xlsx)</source>
        <translation>MS Excel (xlsx)</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minuti</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minuti</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minuti</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minuti</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 ora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ore</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 ore</translation>
    </message>
    <message>
        <source>Value type:</source>
        <translation>Tipo di valore:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Nascondi nel vassoio</translation>
    </message>
    <message>
        <source>Save report configuration before minimize application?</source>
        <translation>Salvare la configurazione del report prima di ridurre a icona l&apos;applicazione?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Salva e riduci a icona</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Solo riduci a icona</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>File report</source>
        <translation>Report su file</translation>
    </message>
    <message>
        <source>Filepath can&apos;t be empty.</source>
        <translation>Il percorso del file non può essere vuoto.</translation>
    </message>
    <message>
        <source>Invalid report filepath.</source>
        <translation>Percorso del file di report non valido.</translation>
    </message>
    <message>
        <source>Microsoft Excel files (*.xlsx)</source>
        <translation>File Microsoft Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Report configuration saved.</source>
        <translation>Configurazione del report salvata.</translation>
    </message>
    <message>
        <source>Availability...</source>
        <translation>Disponibilità...</translation>
    </message>
</context>
<context>
    <name>ParameterText</name>
    <message>
        <source>The configuration was not sent: %1 holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Configurazione non inviata: %1 contiene «&amp;», «=» o un carattere di controllo, che l&apos;orologio interpreterebbe male.</translation>
    </message>
    <message>
        <source>The name was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Nome non inviato: contiene «&amp;», «=» o un carattere di controllo, che l&apos;orologio interpreterebbe male.</translation>
    </message>
    <message>
        <source>The password was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Password non inviata: contiene «&amp;», «=» o un carattere di controllo, che l&apos;orologio interpreterebbe male.</translation>
    </message>
</context>
<context>
    <name>PasswordClocksFlow</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 gives no password for %2.</source>
        <translation>%1 non dà alcuna password per %2.</translation>
    </message>
    <message>
        <source>%1: the new password is empty.</source>
        <translation>%1: la nuova password è vuota.</translation>
    </message>
    <message>
        <source>The run has been sent already.</source>
        <translation>L&apos;esecuzione è già stata inviata.</translation>
    </message>
    <message>
        <source>No clocks are chosen.</source>
        <translation>Nessun orologio scelto.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>Impossibile scrivere %1: %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Ondata %1: %2 orologi</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Arresto dopo l&apos;ondata in corso…</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Cambio password %1: %2 verificati su %3 orologi.</translation>
    </message>
    <message>
        <source>Stopped between waves: the clocks not sent to keep their passwords.</source>
        <translation>Fermata tra due ondate: gli orologi a cui non è stato inviato nulla conservano le loro password.</translation>
    </message>
</context>
<context>
    <name>PasswordCommand</name>
    <message>
        <source>password: --new-file %1 gives no password for %2</source>
        <translation>password: --new-file %1 non dà una password per %2</translation>
    </message>
    <message>
        <source>password: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>password: --max-failed: atteso un numero di orologi o una percentuale (5%)</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>quella indicata</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>quella memorizzata</translation>
    </message>
    <message>
        <source>from the list</source>
        <translation>dall&apos;elenco</translation>
    </message>
    <message>
        <source>generated</source>
        <translation>generata</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>orologio</translation>
    </message>
    <message>
        <source>old password</source>
        <translation>vecchia password</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nuova password</translation>
    </message>
    <message>
        <source>Password run %1: %2 clocks.</source>
        <translation>Cambio password %1: %2 orologi.</translation>
    </message>
    <message>
        <source>state</source>
        <translation>stato</translation>
    </message>
    <message>
        <source>stored password</source>
        <translation>password memorizzata</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuova</translation>
    </message>
    <message>
        <source>old</source>
        <translation>vecchia</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Cambio password %1: %2 verificati su %3 orologi.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Fermato tra due ondate: sono falliti più orologi di quanti --max-failed ne consenta, oppure l&apos;esecuzione è stata interrotta.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>Impossibile scrivere %1: %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Change the password of %1 clocks? [y/N] </source>
        <translation>Cambiare la password di %1 orologi? [y/N] </translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Ondata %1: %2 orologi</translation>
    </message>
    <message>
        <source>Sending passwords</source>
        <translation>Invio delle password</translation>
    </message>
</context>
<context>
    <name>PasswordRun</name>
    <message>
        <source>not changed: the clock still answers to the old password</source>
        <translation>non cambiata: l&apos;orologio accetta ancora la vecchia password</translation>
    </message>
    <message>
        <source>not verified: the clock took the new password but does not answer with it (%1)</source>
        <translation>non verificato: l&apos;orologio ha accettato la nuova password ma non risponde con essa (%1)</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallito</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviato</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>invio in corso</translation>
    </message>
    <message>
        <source>planned</source>
        <translation>previsto</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>l&apos;esecuzione si è fermata prima della sua ondata</translation>
    </message>
</context>
<context>
    <name>PasswordRunModel</name>
    <message>
        <source>new</source>
        <translation>nuova</translation>
    </message>
    <message>
        <source>old</source>
        <translation>vecchia</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Stored password</source>
        <translation>Password memorizzata</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>QuietCommands</name>
    <message>
        <source>The request could not be written to %1.</source>
        <translation>Impossibile scrivere la richiesta in %1.</translation>
    </message>
    <message>
        <source>The program that holds the device list did not take the request.</source>
        <translation>Il programma che detiene l&apos;elenco dispositivi non ha accolto la richiesta.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>gruppo %1</translation>
    </message>
    <message>
        <source>%1 is quiet until %2.</source>
        <translation>%1: silenzio fino al %2.</translation>
    </message>
    <message>
        <source>%1 is quiet until unmuted.</source>
        <translation>%1: silenzio fino a revoca.</translation>
    </message>
    <message>
        <source>%1 is no longer quiet.</source>
        <translation>%1: silenzio revocato.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Nessun evento.</translation>
    </message>
    <message>
        <source>%1 is not muted; nothing changed.</source>
        <translation>%1 non è in silenzio; nulla è cambiato.</translation>
    </message>
    <message>
        <source>%1 is quiet every %2.</source>
        <translation>%1: silenzio ogni settimana: %2.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours now.</source>
        <translation>%1 non ha più ore di silenzio settimanali.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours; nothing changed.</source>
        <translation>%1 non ha ore di silenzio settimanali; non è cambiato nulla.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>&quot;%1&quot; is not a window like &quot;Mon-Fri 22:00-06:00&quot; or &quot;Sat-Sun&quot;.</source>
        <translation>«%1» non è una fascia come «Mon-Fri 22:00-06:00» o «Sat-Sun».</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.</source>
        <translation>«%1»: i giorni sono Mon, Tue, Wed, Thu, Fri, Sat e Sun.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times run from 00:00 to 23:59, an end up to 24:00.</source>
        <translation>«%1»: gli orari vanno dalle 00:00 alle 23:59, una fine fino alle 24:00.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends when it starts.</source>
        <translation>«%1» finisce quando inizia.</translation>
    </message>
    <message>
        <source>Quiet hours are at most %1 characters.</source>
        <translation>Le ore di silenzio sono al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone of this machine, like Europe/Berlin.</source>
        <translation>«%1» non è un fuso orario di questo computer, come Europe/Berlin.</translation>
    </message>
    <message>
        <source>At most %1 windows.</source>
        <translation>Al massimo %1 fasce.</translation>
    </message>
    <message>
        <source>No window given, like &quot;Mon-Fri 22:00-06:00&quot;.</source>
        <translation>Nessuna fascia indicata, come «Mon-Fri 22:00-06:00».</translation>
    </message>
</context>
<context>
    <name>QuietPeriodChoice</name>
    <message>
        <source>For 1 hour</source>
        <translation>Per 1 ora</translation>
    </message>
    <message>
        <source>For 8 hours</source>
        <translation>Per 8 ore</translation>
    </message>
    <message>
        <source>Until 06:00 tomorrow</source>
        <translation>Fino alle 06:00 di domani</translation>
    </message>
    <message>
        <source>For 7 days</source>
        <translation>Per 7 giorni</translation>
    </message>
    <message>
        <source>Until unmuted</source>
        <translation>Fino a revoca</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Periodo di silenzio</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No alert mail names %1 while it lasts; it is polled and shown as usual.</source>
        <translation>Finché dura, nessuna e-mail di avviso nomina %1; lo stato viene interrogato e mostrato come sempre.</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silenzio</translation>
    </message>
    <message>
        <source>Every week...</source>
        <translation>Ogni settimana...</translation>
    </message>
    <message>
        <source>Weekly quiet hours</source>
        <translation>Ore di silenzio settimanali</translation>
    </message>
    <message>
        <source>No alert mail names %1 in these windows, every week (empty: none):</source>
        <translation>Nessuna e-mail di avviso nomina %1 in queste fasce, ogni settimana (vuoto: nessuna):</translation>
    </message>
</context>
<context>
    <name>QuietRequest</name>
    <message>
        <source>No group is named &quot;%1&quot;.</source>
        <translation>Non esiste alcun gruppo denominato «%1».</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Nell&apos;elenco dispositivi non c&apos;è alcun orologio con l&apos;indirizzo %1.</translation>
    </message>
</context>
<context>
    <name>QuietRequestWatcher</name>
    <message>
        <source>Quiet requests in %1 are not obeyed: other users can write into the folder.</source>
        <translation>Le richieste di periodo di silenzio in %1 non vengono eseguite: altri utenti possono scrivere nella cartella.</translation>
    </message>
    <message>
        <source>Quiet request %1 not obeyed: %2</source>
        <translation>Richiesta di periodo di silenzio %1 non eseguita: %2</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Answering</source>
        <translation>Risponde</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Sincronizzato</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incidenti</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Il più lungo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Non disponibile</translation>
    </message>
    <message>
        <source>MTTR</source>
        <translation>MTTR</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silenzio</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Orologi</translation>
    </message>
    <message>
        <source>(no group)</source>
        <translation>(nessun gruppo)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Clock</source>
        <translation>Orologio</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valido</translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message>
        <source>No usable local network interface to search on.</source>
        <translation>Nessuna interfaccia di rete locale utilizzabile per la ricerca.</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Ricerca dispositivi</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>già in elenco</translation>
    </message>
    <message>
        <source>added</source>
        <translation>aggiunto</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Nessun dispositivo trovato.</translation>
    </message>
    <message>
        <source>Resolving address conflicts</source>
        <translation>Risoluzione dei conflitti di indirizzo</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Nessun dispositivo trovato.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Indirizzi MAC e IP modificati per %1 su %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n orologio</numerusform>
            <numerusform>%n orologi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n dispositivo trovato</numerusform>
            <numerusform>%n dispositivi trovati</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>Orologi trovati che non hanno accettato il nuovo indirizzo: %1 su %2.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>Orologi trovati lasciati invariati: %1 su %2; non resta alcun indirizzo dopo .254.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Lettura dello stato</translation>
    </message>
    <message>
        <source>Every clock found (%1) refused the user name and password.</source>
        <translation>Ogni orologio trovato (%1) ha rifiutato nome utente e password.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>L&apos;orologio ha rifiutato il nuovo indirizzo.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Non restava alcun indirizzo per esso.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1
Open the device list read-only? Nothing will be saved.</source>
        <translation>%1
Aprire l&apos;elenco dispositivi in sola lettura? Non verrà salvato nulla.</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Apri in sola lettura</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>StateLoad</name>
    <message>
        <source>Cannot read the device list %1; it was left as it is.</source>
        <translation>Impossibile leggere l&apos;elenco dispositivi %1; il file è stato lasciato invariato.</translation>
    </message>
    <message>
        <source>Cannot read the device list %1; it was kept as %2.</source>
        <translation>Impossibile leggere l&apos;elenco dispositivi %1; il file è stato conservato come %2.</translation>
    </message>
</context>
<context>
    <name>StatusBoard</name>
    <message>
        <source>Clock status</source>
        <translation>Stato degli orologi</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtra per nome o indirizzo</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Solo problemi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Muted until</source>
        <translation>Silenziato fino a</translation>
    </message>
    <message>
        <source>Status age</source>
        <translation>Età dello stato</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Nessun evento.</translation>
    </message>
    <message>
        <source>until lifted</source>
        <translation>fino a revoca</translation>
    </message>
    <message>
        <source>%1 of %2 clocks shown</source>
        <translation>%1 di %2 orologi mostrati</translation>
    </message>
    <message>
        <source>The monitor cannot be reached. The board shows what it last received.</source>
        <translation>Il monitor non è raggiungibile. La bacheca mostra l’ultimo stato ricevuto.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Viste</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Orologi</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilità</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Calcolo dei valori...</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Impossibile leggere la cronologia.</translation>
    </message>
    <message>
        <source>The figures could not be loaded.</source>
        <translation>Non è stato possibile caricare i valori.</translation>
    </message>
</context>
<context>
    <name>TabAlarms</name>
    <message>
        <source>Import/Export alarms configuration</source>
        <translation>Importa/esporta configurazione allarmi</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Disable all alarms</source>
        <translation>Disattiva tutti gli allarmi</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Caricamento, attendere...</translation>
    </message>
</context>
<context>
    <name>TabDisplay</name>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostra ora</translation>
    </message>
    <message>
        <source>Time shown for</source>
        <translation>Durata visualizzazione ora</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Mostra temperatura</translation>
    </message>
    <message>
        <source>Temperature shown for</source>
        <translation>Durata visualizzazione temperatura</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostra data</translation>
    </message>
    <message>
        <source>Date shown for</source>
        <translation>Durata visualizzazione data</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato ora</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Zeri iniziali nell&apos;ora</translation>
    </message>
    <message>
        <source>Blinking time colon</source>
        <translation>Due punti lampeggianti</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Tipo di carattere</translation>
    </message>
    <message>
        <source>Import/Export display configuration</source>
        <translation>Importa/esporta configurazione display</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Thermometer configuration</source>
        <translation>Configurazione termometro</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Offset temperatura</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Sincronizzazione display</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Sincronizzazione</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP master</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Modalità eco</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Accensione</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation>giorno, mese, anno</translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation>mese, giorno, anno</translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation>anno, mese, giorno</translation>
    </message>
    <message>
        <source>year, day, month</source>
        <translation>anno, giorno, mese</translation>
    </message>
    <message>
        <source>day, month</source>
        <translation>giorno, mese</translation>
    </message>
    <message>
        <source>month, day</source>
        <translation>mese, giorno</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The order in which the clock shows the date: D day, N month, Y year</source>
        <translation>L&apos;ordine in cui l&apos;orologio mostra la data: D giorno, N mese, Y anno</translation>
    </message>
</context>
<context>
    <name>TabSend</name>
    <message>
        <source>Send configuration</source>
        <translation>Invia configurazione</translation>
    </message>
    <message>
        <source>The configuration is sent to:</source>
        <translation>La configurazione viene inviata a:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>TabTime</name>
    <message>
        <source>Regional settings</source>
        <translation>Impostazioni regionali</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Fuso orario attivo</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Start week</source>
        <translation>Settimana di inizio</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Giorno di inizio</translation>
    </message>
    <message>
        <source>of</source>
        <translation>di</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Mese di inizio</translation>
    </message>
    <message>
        <source>at</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>End week</source>
        <translation>Settimana di fine</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Giorno di fine</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Mese di fine</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Remote time synchronization</source>
        <translation>Sincronizzazione oraria remota</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Sorgente oraria</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Server NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Server NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Server NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Server NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Server NTP 5</translation>
    </message>
    <message>
        <source>A server name cannot hold &quot;&amp;&quot;, &quot;=&quot; or a line break: the clock would misread it.</source>
        <translation>Il nome di un server non può contenere «&amp;», «=» o un ritorno a capo: l&apos;orologio lo interpreterebbe male.</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Intervallo di interrogazione</translation>
    </message>
    <message>
        <source>Local time synchronization</source>
        <translation>Sincronizzazione oraria locale</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Modalità master</translation>
    </message>
</context>
<context>
    <name>TestMailFlow</name>
    <message>
        <source>%1 Notification Test</source>
        <translation>Notifica di prova %1</translation>
    </message>
    <message>
        <source>This is %1 notification test e-mail.</source>
        <translation>Questa è un&apos;e-mail di prova delle notifiche di %1.</translation>
    </message>
    <message>
        <source>Test e-mail has been sent successfully.</source>
        <translation>E-mail di prova inviata correttamente.</translation>
    </message>
    <message>
        <source>Test e-mail sent failed</source>
        <translation>Invio dell&apos;e-mail di prova non riuscito</translation>
    </message>
    <message>
        <source>Test e-mail sent failed: no recipient is set.</source>
        <translation>Invio dell&apos;e-mail di prova non riuscito: nessun destinatario impostato.</translation>
    </message>
</context>
<context>
    <name>WindowClosing</name>
    <message>
        <source>Notifications and reports are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent and data reporting will stop)</source>
        <translation>Le notifiche e i report sono attivi. Chiudere %1? (Le e-mail di avviso non verranno inviate e la scrittura del report si interromperà)</translation>
    </message>
    <message>
        <source>Notification are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</source>
        <translation>Le notifiche sono attive. Chiudere %1? (Le e-mail di avviso non verranno inviate)</translation>
    </message>
    <message>
        <source>Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)</source>
        <translation>I report sono attivi. Chiudere %1? (La scrittura del report si interromperà)</translation>
    </message>
    <message>
        <source>Minimalize to tray</source>
        <translation>Riduci nel vassoio</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Chiudi applicazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 Close anyway? (Changes since the last save will be lost)</source>
        <translation>%1 Chiudere comunque? (Le modifiche successive all&apos;ultimo salvataggio andranno perse)</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>IP conflicts</source>
        <translation>Conflitti IP</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>Nascondi finestra</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Chiudi applicazione</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>No PDF viewer was found to open the manual. You can find it here:
%1</source>
        <translation>Nessun visualizzatore PDF trovato per aprire il manuale. Si trova qui:
%1</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (sola lettura)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (non salvato)</translation>
    </message>
    <message>
        <source>%1 (history not written)</source>
        <translation>%1 (cronologia non scritta)</translation>
    </message>
    <message>
        <source>The history of clock events cannot be written: %1</source>
        <translation>Impossibile scrivere la cronologia degli eventi degli orologi: %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Application was minimized to tray</source>
        <translation>Applicazione ridotta nel vassoio di sistema</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>WorkerTcp</name>
    <message>
        <source>Failed to connect.</source>
        <translation>Connessione non riuscita.</translation>
    </message>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Invio non riuscito. Nessun dato da inviare.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Invio non riuscito. Impossibile inviare dati.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Invio non riuscito. Inviati solo %1 byte su %2.</translation>
    </message>
</context>
<context>
    <name>WorkerThreadPool</name>
    <message>
        <source>unlimited</source>
        <translation>illimitato</translation>
    </message>
    <message>
        <source>Polls in flight: at least %1 for answering clocks and %2 for failing ones, following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5.</source>
        <translation>Interrogazioni in corso: almeno %1 per gli orologi che rispondono e %2 per quelli in errore, secondo il parco, al massimo %3 insieme; %4 scambi utente alla volta; limite di file aperti %5.</translation>
    </message>
</context>
<context>
    <name>WorkerUdp</name>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Invio non riuscito. Nessun dato da inviare.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Invio non riuscito. Impossibile inviare dati.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Invio non riuscito. Inviati solo %1 byte su %2.</translation>
    </message>
</context>
<context>
    <name>XmlFile</name>
    <message>
        <source>not an XML file: %1 (line %2, column %3)</source>
        <translation>non è un file XML: %1 (riga %2, colonna %3)</translation>
    </message>
    <message>
        <source>the XML file holds no element</source>
        <translation>il file XML non contiene alcun elemento</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>più grande di %1 MB</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>annidato oltre %1 livelli</translation>
    </message>
    <message>
        <source>an attribute longer than %1 characters</source>
        <translation>un attributo più lungo di %1 caratteri</translation>
    </message>
</context>
</TS>
