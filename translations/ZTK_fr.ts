<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>AddressPlan</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>this is not a text file (a spreadsheet must be saved as CSV)</source>
        <translation>ce n&apos;est pas un fichier texte (une feuille de calcul doit être enregistrée au format CSV)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>le texte n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation>guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>la colonne «&#xa0;%1&#xa0;» figure deux fois</translation>
    </message>
    <message>
        <source>the header names no &quot;ip&quot; column</source>
        <translation>l&apos;en-tête ne contient pas de colonne «&#xa0;ip&#xa0;»</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 champs alors que l&apos;en-tête en annonce %2</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse IPv4</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>le fichier dépasse %1 Mo</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the plan lists no address</source>
        <translation>le plan ne contient aucune adresse</translation>
    </message>
    <message>
        <source>the plan lists more than %1 addresses</source>
        <translation>le plan contient plus de %1 adresses</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 figure déjà à la ligne %2</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are ip, name, group, user, password and mac)</source>
        <translation>colonne «&#xa0;%1&#xa0;» inconnue (les colonnes sont ip, name, group, user, password et mac)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address like 02-A7-3C-DC-00-00</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse MAC comme 02-A7-3C-DC-00-00</translation>
    </message>
    <message>
        <source>the group holds a control character</source>
        <translation>le groupe contient un caractère de contrôle</translation>
    </message>
</context>
<context>
    <name>AddressPlanActions</name>
    <message>
        <source>Probing addresses</source>
        <translation>Sondage des adresses</translation>
    </message>
    <message>
        <source>The device list is empty: there is nothing to export.</source>
        <translation>La liste des appareils est vide&#xa0;: il n&apos;y a rien à exporter.</translation>
    </message>
    <message>
        <source>Write the clocks&apos; passwords into the file too? Whoever can read the file can then log in to the clocks.</source>
        <translation>Écrire aussi les mots de passe des horloges dans le fichier&#xa0;? Quiconque peut lire le fichier pourra alors se connecter aux horloges.</translation>
    </message>
    <message>
        <source>Without passwords</source>
        <translation>Sans mots de passe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>With passwords</source>
        <translation>Avec mots de passe</translation>
    </message>
    <message>
        <source>Export device list</source>
        <translation>Exporter la liste des appareils</translation>
    </message>
    <message>
        <source>Address plans (*.csv)</source>
        <translation>Plans d&apos;adressage (*.csv)</translation>
    </message>
    <message>
        <source>The device list could not be written to %1.</source>
        <translation>Impossible d&apos;écrire la liste des appareils dans %1.</translation>
    </message>
    <message>
        <source>Device list exported to %1</source>
        <translation>Liste des appareils exportée dans %1</translation>
    </message>
    <message>
        <source>These listed clocks answered at a new address while nothing else answered at the old one:
%1
Move their rows there?</source>
        <translation>Ces horloges de la liste ont répondu à une nouvelle adresse et rien d&apos;autre n&apos;a répondu à l&apos;ancienne :
%1
Déplacer leurs lignes là-bas ?</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse IPv4</translation>
    </message>
    <message>
        <source>&quot;/%1&quot; is not a prefix length from 0 to 32</source>
        <translation>«&#xa0;/%1&#xa0;» n&apos;est pas une longueur de préfixe comprise entre 0 et 32</translation>
    </message>
    <message>
        <source>the range %1 ends before it starts</source>
        <translation>la plage %1 se termine avant de commencer</translation>
    </message>
    <message>
        <source>the range %1 holds %2 addresses; at most %3 are probed</source>
        <translation>la plage %1 compte %2 adresses&#xa0;; %3 au plus sont sondées</translation>
    </message>
    <message>
        <source>The range %1 to %2 holds %3 addresses, more than %4.</source>
        <translation>La plage de %1 à %2 compte %3 adresses, soit plus de %4.</translation>
    </message>
    <message>
        <source>%1 is in 0.0.0.0/8, which means &quot;this network&quot;, not a host</source>
        <translation>%1 est dans 0.0.0.0/8, qui désigne «&#xa0;ce réseau&#xa0;», pas un hôte</translation>
    </message>
    <message>
        <source>%1 is a multicast address (224.0.0.0/4), not a clock</source>
        <translation>%1 est une adresse multicast (224.0.0.0/4), pas une horloge</translation>
    </message>
    <message>
        <source>%1 is in the reserved block 240.0.0.0/4, not a clock</source>
        <translation>%1 est dans le bloc réservé 240.0.0.0/4, pas une horloge</translation>
    </message>
    <message>
        <source>%1 is the limited broadcast address, not a clock</source>
        <translation>%1 est l&apos;adresse de diffusion limitée, pas une horloge</translation>
    </message>
</context>
<context>
    <name>AlarmTable</name>
    <message>
        <source>Active</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Duration[s]</source>
        <translation>Durée [s]</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
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
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Heure de l&apos;alarme %1</translation>
    </message>
    <message>
        <source>Alarm %1 duration</source>
        <translation>Durée de l&apos;alarme %1</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Selected days</source>
        <translation>Jours choisis</translation>
    </message>
</context>
<context>
    <name>AuditChecks</name>
    <message>
        <source>Synchronization is &quot;None&quot;: the clock keeps time by itself</source>
        <translation>Synchronisation «&#xa0;Aucune&#xa0;»&#xa0;: l&apos;horloge tient l&apos;heure de façon autonome</translation>
    </message>
    <message>
        <source>NTP without any server</source>
        <translation>NTP sans aucun serveur</translation>
    </message>
    <message>
        <source>No fresh status: %1</source>
        <translation>Pas d&apos;état récent&#xa0;: %1</translation>
    </message>
    <message>
        <source>NTP not synchronized: %1</source>
        <translation>NTP non synchronisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time zone or summer-time rule outside the lists of choices</source>
        <translation>Fuseau horaire ou règle d&apos;heure d&apos;été absents des listes de choix</translation>
    </message>
    <message>
        <source>The clock runs %1 ahead of %2 now</source>
        <translation>L&apos;horloge avance actuellement de %1 sur %2</translation>
    </message>
    <message>
        <source>The clock runs %1 behind %2 now</source>
        <translation>L&apos;horloge retarde actuellement de %1 sur %2</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 ahead</source>
        <translation>À partir du %1 (%2), l&apos;horloge avancera de %3</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 behind</source>
        <translation>À partir du %1 (%2), l&apos;horloge retardera de %3</translation>
    </message>
    <message>
        <source>%1 is %2 in the clock, %3 in group %4</source>
        <translation>%1 vaut %2 dans l&apos;horloge, %3 dans le groupe %4</translation>
    </message>
    <message>
        <source>Configuration not downloaded: %1</source>
        <translation>Configuration non téléchargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Firmware %1 is below the minimum %2 for %3</source>
        <translation>Le micrologiciel %1 est antérieur à la version minimale %2 pour %3</translation>
    </message>
</context>
<context>
    <name>AuditCommand</name>
    <message>
        <source>There is no group named %1.</source>
        <translation>Il n&apos;existe aucun groupe nommé %1.</translation>
    </message>
    <message>
        <source>Auditing clocks</source>
        <translation>Audit des horloges</translation>
    </message>
    <message>
        <source>Cannot keep the findings in %1.</source>
        <translation>Impossible de conserver les constats dans %1.</translation>
    </message>
    <message>
        <source>The setting Audit/minFirmware holds &quot;%1&quot;, not MODEL=VERSION such as QM03=1.10; it is left out.</source>
        <translation>Le paramètre Audit/minFirmware contient «&#xa0;%1&#xa0;», et non MODEL=VERSION comme QM03=1.10&#xa0;; il est ignoré.</translation>
    </message>
</context>
<context>
    <name>AuditFinding</name>
    <message>
        <source>Critical</source>
        <translation>Critique</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Not reachable</source>
        <translation>Injoignable</translation>
    </message>
    <message>
        <source>Drift from the group</source>
        <translation>Écart avec le groupe</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Source de l&apos;heure</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
</context>
<context>
    <name>AuditFindingsModel</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Constat</translation>
    </message>
</context>
<context>
    <name>AuditReport</name>
    <message>
        <source>%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without findings.</source>
        <translation>Horloges vérifiées&#xa0;: %1&#xa0;; avec constats critiques&#xa0;: %2&#xa0;; avec avertissements&#xa0;: %3&#xa0;; sans constat&#xa0;: %4.</translation>
    </message>
</context>
<context>
    <name>AvailabilityMailer</name>
    <message>
        <source>availability report %1</source>
        <translation>rapport de disponibilité %1</translation>
    </message>
    <message>
        <source>Availability of the clocks from %1 to %2.</source>
        <translation>Disponibilité des horloges du %1 au %2.</translation>
    </message>
    <message>
        <source>Clocks: %1</source>
        <translation>Horloges&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answering: %1</source>
        <translation>Répond&#xa0;: %1</translation>
    </message>
    <message>
        <source>Synchronised: %1</source>
        <translation>Synchronisée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Incidents: %1</source>
        <translation>Incidents&#xa0;: %1</translation>
    </message>
    <message>
        <source>The workbook attached holds the figures of every group and clock and the outages.</source>
        <translation>Le classeur joint contient les chiffres de chaque groupe et de chaque horloge ainsi que les interruptions.</translation>
    </message>
</context>
<context>
    <name>AvailabilityWorkbook</name>
    <message>
        <source>Answering</source>
        <translation>Répond</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Synchronisée</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incidents</translation>
    </message>
    <message>
        <source>Longest incident</source>
        <translation>Incident le plus long</translation>
    </message>
    <message>
        <source>Incident time</source>
        <translation>Durée des incidents</translation>
    </message>
    <message>
        <source>Mean time to recovery</source>
        <translation>Temps moyen de rétablissement</translation>
    </message>
    <message>
        <source>Quiet time</source>
        <translation>Durée en silence</translation>
    </message>
    <message>
        <source>Unknown time</source>
        <translation>Durée inconnue</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>No group</source>
        <translation>Sans groupe</translation>
    </message>
    <message>
        <source>Availability of the clocks</source>
        <translation>Disponibilité des horloges</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Horloges</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Outages</source>
        <translation>Interruptions</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Ongoing</source>
        <translation>En cours</translation>
    </message>
    <message numerus="yes">
        <source>%n further outages are not listed.</source>
        <translation>
            <numerusform>%n autre interruption n&apos;est pas listée.</numerusform>
            <numerusform>%n autres interruptions ne sont pas listées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
</context>
<context>
    <name>ChangeClocksFlow</name>
    <message>
        <source>Reading configurations: %1 of %2 clocks</source>
        <translation>Lecture des configurations&#xa0;: %1 sur %2 horloges</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Vague %1&#xa0;: %2 horloges</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Exécution de modification %1&#xa0;: %2 sur %3 horloges à modifier.</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Arrêt après la vague en cours…</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Exécution de modification %1&#xa0;: %2 vérifiées sur %3 horloges.</translation>
    </message>
    <message>
        <source>Stopped between waves; zentick-cli change --resume %1 goes on with it.</source>
        <translation>Arrêtée entre deux vagues&#xa0;; zentick-cli change --resume %1 la poursuit.</translation>
    </message>
    <message>
        <source>The run could not be kept: %1</source>
        <translation>L&apos;exécution n&apos;a pas pu être conservée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ChangeCommand</name>
    <message>
        <source>change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align</source>
        <translation>change: indiquez l&apos;une des options --set FIELD=VALUE, --from FILE --only FIELD,... ou --align</translation>
    </message>
    <message>
        <source>change: --from and --only go together</source>
        <translation>change: --from et --only s&apos;utilisent ensemble</translation>
    </message>
    <message>
        <source>change: --set %1: expected FIELD=VALUE with a field of the configuration file (Server1, Brightness, Alarm2.Time, ...)</source>
        <translation>change: --set %1&#xa0;: FIELD=VALUE attendu, avec un champ du fichier de configuration (Server1, Brightness, Alarm2.Time, ...)</translation>
    </message>
    <message>
        <source>change: --only: there is no field %1</source>
        <translation>change: --only&#xa0;: il n&apos;existe aucun champ %1</translation>
    </message>
    <message>
        <source>change: --only names no field</source>
        <translation>change: --only ne désigne aucun champ</translation>
    </message>
    <message>
        <source>change: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>change: --max-failed&#xa0;: nombre d&apos;horloges ou pourcentage attendu (5%)</translation>
    </message>
    <message>
        <source>change: --resume goes on with the run&apos;s own clocks and change; --%1 cannot be given with it</source>
        <translation>change: --resume reprend l&apos;exécution avec ses propres horloges et sa modification&#xa0;; --%1 ne peut pas l&apos;accompagner</translation>
    </message>
    <message>
        <source>change: --resume takes no clocks</source>
        <translation>change: --resume n&apos;accepte aucune horloge</translation>
    </message>
    <message>
        <source>Send the change to %1 clocks? [y/N] </source>
        <translation>Envoyer la modification à %1 horloges&#xa0;? [y/N] </translation>
    </message>
    <message>
        <source>Reading configurations</source>
        <translation>Lecture des configurations</translation>
    </message>
    <message>
        <source>Nothing was sent; change --resume %1 goes on with this run.</source>
        <translation>Rien n&apos;a été envoyé&#xa0;; change --resume %1 reprend cette exécution.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Vague %1&#xa0;: %2 horloges</translation>
    </message>
    <message>
        <source>Sending the change</source>
        <translation>Envoi de la modification</translation>
    </message>
    <message>
        <source>Cannot keep the run in %1: %2</source>
        <translation>Impossible de conserver l&apos;exécution dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>change --resume %1 goes on with the clocks not yet done.</source>
        <translation>change --resume %1 reprend avec les horloges pas encore traitées.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n&apos;a été envoyé.</translation>
    </message>
</context>
<context>
    <name>ChangeFieldChoices</name>
    <message>
        <source>Localization</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Fuseau horaire actif</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Source de temps</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Serveur NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Serveur NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Serveur NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Serveur NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Serveur NTP 5</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Mode maître</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Intervalle de requête</translation>
    </message>
    <message>
        <source>Summer time start time</source>
        <translation>Heure de début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time end time</source>
        <translation>Heure de fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time start week</source>
        <translation>Semaine de début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time end week</source>
        <translation>Semaine de fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time start day</source>
        <translation>Jour de début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time end day</source>
        <translation>Jour de fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time start month</source>
        <translation>Mois de début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Summer time end month</source>
        <translation>Mois de fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Afficher l&apos;heure</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Afficher la température</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Afficher la date</translation>
    </message>
    <message>
        <source>Time shown for [s]</source>
        <translation>Heure affichée pendant [s]</translation>
    </message>
    <message>
        <source>Temperature shown for [s]</source>
        <translation>Température affichée pendant [s]</translation>
    </message>
    <message>
        <source>Date shown for [s]</source>
        <translation>Date affichée pendant [s]</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format de l&apos;heure</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Zéros non significatifs de l&apos;heure</translation>
    </message>
    <message>
        <source>Blinking colon</source>
        <translation>Deux-points clignotants</translation>
    </message>
    <message>
        <source>Brightness level</source>
        <translation>Niveau de luminosité</translation>
    </message>
    <message>
        <source>Brightness profile</source>
        <translation>Profil de luminosité</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Correction de température</translation>
    </message>
    <message>
        <source>Temperature offset value</source>
        <translation>Valeur de correction de température</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Synchronisation de l&apos;affichage</translation>
    </message>
    <message>
        <source>Display synchronization mode</source>
        <translation>Mode de synchronisation de l&apos;affichage</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP du maître</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Mode éco</translation>
    </message>
    <message>
        <source>Eco switch on</source>
        <translation>Éco&#xa0;: allumage</translation>
    </message>
    <message>
        <source>Eco switch off</source>
        <translation>Éco&#xa0;: extinction</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Alarm %1: active</source>
        <translation>Alarme %1&#xa0;: active</translation>
    </message>
    <message>
        <source>Alarm %1: time</source>
        <translation>Alarme %1&#xa0;: heure</translation>
    </message>
    <message>
        <source>Alarm %1: duration [s]</source>
        <translation>Alarme %1&#xa0;: durée [s]</translation>
    </message>
    <message>
        <source>Alarm %1: selected days</source>
        <translation>Alarme %1&#xa0;: jours choisis</translation>
    </message>
    <message>
        <source>Alarm %1: Monday</source>
        <translation>Alarme %1&#xa0;: lundi</translation>
    </message>
    <message>
        <source>Alarm %1: Tuesday</source>
        <translation>Alarme %1&#xa0;: mardi</translation>
    </message>
    <message>
        <source>Alarm %1: Wednesday</source>
        <translation>Alarme %1&#xa0;: mercredi</translation>
    </message>
    <message>
        <source>Alarm %1: Thursday</source>
        <translation>Alarme %1&#xa0;: jeudi</translation>
    </message>
    <message>
        <source>Alarm %1: Friday</source>
        <translation>Alarme %1&#xa0;: vendredi</translation>
    </message>
    <message>
        <source>Alarm %1: Saturday</source>
        <translation>Alarme %1&#xa0;: samedi</translation>
    </message>
    <message>
        <source>Alarm %1: Sunday</source>
        <translation>Alarme %1&#xa0;: dimanche</translation>
    </message>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>ChangeRecipe</name>
    <message>
        <source>its group has no configuration</source>
        <translation>son groupe n&apos;a pas de configuration</translation>
    </message>
    <message>
        <source>no daylight-saving setting of the clock follows the zone %1</source>
        <translation>aucun paramètre d&apos;heure d&apos;été de l&apos;horloge ne suit le fuseau %1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>déjà à jour</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyée</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>configuration illisible (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>l&apos;exécution s&apos;est arrêtée avant la vague de cette horloge</translation>
    </message>
    <message>
        <source>already right: skipped</source>
        <translation>déjà à jour&#xa0;: ignorée</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: ignorée</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Exécution de modification %1&#xa0;: %2 horloges sur %3 à modifier.</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>horloge</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>champs</translation>
    </message>
    <message>
        <source>before</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>after</source>
        <translation>après</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Exécution de modification %1&#xa0;: %2 horloges vérifiées sur %3.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Arrêt entre deux vagues&#xa0;: plus d&apos;horloges ont échoué que ne le permet --max-failed, ou l&apos;exécution a été interrompue.</translation>
    </message>
</context>
<context>
    <name>ChangeRun</name>
    <message>
        <source>cannot write the run&apos;s file</source>
        <translation>impossible d&apos;écrire le fichier de l&apos;exécution</translation>
    </message>
    <message>
        <source>not verified: %1</source>
        <translation>non vérifiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>not verified: the clock does not show the change (%1)</source>
        <translation>non vérifiée&#xa0;: l&apos;horloge ne présente pas la modification (%1)</translation>
    </message>
</context>
<context>
    <name>ChangeRunFile</name>
    <message>
        <source>no valid run id</source>
        <translation>aucun identifiant d&apos;exécution valide</translation>
    </message>
    <message>
        <source>%1 is no run id (such as 20261209-041502-7f3a)</source>
        <translation>%1 n&apos;est pas un identifiant d&apos;exécution (par exemple 20261209-041502-7f3a)</translation>
    </message>
    <message>
        <source>there is no change run %1</source>
        <translation>il n&apos;existe aucune exécution de modification %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 est trop volumineux</translation>
    </message>
    <message>
        <source>%1 is not a change run: %2</source>
        <translation>%1 n&apos;est pas une exécution de modification&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ChangeRunModel</name>
    <message>
        <source>already right: skipped</source>
        <translation>déjà correcte&#xa0;: ignorée</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: ignorée</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Ancien → nouveau</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifiée</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>déjà correcte</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>being sent</source>
        <translation>en cours d&apos;envoi</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>configuration illisible (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>l&apos;exécution s&apos;est arrêtée avant sa vague</translation>
    </message>
</context>
<context>
    <name>ChangeRunState</name>
    <message>
        <source>not a change run of this version</source>
        <translation>pas une exécution de modification de cette version</translation>
    </message>
    <message>
        <source>no valid run id</source>
        <translation>aucun identifiant d&apos;exécution valide</translation>
    </message>
    <message>
        <source>the change it makes is not readable</source>
        <translation>la modification qu&apos;elle apporte est illisible</translation>
    </message>
    <message>
        <source>more than %1 clocks</source>
        <translation>plus de %1 horloges</translation>
    </message>
    <message>
        <source>clock %1 is not readable</source>
        <translation>l&apos;horloge %1 est illisible</translation>
    </message>
</context>
<context>
    <name>ChoiceLists</name>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israël</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>1er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernier</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
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
        <translation>Intérieur standard</translation>
    </message>
    <message>
        <source>Indoor dynamic</source>
        <translation>Intérieur dynamique</translation>
    </message>
    <message>
        <source>Outdoor standard</source>
        <translation>Extérieur standard</translation>
    </message>
    <message>
        <source>Outdoor dynamic</source>
        <translation>Extérieur dynamique</translation>
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
        <translation>Mode maître</translation>
    </message>
    <message>
        <source>Slave basic mode</source>
        <translation>Mode esclave simple</translation>
    </message>
    <message>
        <source>Slave full mode</source>
        <translation>Mode esclave complet</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Arrondie</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Anguleuse</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Refreshing status</source>
        <translation>Actualisation de l&apos;état</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Téléchargement de la configuration</translation>
    </message>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Configuration de l&apos;horloge %1 téléchargée</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Envoi de la configuration</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyée</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>The configuration did not reach %1 of %2 clocks.</source>
        <translation>La configuration n&apos;est pas parvenue à %1 des %2 horloges.</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>La configuration a bien été envoyée.</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Envoi du nom</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Le nom a bien été modifié.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Envoi des paramètres réseau</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Les paramètres réseau ont bien été modifiés.</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Envoi du mot de passe</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Le mot de passe a bien été modifié.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Aucune horloge avec l&apos;adresse %1 ne figure dans la liste des appareils.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Lecture de l&apos;état</translation>
    </message>
    <message>
        <source>Authentication data set for %1 (%2).</source>
        <translation>Données d&apos;authentification définies pour %1 (%2).</translation>
    </message>
    <message>
        <source>The clock answered with them: %1</source>
        <translation>L&apos;horloge a répondu avec ces données : %1</translation>
    </message>
</context>
<context>
    <name>ClockEventText</name>
    <message>
        <source>Stopped answering</source>
        <translation>Ne répond plus</translation>
    </message>
    <message>
        <source>Answers again</source>
        <translation>Répond de nouveau</translation>
    </message>
    <message>
        <source>NTP: %1</source>
        <translation>NTP&#xa0;: %1</translation>
    </message>
    <message>
        <source>Alert due: %1</source>
        <translation>Alerte déclenchée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Alert mail delivered, naming %1 clocks</source>
        <translation>E-mail d&apos;alerte envoyé, citant %1 horloges</translation>
    </message>
    <message>
        <source>Alert mail delivered</source>
        <translation>E-mail d&apos;alerte envoyé</translation>
    </message>
    <message>
        <source>Mail not delivered: %1</source>
        <translation>E-mail non envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Back to normal</source>
        <translation>Retour à la normale</translation>
    </message>
    <message>
        <source>Recovery mail delivered</source>
        <translation>E-mail de retour à la normale envoyé</translation>
    </message>
    <message>
        <source>Quiet until %1</source>
        <translation>Silence jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Quiet until lifted</source>
        <translation>Silence jusqu&apos;à nouvel ordre</translation>
    </message>
    <message>
        <source>Quiet period ended</source>
        <translation>Période de silence écoulée</translation>
    </message>
    <message>
        <source>Quiet period lifted</source>
        <translation>Période de silence levée</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Surveillance démarrée</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Surveillance arrêtée</translation>
    </message>
    <message>
        <source>Watched by the monitor</source>
        <translation>Surveillée par le moniteur</translation>
    </message>
    <message>
        <source>Configuration sent</source>
        <translation>Configuration envoyée</translation>
    </message>
    <message>
        <source>Name set</source>
        <translation>Nom défini</translation>
    </message>
    <message>
        <source>Network settings set</source>
        <translation>Paramètres réseau définis</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Mot de passe modifié</translation>
    </message>
    <message>
        <source>Address conflict resolved</source>
        <translation>Conflit d&apos;adresses résolu</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>Changed by an operator</source>
        <translation>Modifiée par un opérateur</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <source>%1 by %2 failed: %3</source>
        <translation>%1 par %2 a échoué&#xa0;: %3</translation>
    </message>
    <message>
        <source>(run %1)</source>
        <translation>(exécution %1)</translation>
    </message>
</context>
<context>
    <name>ClockIntake</name>
    <message>
        <source>%1: %2 (%3) moved to %4 (%5)</source>
        <translation>%1 : %2 (%3) déplacée vers %4 (%5)</translation>
    </message>
    <message>
        <source>%1: moved to %2, but refused its new MAC; it keeps %3</source>
        <translation>%1 : déplacée vers %2, mais a refusé sa nouvelle MAC ; elle garde %3</translation>
    </message>
    <message>
        <source>%1: refused its new address; it stays at %2</source>
        <translation>%1 : a refusé sa nouvelle adresse ; elle reste à %2</translation>
    </message>
</context>
<context>
    <name>ClockListModel</name>
    <message>
        <source>Muted until %1</source>
        <translation>En silence jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Muted until unmuted</source>
        <translation>En silence jusqu&apos;à nouvel ordre</translation>
    </message>
    <message>
        <source>No audit findings</source>
        <translation>Aucun constat de vérification</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Group of %1</source>
        <translation>Groupe de %1</translation>
    </message>
    <message>
        <source>Left and Right choose a button, Space presses it; the context menu lists the same actions</source>
        <translation>Les flèches Gauche et Droite choisissent un bouton, Espace l&apos;active&#xa0;; le menu contextuel propose les mêmes actions</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Audit</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gestion</translation>
    </message>
    <message>
        <source>Quiet hours until %1</source>
        <translation>Heures de silence jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Quiet hours all week</source>
        <translation>Heures de silence toute la semaine</translation>
    </message>
    <message>
        <source>Quiet hours: %1</source>
        <translation>Heures de silence&#xa0;: %1</translation>
    </message>
    <message>
        <source>Quiet hours not understood, not obeyed: %1</source>
        <translation>Heures de silence incomprises, non respectées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ClockMerge</name>
    <message>
        <source>moved from %1 to %2</source>
        <translation>déplacée de %1 vers %2</translation>
    </message>
    <message>
        <source>two clocks report MAC %1 (%2 and %3); nothing changed</source>
        <translation>deux horloges annoncent la MAC %1 (%2 et %3) ; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>not moved from %1 to %2: %1 did not answer with another clock; the move waits for confirmation</source>
        <translation>non déplacée de %1 vers %2 : aucune autre horloge n&apos;a répondu à %1 ; le déplacement attend une confirmation</translation>
    </message>
</context>
<context>
    <name>ClockPrinter</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
</context>
<context>
    <name>ClockRegistry</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
</context>
<context>
    <name>ClockSelection</name>
    <message>
        <source>%1: %2: rows naming no listed clock, left out (import lists them): %3</source>
        <translation>%1&#xa0;: %2&#xa0;: lignes sans horloge de la liste, ignorées (import les ajoute)&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: --mac names one clock; it cannot be given with --all, --group or --plan</source>
        <translation>%1&#xa0;: --mac désigne une seule horloge&#xa0;; il ne peut être donné avec --all, --group ou --plan</translation>
    </message>
    <message>
        <source>There is no group named %1.</source>
        <translation>Il n&apos;existe aucun groupe nommé %1.</translation>
    </message>
    <message>
        <source>%1: give the clocks: addresses, --group NAME, --plan FILE or --all</source>
        <translation>%1&#xa0;: indiquez les horloges&#xa0;: adresses, --group NOM, --plan FICHIER ou --all</translation>
    </message>
</context>
<context>
    <name>CommissionCommands</name>
    <message>
        <source>Probing addresses</source>
        <translation>Sondage des adresses</translation>
    </message>
    <message>
        <source>Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.</source>
        <translation>Arrêt par le signal %1 après %2 adresses sur %3&#xa0;; les horloges trouvées sont dans la liste des appareils.</translation>
    </message>
    <message>
        <source>Give --force to probe them all.</source>
        <translation>Ajoutez --force pour toutes les sonder.</translation>
    </message>
</context>
<context>
    <name>CommissionedAddress</name>
    <message>
        <source>added</source>
        <translation>ajoutée</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>déjà dans la liste</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacée</translation>
    </message>
    <message>
        <source>not a clock</source>
        <translation>pas une horloge</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sans réponse</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>mot de passe erroné</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renommée</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>non renommée</translation>
    </message>
    <message>
        <source>MAC conflict</source>
        <translation>conflit de MAC</translation>
    </message>
    <message>
        <source>added, not answering</source>
        <translation>ajoutée, ne répond pas</translation>
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
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es)</source>
        <translation>
            <numerusform>%n adresse</numerusform>
            <numerusform>%n adresses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommissioningSender</name>
    <message>
        <source>the network settings do not read as a clock&apos;s</source>
        <translation>les paramètres réseau ne sont pas ceux d&apos;une horloge</translation>
    </message>
    <message>
        <source>the status does not read as a clock&apos;s</source>
        <translation>l&apos;état n&apos;est pas celui d&apos;une horloge</translation>
    </message>
    <message>
        <source>it does not answer as a clock does, so it was not sent the password</source>
        <translation>ne répond pas comme une horloge : le mot de passe ne lui a pas été envoyé</translation>
    </message>
    <message>
        <source>the answer names no firmware</source>
        <translation>la réponse n&apos;indique aucun firmware</translation>
    </message>
    <message>
        <source>model not recognised</source>
        <translation>modèle non reconnu</translation>
    </message>
    <message>
        <source>another clock (%1) answers at this address</source>
        <translation>une autre horloge (%1) répond à cette adresse</translation>
    </message>
</context>
<context>
    <name>ConfigFieldAccess</name>
    <message>
        <source>expected on or off</source>
        <translation>on ou off attendu</translation>
    </message>
    <message>
        <source>expected a time HH:MM</source>
        <translation>heure HH:MM attendue</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>nombre entier de %1 à %2 attendu</translation>
    </message>
    <message>
        <source>holds &quot;&amp;&quot;, &quot;=&quot; or a control character, or is too long</source>
        <translation>la valeur contient «&#xa0;&amp;&#xa0;», «&#xa0;=&#xa0;» ou un caractère de contrôle, ou est trop longue</translation>
    </message>
    <message>
        <source>expected a number from %1 to %2</source>
        <translation>nombre de %1 à %2 attendu</translation>
    </message>
    <message>
        <source>there is no field %1</source>
        <translation>il n&apos;existe aucun champ %1</translation>
    </message>
</context>
<context>
    <name>ConfigParts</name>
    <message>
        <source>time part</source>
        <translation>partie heure</translation>
    </message>
    <message>
        <source>display part</source>
        <translation>partie affichage</translation>
    </message>
    <message>
        <source>alarm part</source>
        <translation>partie alarmes</translation>
    </message>
    <message>
        <source>Configuration not read completely: %1</source>
        <translation>Configuration non lue entièrement : %1</translation>
    </message>
    <message>
        <source>Configuration not complete (%1); nothing was sent.</source>
        <translation>Configuration incomplète (%1) ; rien n&apos;a été envoyé.</translation>
    </message>
</context>
<context>
    <name>ConfigurationDownload</name>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Configuration de l&apos;horloge %1 téléchargée</translation>
    </message>
</context>
<context>
    <name>ConfigurationFileActions</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.qlxztc)</source>
        <translation>Fichiers de configuration Zentick (*.qlxztc)</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.xml)</source>
        <translation>Fichiers de configuration Zentick (*.xml)</translation>
    </message>
    <message>
        <source>Clock configuration files (*.xml)</source>
        <translation>Fichiers de configuration d&apos;horloge (*.xml)</translation>
    </message>
    <message>
        <source>Configuration loaded successfully</source>
        <translation>Configuration chargée</translation>
    </message>
    <message>
        <source>Configuration loaded failed</source>
        <translation>Échec du chargement de la configuration</translation>
    </message>
    <message>
        <source>Configuration saved successfully</source>
        <translation>Configuration enregistrée</translation>
    </message>
    <message>
        <source>Configuration save failed</source>
        <translation>Échec de l&apos;enregistrement de la configuration</translation>
    </message>
    <message>
        <source>Configuration exported successfully</source>
        <translation>Configuration exportée</translation>
    </message>
    <message>
        <source>Configuration export failed</source>
        <translation>Échec de l&apos;exportation de la configuration</translation>
    </message>
    <message>
        <source>Configuration import successfully</source>
        <translation>Configuration importée</translation>
    </message>
    <message>
        <source>Configuration import failed</source>
        <translation>Échec de l&apos;importation de la configuration</translation>
    </message>
</context>
<context>
    <name>DailyAudit</name>
    <message>
        <source>Canceled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Unchanged since the last mail; not mailed.</source>
        <translation>Aucun changement depuis le dernier e-mail&#xa0;; pas d&apos;envoi.</translation>
    </message>
    <message>
        <source>%1 audit: %2</source>
        <translation>Audit %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not mailed: no recipient or no connection to the mail server.</source>
        <translation>Non envoyé&#xa0;: aucun destinataire ou pas de connexion au serveur de messagerie.</translation>
    </message>
    <message>
        <source>Not mailed: %1</source>
        <translation>Non envoyé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot write %1; the same findings will be mailed again.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;; les mêmes constats seront envoyés de nouveau.</translation>
    </message>
    <message>
        <source>Mailed.</source>
        <translation>Envoyé.</translation>
    </message>
    <message>
        <source>%1  Audit: %2 %3</source>
        <translation>%1  Audit&#xa0;: %2 %3</translation>
    </message>
</context>
<context>
    <name>DevClock</name>
    <message>
        <source>Synchronized</source>
        <translation>Synchronisée</translation>
    </message>
    <message>
        <source>Last synchronization time</source>
        <translation>Heure de la dernière synchronisation</translation>
    </message>
    <message>
        <source>Ntp server timeout</source>
        <translation>Délai du serveur NTP dépassé</translation>
    </message>
    <message>
        <source>Last synchronization</source>
        <translation>Dernière synchronisation</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>Ntp synchronization disabled</source>
        <translation>Synchronisation NTP désactivée</translation>
    </message>
    <message>
        <source>No status available</source>
        <translation>Aucun état disponible</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Échec d&apos;authentification</translation>
    </message>
    <message>
        <source>Last status update</source>
        <translation>Dernière mise à jour de l&apos;état</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Authorization error</source>
        <translation>Erreur d&apos;autorisation</translation>
    </message>
    <message>
        <source>Device is not responding</source>
        <translation>L&apos;appareil ne répond pas</translation>
    </message>
    <message>
        <source> - IP duplicate found</source>
        <translation> - IP en double</translation>
    </message>
    <message>
        <source>Synchronized (no server named)</source>
        <translation>Synchronisée (aucun serveur indiqué)</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>Replies to the search lost because the system&apos;s receive buffer was full: %1. Search again to find the missing clocks.</source>
        <translation>Réponses à la recherche perdues car le tampon de réception du système était plein&#xa0;: %1. Relancez la recherche pour trouver les horloges manquantes.</translation>
    </message>
</context>
<context>
    <name>DeviceListLock</name>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>The device list is in use by %1 (process %2 on %3).</source>
        <translation>La liste des appareils est utilisée par %1 (processus %2 sur %3).</translation>
    </message>
    <message>
        <source>The device list is in use by another program.</source>
        <translation>La liste des appareils est utilisée par un autre programme.</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>le fichier de verrouillage n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1 of the device list: %2.</source>
        <translation>Impossible de créer le fichier de verrouillage %1 de la liste des appareils&#xa0;: %2.</translation>
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
        <translation>Détecte, configure et surveille les horloges murales à LED.</translation>
    </message>
    <message>
        <source>Copyright QLX Devices. All rights reserved.</source>
        <translation>Copyright QLX Devices. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>DialogAuditFindings</name>
    <message>
        <source>Check clocks</source>
        <translation>Vérifier les horloges</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Daylight saving compared with %1.</source>
        <translation>Heure d&apos;été comparée au fuseau %1.</translation>
    </message>
    <message>
        <source>Site zone…</source>
        <translation>Fuseau du site…</translation>
    </message>
    <message>
        <source>Change the time zone the audit compares the clocks with</source>
        <translation>Changer le fuseau horaire auquel l&apos;audit compare les horloges</translation>
    </message>
    <message>
        <source>Align with group…</source>
        <translation>Aligner sur le groupe…</translation>
    </message>
    <message>
        <source>Change the clocks that depart from their group&apos;s configuration or leave the site&apos;s zone, after a preview</source>
        <translation>Modifier, après un aperçu, les horloges qui s&apos;écartent de la configuration de leur groupe ou du fuseau du site</translation>
    </message>
</context>
<context>
    <name>DialogAuthentication</name>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>DialogAvailability</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilité</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Groupes</translation>
    </message>
    <message>
        <source>C&amp;locks</source>
        <translation>&amp;Horloges</translation>
    </message>
    <message>
        <source>Ctrl+Enter sorts the table by the current column.</source>
        <translation>Ctrl+Entrée trie le tableau selon la colonne courante.</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Calcul des chiffres...</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>Impossible de lire l&apos;historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 au %2</translation>
    </message>
    <message numerus="yes">
        <source>Figures of %n clocks.</source>
        <translation>
            <numerusform>Chiffres de %n horloge.</numerusform>
            <numerusform>Chiffres de %n horloges.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogChangeClocks</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Send configuration to group</source>
        <translation>Envoyer la configuration au groupe</translation>
    </message>
    <message>
        <source>Change clocks</source>
        <translation>Modifier les horloges</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Horloges traitées</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>Align %n clocks with their groups: the fields where a clock departs from its group&apos;s configuration, and its daylight saving where it leaves the site&apos;s zone.</source>
        <translation>
            <numerusform>Aligner %n horloge sur son groupe&#xa0;: les champs où une horloge s&apos;écarte de la configuration de son groupe, et son heure d&apos;été là où elle s&apos;écarte du fuseau du site.</numerusform>
            <numerusform>Aligner %n horloges sur leurs groupes&#xa0;: les champs où une horloge s&apos;écarte de la configuration de son groupe, et son heure d&apos;été là où elle s&apos;écarte du fuseau du site.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n clocks is read first; the table shows what the send changes on each. Nothing is sent until you press Send.</source>
        <translation>
            <numerusform>%n horloge est d&apos;abord lue&#xa0;; le tableau montre ce que l&apos;envoi y change. Rien n&apos;est envoyé avant que vous appuyiez sur Envoyer.</numerusform>
            <numerusform>Chacune des %n horloges est d&apos;abord lue&#xa0;; le tableau montre ce que l&apos;envoi change sur chacune. Rien n&apos;est envoyé avant que vous appuyiez sur Envoyer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Change %n clocks: choose the fields and their values, then Preview shows what each clock gets before anything is sent.</source>
        <translation>
            <numerusform>Modifier %n horloge&#xa0;: choisissez les champs et leurs valeurs, puis Aperçu montre ce qu&apos;elle reçoit avant tout envoi.</numerusform>
            <numerusform>Modifier %n horloges&#xa0;: choisissez les champs et leurs valeurs, puis Aperçu montre ce que reçoit chaque horloge avant tout envoi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set fields</source>
        <translation>Définir des champs</translation>
    </message>
    <message>
        <source>Fields from a configuration file</source>
        <translation>Champs d&apos;un fichier de configuration</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Fields to change</source>
        <translation>Champs à modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Fields to take</source>
        <translation>Champs à prendre</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valeur de %1</translation>
    </message>
    <message>
        <source>Export change result</source>
        <translation>Exporter le résultat de la modification</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Le résultat a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DialogChangePasswords</name>
    <message>
        <source>Change passwords</source>
        <translation>Changer les mots de passe</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks: each is sent its new password, then asked for its status with it. The device list keeps the password each clock answers to.</source>
        <translation>
            <numerusform>Changer le mot de passe de %n horloge&#xa0;: elle reçoit son nouveau mot de passe, puis son état lui est demandé avec celui-ci. La liste des appareils garde le mot de passe auquel l&apos;horloge répond.</numerusform>
            <numerusform>Changer le mot de passe de %n horloges&#xa0;: chacune reçoit son nouveau mot de passe, puis son état lui est demandé avec celui-ci. La liste des appareils garde le mot de passe auquel chaque horloge répond.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Horloges traitées</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Horloges</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New passwords</source>
        <translation>Nouveaux mots de passe</translation>
    </message>
    <message>
        <source>One new password for every clock</source>
        <translation>Un nouveau mot de passe pour toutes les horloges</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Nouveau mot de passe à nouveau</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>A new password for each clock, made here and saved to a file</source>
        <translation>Un nouveau mot de passe par horloge, créé ici et enregistré dans un fichier</translation>
    </message>
    <message>
        <source>File of the made passwords</source>
        <translation>Fichier des mots de passe créés</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the file of the made passwords</source>
        <translation>Choisir le fichier des mots de passe créés</translation>
    </message>
    <message>
        <source>Passwords from a file (ADDRESS,PASSWORD lines, or one password)</source>
        <translation>Mots de passe d&apos;un fichier (lignes ADRESSE,MOT DE PASSE ou un seul mot de passe)</translation>
    </message>
    <message>
        <source>File of new passwords</source>
        <translation>Fichier de nouveaux mots de passe</translation>
    </message>
    <message>
        <source>Choose the file of new passwords</source>
        <translation>Choisir le fichier de nouveaux mots de passe</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Ancien mot de passe</translation>
    </message>
    <message>
        <source>Empty: each clock&apos;s stored password</source>
        <translation>Vide&#xa0;: le mot de passe enregistré de chaque horloge</translation>
    </message>
    <message>
        <source>Save the new passwords</source>
        <translation>Enregistrer les nouveaux mots de passe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open a file of new passwords</source>
        <translation>Ouvrir un fichier de nouveaux mots de passe</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The new password is not the same in both fields.</source>
        <translation>Le nouveau mot de passe n&apos;est pas le même dans les deux champs.</translation>
    </message>
    <message>
        <source>Choose the file first.</source>
        <translation>Choisissez d&apos;abord le fichier.</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks?</source>
        <translation>
            <numerusform>Changer le mot de passe de %n horloge&#xa0;?</numerusform>
            <numerusform>Changer le mot de passe de %n horloges&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export password result</source>
        <translation>Exporter le résultat des mots de passe</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>Le résultat a été écrit dans %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Type the new password in both fields.</source>
        <translation>Tapez le nouveau mot de passe dans les deux champs.</translation>
    </message>
</context>
<context>
    <name>DialogCombobox</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Résultats par adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses; the clocks found until then are on the device list.</source>
        <translation>Arrêt après %1 adresses sur %2&#xa0;; les horloges trouvées jusque-là sont dans la liste des appareils.</translation>
    </message>
</context>
<context>
    <name>DialogDeviceSettings</name>
    <message>
        <source>Clock settings</source>
        <translation>Paramètres de l&apos;horloge</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interface réseau</translation>
    </message>
    <message>
        <source>Network Interface:</source>
        <translation>Interface réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Actualiser les interfaces réseau</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nom de l&apos;horloge</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>DHCP client</source>
        <translation>Client DHCP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP&#xa0;:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Masque de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Passerelle&#xa0;:</translation>
    </message>
    <message>
        <source>DNS Primary:</source>
        <translation>DNS principal&#xa0;:</translation>
    </message>
    <message>
        <source>DNS Secondary:</source>
        <translation>DNS secondaire&#xa0;:</translation>
    </message>
    <message>
        <source>DHCP opt. 42</source>
        <translation>Option DHCP 42</translation>
    </message>
    <message>
        <source>DHCP opt. private</source>
        <translation>Option DHCP privée</translation>
    </message>
    <message>
        <source>Private opt. number:</source>
        <translation>N° d&apos;option privée&#xa0;:</translation>
    </message>
    <message>
        <source>Web Panel Timeout:</source>
        <translation>Expiration du panneau web&#xa0;:</translation>
    </message>
    <message>
        <source>Disable remote access</source>
        <translation>Désactiver l&apos;accès à distance</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Modifier le mot de passe</translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation>Ancien mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Repeat new password:</source>
        <translation>Confirmer le mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>Le nom ne peut pas être vide</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Envoi du nom</translation>
    </message>
    <message>
        <source>The network settings were not sent: %1 is not a complete IP address.</source>
        <translation>Les paramètres réseau n&apos;ont pas été envoyés&#xa0;: %1 n&apos;est pas une adresse IP complète.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Envoi des paramètres réseau</translation>
    </message>
    <message>
        <source>New password is not identical in both fields</source>
        <translation>Les deux saisies du nouveau mot de passe diffèrent</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Envoi du mot de passe</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>Le nom a bien été modifié.</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Les paramètres réseau ont bien été modifiés.</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>Le mot de passe a bien été modifié.</translation>
    </message>
    <message>
        <source>Authentication data set.</source>
        <translation>Identifiants enregistrés.</translation>
    </message>
    <message>
        <source>Network interface set.</source>
        <translation>Interface réseau définie.</translation>
    </message>
</context>
<context>
    <name>DialogDevicesFound</name>
    <message>
        <source>Devices found</source>
        <translation>Appareils trouvés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interface réseau</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Clock(s) with same IP already exist on device list. Do you want to add selected clock(s) anyway?</source>
        <translation>La liste des appareils contient déjà une ou plusieurs horloges ayant la même adresse IP. Voulez-vous quand même ajouter les horloges sélectionnées&#xa0;?</translation>
    </message>
    <message>
        <source>moved from %1 to %2? Tick to confirm</source>
        <translation>déplacée de %1 vers %2 ? Cochez pour confirmer</translation>
    </message>
    <message>
        <source>wrong password for listed clock</source>
        <translation>mot de passe erroné pour une horloge de la liste</translation>
    </message>
</context>
<context>
    <name>DialogEditName</name>
    <message>
        <source>Edit group name</source>
        <translation>Renommer le groupe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nom du groupe&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>DialogHistory</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>History of %1 (%2)</source>
        <translation>Historique de %1 (%2)</translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation>Lecture du journal…</translation>
    </message>
    <message>
        <source>Nothing has happened to this clock yet, or the journal is kept elsewhere.</source>
        <translation>Aucun événement pour cette horloge à ce jour, ou le journal est tenu ailleurs.</translation>
    </message>
    <message numerus="yes">
        <source>The latest %n events, newest first.</source>
        <translation>
            <numerusform>Le dernier événement.</numerusform>
            <numerusform>Les %n derniers événements, du plus récent au plus ancien.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>L&apos;historique ne peut pas être lu&#xa0;: %1</translation>
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
        <translation>Ajouter une horloge</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP&#xa0;:</translation>
    </message>
    <message>
        <source>Network interface:</source>
        <translation>Interface réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Actualiser les interfaces réseau</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Authentification</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Incorrect IP Address</source>
        <translation>Adresse IP incorrecte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>One address</source>
        <translation>Une adresse</translation>
    </message>
    <message>
        <source>Address range</source>
        <translation>Plage d&apos;adresses</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Plan d&apos;adressage</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Horloges</translation>
    </message>
    <message>
        <source>Address range:</source>
        <translation>Plage d&apos;adresses&#xa0;:</translation>
    </message>
    <message>
        <source>10.20.1.10-10.20.1.200 or 10.20.1.0/24</source>
        <translation>10.20.1.10-10.20.1.200 ou 10.20.1.0/24</translation>
    </message>
    <message>
        <source>Address plan:</source>
        <translation>Plan d&apos;adressage&#xa0;:</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>A CSV file with a header row: ip, name, group, user, password (only ip is needed).</source>
        <translation>Un fichier CSV avec une ligne d&apos;en-tête&#xa0;: ip, name, group, user, password (seul ip est obligatoire).</translation>
    </message>
    <message>
        <source>Give the clocks the plan&apos;s names</source>
        <translation>Reprendre les noms du plan</translation>
    </message>
    <message>
        <source>Incorrect address range: %1</source>
        <translation>Plage d&apos;adresses incorrecte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ask every one of them?</source>
        <translation>Les interroger toutes&#xa0;?</translation>
    </message>
    <message>
        <source>Ask all</source>
        <translation>Tout interroger</translation>
    </message>
    <message>
        <source>Open address plan</source>
        <translation>Ouvrir un plan d&apos;adressage</translation>
    </message>
    <message>
        <source>Address plans (*.csv);;All files (*)</source>
        <translation>Plans d&apos;adressage (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the address plan first.</source>
        <translation>Choisissez d&apos;abord le plan d&apos;adressage.</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Vagues</translation>
    </message>
    <message>
        <source>1 % of the clocks</source>
        <translation>1 % des horloges</translation>
    </message>
    <message>
        <source>10 % of the clocks</source>
        <translation>10 % des horloges</translation>
    </message>
    <message>
        <source>5 % of the clocks sent to</source>
        <translation>5 % des horloges envoyées</translation>
    </message>
    <message>
        <source>First wave (clocks)</source>
        <translation>Première vague (horloges)</translation>
    </message>
    <message>
        <source>Each later wave (clocks)</source>
        <translation>Chaque vague suivante (horloges)</translation>
    </message>
    <message>
        <source>Failures before it stops</source>
        <translation>Échecs avant l&apos;arrêt</translation>
    </message>
</context>
<context>
    <name>DialogProgress</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>DialogQuestion</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Authorization error</source>
        <translation>Erreur d&apos;autorisation</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Aucune réponse</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Hôte introuvable</translation>
    </message>
    <message>
        <source>Incorrect data sent or function is unsupported</source>
        <translation>Données envoyées incorrectes ou fonction non prise en charge</translation>
    </message>
    <message>
        <source>Unable connect to device</source>
        <translation>Impossible de se connecter à l&apos;appareil</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Une erreur s&apos;est produite&#xa0;:</translation>
    </message>
    <message>
        <source>not a clock address</source>
        <translation>adresse d&apos;horloge non valide</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>no route to the clock</source>
        <translation>aucune route vers l&apos;horloge</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>pas de connexion en %1 s</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>nom d&apos;utilisateur ou mot de passe erroné</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>pas de réponse en %1 s</translation>
    </message>
    <message>
        <source>the answer is not an HTTP reply</source>
        <translation>la réponse n&apos;est pas au format HTTP</translation>
    </message>
    <message>
        <source>the clock answered with HTTP status %1</source>
        <translation>l&apos;horloge a répondu avec le code HTTP %1</translation>
    </message>
    <message>
        <source>the clock does not know this request</source>
        <translation>l&apos;horloge ne connaît pas cette requête</translation>
    </message>
    <message>
        <source>the answer does not end</source>
        <translation>la réponse ne se termine pas</translation>
    </message>
</context>
<context>
    <name>EventJournal</name>
    <message>
        <source>Journal %1 could not be written (%2); events lost: %3</source>
        <translation>Le journal %1 n&apos;a pas pu être écrit (%2) ; événements perdus : %3</translation>
    </message>
    <message>
        <source>Journal %1 cannot be written: %2; events wait in memory and are written when it can be.</source>
        <translation>Le journal %1 ne peut pas être écrit : %2 ; les événements attendent en mémoire et seront écrits dès que possible.</translation>
    </message>
    <message>
        <source>Journal %1 is written again; %2 events were dropped meanwhile.</source>
        <translation>Le journal %1 est de nouveau écrit ; %2 événements ont été perdus entre-temps.</translation>
    </message>
    <message>
        <source>Journal %1 is written again.</source>
        <translation>Le journal %1 est de nouveau écrit.</translation>
    </message>
    <message>
        <source>The journal %1 was imported into the history: %2 events, %3 damaged lines skipped; it is kept as it was.</source>
        <translation>Le journal %1 a été importé dans l&apos;historique&#xa0;: %2 événements, %3 lignes endommagées ignorées&#xa0;; il est conservé tel quel.</translation>
    </message>
    <message>
        <source>The history was damaged and set aside as %1; a new one was started.</source>
        <translation>L&apos;historique était endommagé et a été mis de côté sous le nom %1&#xa0;; un nouvel historique a été commencé.</translation>
    </message>
</context>
<context>
    <name>FailedAttempts</name>
    <message>
        <source>Refused a request with a wrong token from %1 (%2 from there so far); its next tokens are checked ever more slowly.</source>
        <translation>Requête avec un jeton erroné refusée depuis %1 (%2 depuis cette adresse jusqu&apos;ici) ; ses prochains jetons sont vérifiés de plus en plus lentement.</translation>
    </message>
</context>
<context>
    <name>FleetCheck</name>
    <message>
        <source>Checking clocks</source>
        <translation>Vérification des horloges</translation>
    </message>
    <message>
        <source>Site zone</source>
        <translation>Fuseau du site</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The audit compares each clock&apos;s daylight saving with the time zone of the site.</source>
        <translation>L&apos;audit compare l&apos;heure d&apos;été de chaque horloge au fuseau horaire du site.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
</context>
<context>
    <name>FleetSummary</name>
    <message>
        <source>%1 synchronized, %2 warning, %3 critical</source>
        <translation>synchronisées&#xa0;: %1, en avertissement&#xa0;: %2, critiques&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 without status</source>
        <translation>sans état&#xa0;: %1</translation>
    </message>
    <message>
        <source>Clocks: %1 (%2)</source>
        <translation>Horloges&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 with critical audit findings</source>
        <translation>avec constats critiques de vérification&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GroupTree</name>
    <message>
        <source>Delete group</source>
        <translation>Supprimer le groupe</translation>
    </message>
    <message>
        <source>Edit group configuration</source>
        <translation>Modifier la configuration du groupe</translation>
    </message>
    <message>
        <source>Change group name</source>
        <translation>Renommer le groupe</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Vérifier les horloges</translation>
    </message>
    <message>
        <source>Remove clock from group</source>
        <translation>Retirer l&apos;horloge du groupe</translation>
    </message>
    <message>
        <source>Copy clock configuration to group and edit</source>
        <translation>Copier la configuration de l&apos;horloge dans le groupe et la modifier</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Période de silence</translation>
    </message>
    <message>
        <source>%1 (quiet)</source>
        <translation>%1 (en silence)</translation>
    </message>
    <message>
        <source>In the context menu of the row</source>
        <translation>Dans le menu contextuel de la ligne</translation>
    </message>
    <message>
        <source>Change clocks of the group</source>
        <translation>Modifier les horloges du groupe</translation>
    </message>
    <message>
        <source>Change passwords of the group</source>
        <translation>Changer les mots de passe du groupe</translation>
    </message>
</context>
<context>
    <name>IncidentMail</name>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>%n horloge</numerusform>
            <numerusform>%n horloges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks need attention.</source>
        <translation>
            <numerusform>%n horloge demande votre attention.</numerusform>
            <numerusform>%n horloges demandent votre attention.</numerusform>
        </translation>
    </message>
    <message>
        <source>Since: </source>
        <translation>Depuis&#xa0;: </translation>
    </message>
    <message>
        <source>back to normal: </source>
        <translation>retour à la normale&#xa0;: </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks are back to normal.</source>
        <translation>
            <numerusform>%n horloge est revenue à la normale.</numerusform>
            <numerusform>%n horloges sont revenues à la normale.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back to normal after %1</source>
        <translation>Retour à la normale après %1</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation>%1 j %2 h</translation>
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
        <translation>%1 s’appliquera au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>MailCommands</name>
    <message>
        <source>Sending test e-mail</source>
        <translation>Envoi de l&apos;e-mail de test</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Ntp server timeout</source>
        <translation>Délai du serveur NTP dépassé</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Erreur de connexion</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Échec d&apos;authentification</translation>
    </message>
    <message>
        <source>alert: </source>
        <translation>alerte&#xa0;: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Clock name: </source>
        <translation>Nom de l&apos;horloge&#xa0;: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>IP&#xa0;: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Groupe&#xa0;: </translation>
    </message>
    <message>
        <source>Error code: </source>
        <translation>Code d&apos;erreur&#xa0;: </translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>The device list is empty; nothing to poll.</source>
        <translation>La liste des appareils est vide ; rien à interroger.</translation>
    </message>
    <message>
        <source>Cannot serve metrics on %1: %2</source>
        <translation>Impossible de servir les métriques sur %1 : %2</translation>
    </message>
    <message>
        <source>--board-token-file needs --board or --metrics.</source>
        <translation>--board-token-file nécessite --board ou --metrics.</translation>
    </message>
    <message>
        <source>Cannot read the board&apos;s token: %1</source>
        <translation>Impossible de lire le jeton du tableau : %1</translation>
    </message>
    <message>
        <source>--board-host %1 is not a host name.</source>
        <translation>--board-host %1 n&apos;est pas un nom d&apos;hôte.</translation>
    </message>
    <message>
        <source>The status board on %1 is open to anyone who can reach it; see --board-token-file.</source>
        <translation>Le tableau d&apos;état sur %1 est ouvert à quiconque peut l&apos;atteindre ; voir --board-token-file.</translation>
    </message>
    <message>
        <source>Cannot serve the status board on %1: %2</source>
        <translation>Impossible de servir le tableau d&apos;état sur %1 : %2</translation>
    </message>
    <message>
        <source>Stopped by signal %1; device list saved.</source>
        <translation>Arrêté par le signal %1 ; liste des appareils enregistrée.</translation>
    </message>
    <message>
        <source>Stopped by signal %1.</source>
        <translation>Arrêté par le signal %1.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Cannot watch for SIGINT and SIGTERM.</source>
        <translation>Impossible de surveiller SIGINT et SIGTERM.</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <source>The device list is not locked for writing.</source>
        <translation>La liste des appareils n&apos;est pas verrouillée en écriture.</translation>
    </message>
    <message>
        <source>Cannot write the device list %1: %2.</source>
        <translation>Impossible d&apos;écrire la liste des appareils %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>NetworkCardChoices</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Non disponible</translation>
    </message>
</context>
<context>
    <name>NewPasswords</name>
    <message>
        <source>line %1: </source>
        <translation>ligne %1&#xa0;: </translation>
    </message>
    <message>
        <source>expected ADDRESS,PASSWORD</source>
        <translation>ADRESSE,MOT DE PASSE attendu</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donnée deux fois</translation>
    </message>
    <message>
        <source>the password of %1 is empty</source>
        <translation>le mot de passe de %1 est vide</translation>
    </message>
    <message>
        <source>the list names no clock</source>
        <translation>la liste ne désigne aucune horloge</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter…</translation>
    </message>
</context>
<context>
    <name>PageConfiguration</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration first in device list.</source>
        <translation>Aucune configuration n&apos;a été téléchargée pour cette horloge. Téléchargez-la d&apos;abord depuis la liste des appareils.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Back to the device list (keeps the changes)</source>
        <translation>Retour à la liste des appareils (les modifications sont conservées)</translation>
    </message>
    <message>
        <source>Open or save a configuration file</source>
        <translation>Ouvrir ou enregistrer un fichier de configuration</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Download the configuration from the clock again</source>
        <translation>Télécharger de nouveau la configuration depuis l&apos;horloge</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Voulez-vous télécharger la configuration de l&apos;horloge&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Téléchargement de la configuration</translation>
    </message>
    <message>
        <source>Clock %1 is in group %2. Send configuration anyway?</source>
        <translation>L&apos;horloge %1 fait partie du groupe %2. Envoyer quand même la configuration&#xa0;?</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Envoi de la configuration</translation>
    </message>
    <message>
        <source>The configuration was sent to %1 of %2 clocks. Not sent to: %3</source>
        <translation>La configuration a été envoyée à %1 des %2 horloges. Non envoyée à&#xa0;: %3</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>La configuration a bien été envoyée.</translation>
    </message>
</context>
<context>
    <name>PageConflict</name>
    <message>
        <source>IP conflicts</source>
        <translation>Conflits IP</translation>
    </message>
    <message>
        <source>Application will detect and change MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for every next device with conflict found.</source>
        <translation>L&apos;application détecte chaque horloge à l&apos;adresse IP 192.168.0.11 et modifie ses adresses MAC et IP.
Les adresses MAC et IP augmentent de 1 pour chaque appareil en conflit trouvé ensuite.</translation>
    </message>
    <message>
        <source>New MAC of first device:</source>
        <translation>Nouvelle adresse MAC du premier appareil&#xa0;:</translation>
    </message>
    <message>
        <source>New IP of first device:</source>
        <translation>Nouvelle adresse IP du premier appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Resolve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>The new MAC of the first device is incomplete.</source>
        <translation>La nouvelle adresse MAC du premier appareil est incomplète.</translation>
    </message>
    <message>
        <source>The new IP of the first device is not a full address.</source>
        <translation>La nouvelle adresse IP du premier appareil est incomplète.</translation>
    </message>
    <message>
        <source>Resolving conflicts</source>
        <translation>Résolution des conflits</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Aucun appareil trouvé.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Adresses MAC et IP modifiées pour %1 sur %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n horloge</numerusform>
            <numerusform>%n horloges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n appareil trouvé</numerusform>
            <numerusform>%n appareils trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>Horloges trouvées n&apos;ayant pas pris leur nouvelle adresse&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>Horloges trouvées laissées inchangées&#xa0;: %1 sur %2 (aucune adresse libre après .254).</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>L&apos;horloge a refusé la nouvelle adresse.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Il ne restait aucune adresse pour elle.</translation>
    </message>
</context>
<context>
    <name>PageDeviceList</name>
    <message>
        <source>Filter:</source>
        <translation>Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>Name or IP</source>
        <translation>Nom ou IP</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Problèmes uniquement</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Add clock</source>
        <translation>Ajouter une horloge</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Vérifier les horloges</translation>
    </message>
    <message>
        <source>Check that every clock keeps the right time and matches its group</source>
        <translation>Vérifier que chaque horloge donne l&apos;heure exacte et correspond à son groupe</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Supprimer de la liste</translation>
    </message>
    <message>
        <source>Download configuration</source>
        <translation>Télécharger la configuration</translation>
    </message>
    <message>
        <source>Edit configuration</source>
        <translation>Modifier la configuration</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Modifier les paramètres</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Actualiser l&apos;état</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Aucun appareil trouvé.</translation>
    </message>
    <message>
        <source>Updating device</source>
        <translation>Mise à jour de l&apos;appareil</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Téléchargement de la configuration</translation>
    </message>
    <message>
        <source>Refreshing status</source>
        <translation>Actualisation de l&apos;état</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>Voulez-vous télécharger la configuration de l&apos;horloge&#xa0;?</translation>
    </message>
    <message>
        <source>Download and edit</source>
        <translation>Télécharger et modifier</translation>
    </message>
    <message>
        <source>Edit without download</source>
        <translation>Modifier sans télécharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Are you sure you want to delete clock %1 (IP: %2)?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;horloge %1 (IP&#xa0;: %2)&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Recherche d&apos;appareils</translation>
    </message>
    <message>
        <source>Clock %1 data refreshed</source>
        <translation>Données de l&apos;horloge %1 actualisées</translation>
    </message>
    <message>
        <source>End quiet period</source>
        <translation>Lever le silence</translation>
    </message>
    <message>
        <source>Quiet period...</source>
        <translation>Période de silence…</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Write the device list to a file as an address plan</source>
        <translation>Écrire la liste des appareils dans un fichier sous forme de plan d&apos;adressage</translation>
    </message>
    <message>
        <source>Change clocks…</source>
        <translation>Modifier les horloges…</translation>
    </message>
    <message>
        <source>Change fields of the selected clocks (or of every clock shown) after a preview (Ctrl+Shift+C)</source>
        <translation>Modifier des champs des horloges sélectionnées (ou de toutes celles affichées) après un aperçu (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>Passwords…</source>
        <translation>Mots de passe…</translation>
    </message>
    <message>
        <source>Change the passwords of the selected clocks (or of every clock shown) in waves (Ctrl+Shift+P)</source>
        <translation>Changer les mots de passe des horloges sélectionnées (ou de toutes les horloges affichées) par vagues (Ctrl+Maj+P)</translation>
    </message>
</context>
<context>
    <name>PageGroupList</name>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Clocks and their groups</source>
        <translation>Horloges et leurs groupes</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Are you sure you want to delete group %1?</source>
        <translation>Voulez-vous vraiment supprimer le groupe %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Renommer le groupe</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Are you sure you want to open clock configuration and copy it to group?</source>
        <translation>Voulez-vous vraiment ouvrir la configuration de l&apos;horloge et la copier dans le groupe&#xa0;?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Group don&apos;t have any clocks.</source>
        <translation>Le groupe ne contient aucune horloge.</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration in device list first.</source>
        <translation>Aucune configuration n&apos;a été téléchargée pour cette horloge. Téléchargez-la d&apos;abord depuis la liste des appareils.</translation>
    </message>
    <message>
        <source>Group don&apos;t have configuration.</source>
        <translation>Le groupe n&apos;a pas de configuration.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Selected group has no configuration.</source>
        <translation>Le groupe sélectionné n&apos;a pas de configuration.</translation>
    </message>
    <message>
        <source>Choose device from which do you want to copy configuration for group.</source>
        <translation>Choisissez l&apos;appareil dont la configuration sera copiée dans le groupe.</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nom de l&apos;horloge</translation>
    </message>
    <message>
        <source>any clock of group %1</source>
        <translation>les horloges du groupe %1</translation>
    </message>
    <message>
        <source>End the quiet period of group %1?</source>
        <translation>Lever la période de silence du groupe %1&#xa0;?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Copy configuration to the group</source>
        <translation>Copier la configuration dans le groupe</translation>
    </message>
</context>
<context>
    <name>PageNotifications</name>
    <message>
        <source>Server settings</source>
        <translation>Paramètres du serveur</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Masquer dans la zone de notification</translation>
    </message>
    <message>
        <source>Notification configuration saved.</source>
        <translation>Configuration des notifications enregistrée.</translation>
    </message>
    <message>
        <source>Save configuration before minimize application?</source>
        <translation>Enregistrer la configuration avant de réduire l&apos;application&#xa0;?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Enregistrer et réduire</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Réduire seulement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur&#xa0;:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port&#xa0;:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Authentification&#xa0;:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Nom d&apos;utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Expéditeur&#xa0;:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Chiffrement&#xa0;:</translation>
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
        <translation>Aucun chiffrement</translation>
    </message>
    <message>
        <source>Ignore SSL errors (may be unsafe)</source>
        <translation>Ignorer les erreurs SSL (risqué)</translation>
    </message>
    <message>
        <source>Resend e-mail every:</source>
        <translation>Renvoyer l&apos;e-mail toutes les&#xa0;:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 heures</translation>
    </message>
    <message>
        <source>Alert type</source>
        <translation>Type d&apos;alerte</translation>
    </message>
    <message>
        <source>No connection:</source>
        <translation>Pas de connexion&#xa0;:</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Pas de connexion</translation>
    </message>
    <message>
        <source>No authentication:</source>
        <translation>Échec d&apos;authentification&#xa0;:</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Échec d&apos;authentification</translation>
    </message>
    <message>
        <source>Ntp timeout:</source>
        <translation>Délai NTP dépassé&#xa0;:</translation>
    </message>
    <message>
        <source>Ntp timeout</source>
        <translation>Délai NTP dépassé</translation>
    </message>
    <message>
        <source>Recipent list</source>
        <translation>Liste des destinataires</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Recipient type</source>
        <translation>Type de destinataire</translation>
    </message>
    <message>
        <source>To</source>
        <translation>À</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation>Destinataire&#xa0;:</translation>
    </message>
    <message>
        <source>Add recipient</source>
        <translation>Ajouter un destinataire</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Envoyer une notification de test</translation>
    </message>
    <message>
        <source>Save configuration before sending test e-mail?</source>
        <translation>Enregistrer la configuration avant d&apos;envoyer l&apos;e-mail de test&#xa0;?</translation>
    </message>
    <message>
        <source>Save and send</source>
        <translation>Enregistrer et envoyer</translation>
    </message>
    <message>
        <source>Send only</source>
        <translation>Envoyer seulement</translation>
    </message>
    <message>
        <source>Username cannot be empty</source>
        <translation>Le nom d&apos;utilisateur ne peut pas être vide</translation>
    </message>
    <message>
        <source>Password cannot be empty</source>
        <translation>Le mot de passe ne peut pas être vide</translation>
    </message>
    <message>
        <source>You can add up to 10 recipients.</source>
        <translation>Vous pouvez ajouter jusqu&apos;à 10 destinataires.</translation>
    </message>
    <message>
        <source>Recipient e-mail is not valid.</source>
        <translation>L&apos;adresse e-mail du destinataire n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Supprimer de la liste</translation>
    </message>
    <message>
        <source>One mail for alerts within:</source>
        <translation>Regrouper les alertes sur&#xa0;:</translation>
    </message>
    <message>
        <source>Clocks whose alerts fall due within this time of the first are named in one mail.</source>
        <translation>Les horloges dont les alertes se déclenchent dans ce délai après la première sont citées dans un seul e-mail.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Back to normal:</source>
        <translation>Retour à la normale&#xa0;:</translation>
    </message>
    <message>
        <source>One more mail when the clocks of a delivered alert answer and are synchronised again.</source>
        <translation>Un e-mail de plus quand les horloges d&apos;une alerte envoyée répondent et sont de nouveau synchronisées.</translation>
    </message>
    <message>
        <source>Mail when they are well again</source>
        <translation>E-mail au rétablissement</translation>
    </message>
    <message>
        <source>Remove recipient %1</source>
        <translation>Retirer le destinataire %1</translation>
    </message>
    <message>
        <source>Monthly availability report:</source>
        <translation>Rapport mensuel de disponibilité&#xa0;:</translation>
    </message>
    <message>
        <source>Mails the previous month&apos;s availability figures with the workbook attached, once a month.</source>
        <translation>Envoie une fois par mois par e-mail les chiffres de disponibilité du mois précédent, classeur joint.</translation>
    </message>
    <message>
        <source>Mail the previous month&apos;s figures</source>
        <translation>Envoyer les chiffres du mois précédent</translation>
    </message>
    <message>
        <source>On day of the month:</source>
        <translation>Le jour du mois&#xa0;:</translation>
    </message>
    <message>
        <source>Report recipients:</source>
        <translation>Destinataires du rapport&#xa0;:</translation>
    </message>
    <message>
        <source>Addresses separated by commas; when empty, the report goes to the alert recipients.</source>
        <translation>Adresses séparées par des virgules&#xa0;; vide, le rapport va aux destinataires des alertes.</translation>
    </message>
    <message>
        <source>As for alerts</source>
        <translation>Comme pour les alertes</translation>
    </message>
    <message>
        <source>Report recipient %1 is not a valid e-mail address.</source>
        <translation>Le destinataire du rapport %1 n&apos;est pas une adresse e-mail valide.</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Enable file report</source>
        <translation>Activer le rapport dans un fichier</translation>
    </message>
    <message>
        <source>Filepath:</source>
        <translation>Chemin du fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Type de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>MS Excel (xlsx)</source>
        <translation>MS Excel (xlsx)</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalle&#xa0;:</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 heures</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 heures</translation>
    </message>
    <message>
        <source>Value type:</source>
        <translation>Type de valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Masquer dans la zone de notification</translation>
    </message>
    <message>
        <source>Save report configuration before minimize application?</source>
        <translation>Enregistrer la configuration du rapport avant de réduire l&apos;application&#xa0;?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Enregistrer et réduire</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Réduire seulement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File report</source>
        <translation>Rapport dans un fichier</translation>
    </message>
    <message>
        <source>Filepath can&apos;t be empty.</source>
        <translation>Le chemin du fichier ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Invalid report filepath.</source>
        <translation>Chemin du fichier de rapport non valide.</translation>
    </message>
    <message>
        <source>Microsoft Excel files (*.xlsx)</source>
        <translation>Fichiers Microsoft Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Report configuration saved.</source>
        <translation>Configuration du rapport enregistrée.</translation>
    </message>
    <message>
        <source>Availability...</source>
        <translation>Disponibilité...</translation>
    </message>
</context>
<context>
    <name>ParameterText</name>
    <message>
        <source>The configuration was not sent: %1 holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>La configuration n&apos;a pas été envoyée&#xa0;: %1 contient «&#xa0;&amp;&#xa0;», «&#xa0;=&#xa0;» ou un caractère de contrôle, que l&apos;horloge interpréterait mal.</translation>
    </message>
    <message>
        <source>The name was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Le nom n&apos;a pas été envoyé&#xa0;: il contient «&#xa0;&amp;&#xa0;», «&#xa0;=&#xa0;» ou un caractère de contrôle, que l&apos;horloge interpréterait mal.</translation>
    </message>
    <message>
        <source>The password was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>Le mot de passe n&apos;a pas été envoyé&#xa0;: il contient «&#xa0;&amp;&#xa0;», «&#xa0;=&#xa0;» ou un caractère de contrôle, que l&apos;horloge interpréterait mal.</translation>
    </message>
</context>
<context>
    <name>PasswordClocksFlow</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 gives no password for %2.</source>
        <translation>%1 ne donne aucun mot de passe pour %2.</translation>
    </message>
    <message>
        <source>%1: the new password is empty.</source>
        <translation>%1&#xa0;: le nouveau mot de passe est vide.</translation>
    </message>
    <message>
        <source>The run has been sent already.</source>
        <translation>L&apos;exécution a déjà été envoyée.</translation>
    </message>
    <message>
        <source>No clocks are chosen.</source>
        <translation>Aucune horloge n&apos;est choisie.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Vague %1&#xa0;: %2 horloges</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Arrêt après la vague en cours…</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Changement de mots de passe %1&#xa0;: %2 vérifiées sur %3 horloges.</translation>
    </message>
    <message>
        <source>Stopped between waves: the clocks not sent to keep their passwords.</source>
        <translation>Arrêtée entre deux vagues&#xa0;: les horloges auxquelles rien n&apos;a été envoyé gardent leur mot de passe.</translation>
    </message>
</context>
<context>
    <name>PasswordCommand</name>
    <message>
        <source>password: --new-file %1 gives no password for %2</source>
        <translation>password&#xa0;: --new-file %1 ne donne pas de mot de passe pour %2</translation>
    </message>
    <message>
        <source>password: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>password&#xa0;: --max-failed&#xa0;: nombre d&apos;horloges ou pourcentage attendu (5%)</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>celui donné</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>celui enregistré</translation>
    </message>
    <message>
        <source>from the list</source>
        <translation>de la liste</translation>
    </message>
    <message>
        <source>generated</source>
        <translation>généré</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>horloge</translation>
    </message>
    <message>
        <source>old password</source>
        <translation>ancien mot de passe</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>nouveau mot de passe</translation>
    </message>
    <message>
        <source>Password run %1: %2 clocks.</source>
        <translation>Changement de mots de passe %1&#xa0;: %2 horloges.</translation>
    </message>
    <message>
        <source>state</source>
        <translation>état</translation>
    </message>
    <message>
        <source>stored password</source>
        <translation>mot de passe enregistré</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>old</source>
        <translation>ancien</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Changement de mots de passe %1&#xa0;: %2 vérifiées sur %3 horloges.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Arrêt entre deux vagues&#xa0;: plus d&apos;horloges ont échoué que --max-failed ne le permet, ou l&apos;exécution a été interrompue.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Change the password of %1 clocks? [y/N] </source>
        <translation>Changer le mot de passe de %1 horloges&#xa0;? [y/N] </translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Vague %1&#xa0;: %2 horloges</translation>
    </message>
    <message>
        <source>Sending passwords</source>
        <translation>Envoi des mots de passe</translation>
    </message>
</context>
<context>
    <name>PasswordRun</name>
    <message>
        <source>not changed: the clock still answers to the old password</source>
        <translation>non changé&#xa0;: l&apos;horloge accepte encore l&apos;ancien mot de passe</translation>
    </message>
    <message>
        <source>not verified: the clock took the new password but does not answer with it (%1)</source>
        <translation>non vérifié&#xa0;: l&apos;horloge a accepté le nouveau mot de passe mais ne répond pas avec lui (%1)</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifiée</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non vérifiée</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>envoi en cours</translation>
    </message>
    <message>
        <source>planned</source>
        <translation>prévu</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>l&apos;exécution s&apos;est arrêtée avant sa vague</translation>
    </message>
</context>
<context>
    <name>PasswordRunModel</name>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>old</source>
        <translation>ancien</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Stored password</source>
        <translation>Mot de passe enregistré</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>QuietCommands</name>
    <message>
        <source>The request could not be written to %1.</source>
        <translation>Impossible d&apos;écrire la demande dans %1.</translation>
    </message>
    <message>
        <source>The program that holds the device list did not take the request.</source>
        <translation>Le programme qui détient la liste des appareils n&apos;a pas pris la demande en compte.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>groupe %1</translation>
    </message>
    <message>
        <source>%1 is quiet until %2.</source>
        <translation>%1&#xa0;: silence jusqu&apos;au %2.</translation>
    </message>
    <message>
        <source>%1 is quiet until unmuted.</source>
        <translation>%1&#xa0;: silence jusqu&apos;à nouvel ordre.</translation>
    </message>
    <message>
        <source>%1 is no longer quiet.</source>
        <translation>%1&#xa0;: silence levé.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Aucun événement.</translation>
    </message>
    <message>
        <source>%1 is not muted; nothing changed.</source>
        <translation>%1 n&apos;est pas en silence&#xa0;; rien n&apos;a changé.</translation>
    </message>
    <message>
        <source>%1 is quiet every %2.</source>
        <translation>%1&#xa0;: silence chaque semaine&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours now.</source>
        <translation>%1 n&apos;a plus d&apos;heures de silence hebdomadaires.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours; nothing changed.</source>
        <translation>%1 n&apos;a pas d&apos;heures de silence hebdomadaires&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>&quot;%1&quot; is not a window like &quot;Mon-Fri 22:00-06:00&quot; or &quot;Sat-Sun&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une plage comme «&#xa0;Mon-Fri 22:00-06:00&#xa0;» ou «&#xa0;Sat-Sun&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: les jours sont Mon, Tue, Wed, Thu, Fri, Sat et Sun.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times run from 00:00 to 23:59, an end up to 24:00.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: les heures vont de 00:00 à 23:59, une fin jusqu&apos;à 24:00.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends when it starts.</source>
        <translation>«&#xa0;%1&#xa0;» se termine quand elle commence.</translation>
    </message>
    <message>
        <source>Quiet hours are at most %1 characters.</source>
        <translation>Les heures de silence font au plus %1 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone of this machine, like Europe/Berlin.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fuseau horaire de cette machine, comme Europe/Berlin.</translation>
    </message>
    <message>
        <source>At most %1 windows.</source>
        <translation>Au plus %1 plages.</translation>
    </message>
    <message>
        <source>No window given, like &quot;Mon-Fri 22:00-06:00&quot;.</source>
        <translation>Aucune plage indiquée, comme «&#xa0;Mon-Fri 22:00-06:00&#xa0;».</translation>
    </message>
</context>
<context>
    <name>QuietPeriodChoice</name>
    <message>
        <source>For 1 hour</source>
        <translation>Pendant 1 heure</translation>
    </message>
    <message>
        <source>For 8 hours</source>
        <translation>Pendant 8 heures</translation>
    </message>
    <message>
        <source>Until 06:00 tomorrow</source>
        <translation>Jusqu&apos;à demain 06:00</translation>
    </message>
    <message>
        <source>For 7 days</source>
        <translation>Pendant 7 jours</translation>
    </message>
    <message>
        <source>Until unmuted</source>
        <translation>Jusqu&apos;à nouvel ordre</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Période de silence</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No alert mail names %1 while it lasts; it is polled and shown as usual.</source>
        <translation>Pendant cette période, les e-mails d&apos;alerte ne citent pas %1&#xa0;; l&apos;interrogation et l&apos;affichage continuent normalement.</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Every week...</source>
        <translation>Chaque semaine…</translation>
    </message>
    <message>
        <source>Weekly quiet hours</source>
        <translation>Heures de silence hebdomadaires</translation>
    </message>
    <message>
        <source>No alert mail names %1 in these windows, every week (empty: none):</source>
        <translation>Aucun e-mail d&apos;alerte ne nomme %1 dans ces plages, chaque semaine (vide&#xa0;: aucune)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QuietRequest</name>
    <message>
        <source>No group is named &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucun groupe nommé «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Aucune horloge d&apos;adresse %1 ne figure dans la liste des appareils.</translation>
    </message>
</context>
<context>
    <name>QuietRequestWatcher</name>
    <message>
        <source>Quiet requests in %1 are not obeyed: other users can write into the folder.</source>
        <translation>Les demandes de période de silence dans %1 ne sont pas suivies : d&apos;autres utilisateurs peuvent écrire dans le dossier.</translation>
    </message>
    <message>
        <source>Quiet request %1 not obeyed: %2</source>
        <translation>Demande de période de silence %1 non suivie : %2</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Answering</source>
        <translation>Répond</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Synchronisée</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incidents</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Le plus long</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source>MTTR</source>
        <translation>MTTR</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silence</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Horloges</translation>
    </message>
    <message>
        <source>(no group)</source>
        <translation>(sans groupe)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valide</translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message>
        <source>No usable local network interface to search on.</source>
        <translation>Aucune interface réseau locale utilisable pour la recherche.</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Recherche d&apos;appareils</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>déjà dans la liste</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajoutée</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>Aucun appareil trouvé.</translation>
    </message>
    <message>
        <source>Resolving address conflicts</source>
        <translation>Résolution des conflits d&apos;adresses</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>Aucun appareil trouvé.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Adresses MAC et IP modifiées pour %1 sur %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n horloge</numerusform>
            <numerusform>%n horloges</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n appareil trouvé</numerusform>
            <numerusform>%n appareils trouvés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>Horloges trouvées n&apos;ayant pas pris leur nouvelle adresse&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>Horloges trouvées laissées inchangées&#xa0;: %1 sur %2 (aucune adresse libre après .254).</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Lecture de l&apos;état</translation>
    </message>
    <message>
        <source>Every clock found (%1) refused the user name and password.</source>
        <translation>Chaque horloge trouvée (%1) a refusé le nom d&apos;utilisateur et le mot de passe.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>L&apos;horloge a refusé la nouvelle adresse.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>Il ne restait aucune adresse pour elle.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1
Open the device list read-only? Nothing will be saved.</source>
        <translation>%1
Ouvrir la liste des appareils en lecture seule&#xa0;? Rien ne sera enregistré.</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Ouvrir en lecture seule</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>StateLoad</name>
    <message>
        <source>Cannot read the device list %1; it was left as it is.</source>
        <translation>Impossible de lire la liste des appareils %1&#xa0;; elle a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>Cannot read the device list %1; it was kept as %2.</source>
        <translation>Impossible de lire la liste des appareils %1&#xa0;; elle a été conservée sous le nom %2.</translation>
    </message>
</context>
<context>
    <name>StatusBoard</name>
    <message>
        <source>Clock status</source>
        <translation>État des horloges</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtrer par nom ou adresse</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Problèmes uniquement</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Muted until</source>
        <translation>Silencieux jusqu’à</translation>
    </message>
    <message>
        <source>Status age</source>
        <translation>Âge de l’état</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>Aucun événement.</translation>
    </message>
    <message>
        <source>until lifted</source>
        <translation>jusqu’à levée</translation>
    </message>
    <message>
        <source>%1 of %2 clocks shown</source>
        <translation>%1 horloges affichées sur %2</translation>
    </message>
    <message>
        <source>The monitor cannot be reached. The board shows what it last received.</source>
        <translation>Le moniteur est injoignable. Le tableau montre ce qu’il a reçu en dernier.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Horloges</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilité</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Calcul des chiffres...</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>Impossible de lire l&apos;historique.</translation>
    </message>
    <message>
        <source>The figures could not be loaded.</source>
        <translation>Les chiffres n&apos;ont pas pu être chargés.</translation>
    </message>
</context>
<context>
    <name>TabAlarms</name>
    <message>
        <source>Import/Export alarms configuration</source>
        <translation>Importer/exporter la configuration des alarmes</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Disable all alarms</source>
        <translation>Désactiver toutes les alarmes</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Chargement, veuillez patienter…</translation>
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
        <translation>Afficher l&apos;heure</translation>
    </message>
    <message>
        <source>Time shown for</source>
        <translation>Durée d&apos;affichage de l&apos;heure</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Afficher la température</translation>
    </message>
    <message>
        <source>Temperature shown for</source>
        <translation>Durée d&apos;affichage de la température</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Afficher la date</translation>
    </message>
    <message>
        <source>Date shown for</source>
        <translation>Durée d&apos;affichage de la date</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Format de l&apos;heure</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de la date</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Zéros initiaux de l&apos;heure</translation>
    </message>
    <message>
        <source>Blinking time colon</source>
        <translation>Deux-points clignotants</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Import/Export display configuration</source>
        <translation>Importer/exporter la configuration d&apos;affichage</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Thermometer configuration</source>
        <translation>Configuration du thermomètre</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Correction de température</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Synchronisation de l&apos;affichage</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP du maître</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Éco</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Mode éco</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Allumage</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Extinction</translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation>jour, mois, année</translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation>mois, jour, année</translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation>année, mois, jour</translation>
    </message>
    <message>
        <source>year, day, month</source>
        <translation>année, jour, mois</translation>
    </message>
    <message>
        <source>day, month</source>
        <translation>jour, mois</translation>
    </message>
    <message>
        <source>month, day</source>
        <translation>mois, jour</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The order in which the clock shows the date: D day, N month, Y year</source>
        <translation>Ordre dans lequel l&apos;horloge affiche la date&#xa0;: D jour, N mois, Y année</translation>
    </message>
</context>
<context>
    <name>TabSend</name>
    <message>
        <source>Send configuration</source>
        <translation>Envoyer la configuration</translation>
    </message>
    <message>
        <source>The configuration is sent to:</source>
        <translation>La configuration est envoyée à&#xa0;:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>TabTime</name>
    <message>
        <source>Regional settings</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Fuseau horaire actif</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Start week</source>
        <translation>Semaine de début</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Jour de début</translation>
    </message>
    <message>
        <source>of</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Mois de début</translation>
    </message>
    <message>
        <source>at</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End week</source>
        <translation>Semaine de fin</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Jour de fin</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Mois de fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Remote time synchronization</source>
        <translation>Synchronisation horaire distante</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Source de l&apos;heure</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Serveur NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Serveur NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Serveur NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Serveur NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Serveur NTP 5</translation>
    </message>
    <message>
        <source>A server name cannot hold &quot;&amp;&quot;, &quot;=&quot; or a line break: the clock would misread it.</source>
        <translation>Un nom de serveur ne peut contenir ni «&#xa0;&amp;&#xa0;», ni «&#xa0;=&#xa0;», ni saut de ligne&#xa0;: l&apos;horloge l&apos;interpréterait mal.</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Intervalle d&apos;interrogation</translation>
    </message>
    <message>
        <source>Local time synchronization</source>
        <translation>Synchronisation horaire locale</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Mode maître</translation>
    </message>
</context>
<context>
    <name>TestMailFlow</name>
    <message>
        <source>%1 Notification Test</source>
        <translation>Test de notification %1</translation>
    </message>
    <message>
        <source>This is %1 notification test e-mail.</source>
        <translation>Ceci est un e-mail de test des notifications de %1.</translation>
    </message>
    <message>
        <source>Test e-mail has been sent successfully.</source>
        <translation>L&apos;e-mail de test a bien été envoyé.</translation>
    </message>
    <message>
        <source>Test e-mail sent failed</source>
        <translation>Échec de l&apos;envoi de l&apos;e-mail de test</translation>
    </message>
    <message>
        <source>Test e-mail sent failed: no recipient is set.</source>
        <translation>Échec de l&apos;envoi de l&apos;e-mail de test&#xa0;: aucun destinataire défini.</translation>
    </message>
</context>
<context>
    <name>WindowClosing</name>
    <message>
        <source>Notifications and reports are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent and data reporting will stop)</source>
        <translation>Les notifications et les rapports sont activés. Voulez-vous vraiment fermer %1&#xa0;? (Les e-mails d&apos;alerte ne seront plus envoyés et l&apos;enregistrement des données s&apos;arrêtera)</translation>
    </message>
    <message>
        <source>Notification are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</source>
        <translation>Les notifications sont activées. Voulez-vous vraiment fermer %1&#xa0;? (Les e-mails d&apos;alerte ne seront plus envoyés)</translation>
    </message>
    <message>
        <source>Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)</source>
        <translation>Les rapports sont activés. Voulez-vous vraiment fermer %1&#xa0;? (L&apos;enregistrement des données s&apos;arrêtera)</translation>
    </message>
    <message>
        <source>Minimalize to tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Fermer l&apos;application</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 Close anyway? (Changes since the last save will be lost)</source>
        <translation>%1 Fermer quand même&#xa0;? (Les modifications faites depuis le dernier enregistrement seront perdues)</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Liste des appareils</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>IP conflicts</source>
        <translation>Conflits IP</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Afficher la fenêtre</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>Masquer la fenêtre</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Fermer l&apos;application</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>No PDF viewer was found to open the manual. You can find it here:
%1</source>
        <translation>Aucune visionneuse PDF n&apos;a été trouvée pour ouvrir le manuel. Il se trouve ici&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (non enregistré)</translation>
    </message>
    <message>
        <source>%1 (history not written)</source>
        <translation>%1 (historique non écrit)</translation>
    </message>
    <message>
        <source>The history of clock events cannot be written: %1</source>
        <translation>L&apos;historique des événements des horloges ne peut pas être écrit&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Application was minimized to tray</source>
        <translation>L&apos;application a été réduite dans la zone de notification</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>WorkerTcp</name>
    <message>
        <source>Failed to connect.</source>
        <translation>Échec de la connexion.</translation>
    </message>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Échec de l&apos;envoi. Aucune donnée à envoyer.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Échec de l&apos;envoi. Aucune donnée n&apos;a pu être envoyée.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Échec de l&apos;envoi. Octets envoyés&#xa0;: %1 sur %2 seulement.</translation>
    </message>
</context>
<context>
    <name>WorkerThreadPool</name>
    <message>
        <source>unlimited</source>
        <translation>illimitée</translation>
    </message>
    <message>
        <source>Polls in flight: at least %1 for answering clocks and %2 for failing ones, following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5.</source>
        <translation>Interrogations en cours : au moins %1 pour les horloges qui répondent et %2 pour celles en échec, selon le parc, au plus %3 ensemble ; %4 échanges utilisateur à la fois ; limite de fichiers ouverts %5.</translation>
    </message>
</context>
<context>
    <name>WorkerUdp</name>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Échec de l&apos;envoi. Aucune donnée à envoyer.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Échec de l&apos;envoi. Aucune donnée n&apos;a pu être envoyée.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Échec de l&apos;envoi. Octets envoyés&#xa0;: %1 sur %2 seulement.</translation>
    </message>
</context>
<context>
    <name>XmlFile</name>
    <message>
        <source>not an XML file: %1 (line %2, column %3)</source>
        <translation>pas un fichier XML&#xa0;: %1 (ligne %2, colonne %3)</translation>
    </message>
    <message>
        <source>the XML file holds no element</source>
        <translation>le fichier XML ne contient aucun élément</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>plus de %1 Mo</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>imbriqué sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>an attribute longer than %1 characters</source>
        <translation>un attribut de plus de %1 caractères</translation>
    </message>
</context>
</TS>
