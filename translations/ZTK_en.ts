<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressPlan</name>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is not a text file (a spreadsheet must be saved as CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the header names no &quot;ip&quot; column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan lists no address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan lists more than %1 addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are ip, name, group, user, password and mac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address like 02-A7-3C-DC-00-00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the group holds a control character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressPlanActions</name>
    <message>
        <source>Probing addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device list is empty: there is nothing to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the clocks&apos; passwords into the file too? Whoever can read the file can then log in to the clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export device list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address plans (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device list could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device list exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These listed clocks answered at a new address while nothing else answered at the old one:
%1
Move their rows there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;/%1&quot; is not a prefix length from 0 to 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the range %1 ends before it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the range %1 holds %2 addresses; at most %3 are probed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range %1 to %2 holds %3 addresses, more than %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in 0.0.0.0/8, which means &quot;this network&quot;, not a host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a multicast address (224.0.0.0/4), not a clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the reserved block 240.0.0.0/4, not a clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the limited broadcast address, not a clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmTable</name>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration[s]</source>
        <translation>Duration [s]</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1 duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Every day</translation>
    </message>
    <message>
        <source>Selected days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditChecks</name>
    <message>
        <source>Synchronization is &quot;None&quot;: the clock keeps time by itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP without any server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No fresh status: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP not synchronized: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone or summer-time rule outside the lists of choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock runs %1 ahead of %2 now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock runs %1 behind %2 now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 ahead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 behind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 in the clock, %3 in group %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration not downloaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware %1 is below the minimum %2 for %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditCommand</name>
    <message>
        <source>There is no group named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auditing clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot keep the findings in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting Audit/minFirmware holds &quot;%1&quot;, not MODEL=VERSION such as QM03=1.10; it is left out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditFinding</name>
    <message>
        <source>Critical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not reachable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drift from the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditFindingsModel</name>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Severity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditReport</name>
    <message>
        <source>%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without findings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AvailabilityMailer</name>
    <message>
        <source>availability report %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability of the clocks from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answering: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronised: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incidents: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The workbook attached holds the figures of every group and clock and the outages.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AvailabilityWorkbook</name>
    <message>
        <source>Answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest incident</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incident time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean time to recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability of the clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ongoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n further outages are not listed.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeClocksFlow</name>
    <message>
        <source>Reading configurations: %1 of %2 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped between waves; zentick-cli change --resume %1 goes on with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run could not be kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeCommand</name>
    <message>
        <source>change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --from and --only go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --set %1: expected FIELD=VALUE with a field of the configuration file (Server1, Brightness, Alarm2.Time, ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --only: there is no field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --only names no field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --resume goes on with the run&apos;s own clocks and change; --%1 cannot be given with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change: --resume takes no clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the change to %1 clocks? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading configurations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent; change --resume %1 goes on with this run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending the change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot keep the run in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change --resume %1 goes on with the clocks not yet done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeFieldChoices</name>
    <message>
        <source>Localization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time end time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time start week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time end week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time start day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time end day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time start month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer time end month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time shown for [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature shown for [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date shown for [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blinking colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature offset value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display synchronization mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eco switch on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eco switch off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: duration [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: selected days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1: Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeRecipe</name>
    <message>
        <source>its group has no configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no daylight-saving setting of the clock follows the zone %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already right: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeRun</name>
    <message>
        <source>cannot write the run&apos;s file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not verified: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not verified: the clock does not show the change (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeRunFile</name>
    <message>
        <source>no valid run id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no run id (such as 20261209-041502-7f3a)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no change run %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a change run: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeRunModel</name>
    <message>
        <source>already right: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>being sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeRunState</name>
    <message>
        <source>not a change run of this version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no valid run id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the change it makes is not readable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock %1 is not readable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChoiceLists</name>
    <message>
        <source>Europe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>United States</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Israel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 12:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 11:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 10:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 9:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 9:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 8:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 7:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 6:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 5:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 4:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 3:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 3:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 2:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC - 1:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC 0:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 1:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 2:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 3:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 3:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 4:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 4:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 5:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 5:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 5:45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 6:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 6:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 7:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 8:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 8:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 8:45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 9:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 9:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 10:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 10:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 11:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 11:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 12:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 12:45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 13:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC + 14:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NDY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YDN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indoor standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indoor dynamic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdoor standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outdoor dynamic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celcius [°C]</source>
        <translation>Celsius [°C]</translation>
    </message>
    <message>
        <source>Fahrenheit [°F]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave basic mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slave full mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Refreshing status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration did not reach %1 of %2 clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication data set for %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock answered with them: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockEventText</name>
    <message>
        <source>Stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert due: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert mail delivered, naming %1 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert mail delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail not delivered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery mail delivered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet until lifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet period ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet period lifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watched by the monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network settings set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address conflict resolved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed by an operator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %2 failed: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(run %1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockIntake</name>
    <message>
        <source>%1: %2 (%3) moved to %4 (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: moved to %2, but refused its new MAC; it keeps %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: refused its new address; it stays at %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockListModel</name>
    <message>
        <source>Muted until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muted until unmuted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audit findings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left and Right choose a button, Space presses it; the context menu lists the same actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet hours until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet hours all week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet hours: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet hours not understood, not obeyed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockMerge</name>
    <message>
        <source>moved from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two clocks report MAC %1 (%2 and %3); nothing changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not moved from %1 to %2: %1 did not answer with another clock; the move waits for confirmation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockPrinter</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockRegistry</name>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockSelection</name>
    <message>
        <source>%1: %2: rows naming no listed clock, left out (import lists them): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: --mac names one clock; it cannot be given with --all, --group or --plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no group named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: give the clocks: addresses, --group NAME, --plan FILE or --all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommissionCommands</name>
    <message>
        <source>Probing addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give --force to probe them all.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommissionedAddress</name>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added, not answering</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommissioningModel</name>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n address(es)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommissioningSender</name>
    <message>
        <source>the network settings do not read as a clock&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the status does not read as a clock&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not answer as a clock does, so it was not sent the password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer names no firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>model not recognised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another clock (%1) answers at this address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigFieldAccess</name>
    <message>
        <source>expected on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a time HH:MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;&amp;&quot;, &quot;=&quot; or a control character, or is too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected a number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no field %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigParts</name>
    <message>
        <source>time part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>display part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alarm part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration not read completely: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration not complete (%1); nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationDownload</name>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationFileActions</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentick configuration files (*.qlxztc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentick configuration files (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock configuration files (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration loaded successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration loaded failed</source>
        <translation>Configuration load failed</translation>
    </message>
    <message>
        <source>Configuration saved successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration save failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration exported successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration export failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration import successfully</source>
        <translation>Configuration imported successfully</translation>
    </message>
    <message>
        <source>Configuration import failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyAudit</name>
    <message>
        <source>Canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchanged since the last mail; not mailed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 audit: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not mailed: no recipient or no connection to the mail server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not mailed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1; the same findings will be mailed again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mailed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  Audit: %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevClock</name>
    <message>
        <source>Synchronized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synchronization time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ntp server timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ntp synchronization disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No status available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last status update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorization error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device is not responding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - IP duplicate found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronized (no server named)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>Replies to the search lost because the system&apos;s receive buffer was full: %1. Search again to find the missing clocks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceListLock</name>
    <message>
        <source>another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device list is in use by %1 (process %2 on %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device list is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the lock file %1 of the device list: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds, sets up and watches LED wall clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright QLX Devices. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAuditFindings</name>
    <message>
        <source>Check clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving compared with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site zone…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the time zone the audit compares the clocks with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align with group…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the clocks that depart from their group&apos;s configuration or leave the site&apos;s zone, after a preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAuthentication</name>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogAvailability</name>
    <message>
        <source>Availability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;locks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Enter sorts the table by the current column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Figures of %n clocks.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogChangeClocks</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send configuration to group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Align %n clocks with their groups: the fields where a clock departs from its group&apos;s configuration, and its daylight saving where it leaves the site&apos;s zone.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n clocks is read first; the table shows what the send changes on each. Nothing is sent until you press Send.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Change %n clocks: choose the fields and their values, then Preview shows what each clock gets before anything is sent.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Set fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields from a configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields to change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields to take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export change result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogChangePasswords</name>
    <message>
        <source>Change passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks: each is sent its new password, then asked for its status with it. The device list keeps the password each clock answers to.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One new password for every clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new password for each clock, made here and saved to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File of the made passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file of the made passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords from a file (ADDRESS,PASSWORD lines, or one password)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File of new passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file of new passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: each clock&apos;s stored password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the new passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a file of new passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new password is not the same in both fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export password result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the new password in both fields.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogCombobox</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogCommissioningResults</name>
    <message>
        <source>Results by address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses; the clocks found until then are on the device list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogDeviceSettings</name>
    <message>
        <source>Clock settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Interface:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS Primary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS Secondary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP opt. 42</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP opt. private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private opt. number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Panel Timeout:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable remote access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat new password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network settings were not sent: %1 is not a complete IP address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password is not identical in both fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication data set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network interface set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogDevicesFound</name>
    <message>
        <source>Devices found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock(s) with same IP already exist on device list. Do you want to add selected clock(s) anyway?</source>
        <translation>Clock(s) with the same IP already exist on the device list. Do you want to add the selected clock(s) anyway?</translation>
    </message>
    <message>
        <source>moved from %1 to %2? Tick to confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong password for listed clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogEditName</name>
    <message>
        <source>Edit group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogHistory</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has happened to this clock yet, or the journal is kept elsewhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The latest %n events, newest first.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogHost</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogNewClock</name>
    <message>
        <source>Add clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network interface:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.20.1.10-10.20.1.200 or 10.20.1.0/24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address plan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A CSV file with a header row: ip, name, group, user, password (only ip is needed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the clocks the plan&apos;s names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect address range: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask every one of them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open address plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address plans (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the address plan first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 % of the clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 % of the clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 % of the clocks sent to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First wave (clocks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each later wave (clocks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failures before it stops</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogProgress</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogQuestion</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Authorization error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect data sent or function is unsupported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable connect to device</source>
        <translation>Unable to connect to device</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>An error occurred:</translation>
    </message>
    <message>
        <source>not a clock address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no route to the clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer is not an HTTP reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clock answered with HTTP status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clock does not know this request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer does not end</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventJournal</name>
    <message>
        <source>Journal %1 could not be written (%2); events lost: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal %1 cannot be written: %2; events wait in memory and are written when it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal %1 is written again; %2 events were dropped meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Journal %1 is written again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal %1 was imported into the history: %2 events, %3 damaged lines skipped; it is kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history was damaged and set aside as %1; a new one was started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailedAttempts</name>
    <message>
        <source>Refused a request with a wrong token from %1 (%2 from there so far); its next tokens are checked ever more slowly.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FleetCheck</name>
    <message>
        <source>Checking clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audit compares each clock&apos;s daylight saving with the time zone of the site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FleetSummary</name>
    <message>
        <source>%1 synchronized, %2 warning, %3 critical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 without status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with critical audit findings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupTree</name>
    <message>
        <source>Delete group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit group configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove clock from group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy clock configuration to group and edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (quiet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the context menu of the row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change clocks of the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change passwords of the group</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IncidentMail</name>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks need attention.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Since: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>back to normal: </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n clocks are back to normal.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Back to normal after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 d %2 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>%1 applies at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailCommands</name>
    <message>
        <source>Sending test e-mail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Ntp server timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alert: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>The device list is empty; nothing to poll.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot serve metrics on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--board-token-file needs --board or --metrics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the board&apos;s token: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--board-host %1 is not a host name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The status board on %1 is open to anyone who can reach it; see --board-token-file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot serve the status board on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by signal %1; device list saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by signal %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Cannot watch for SIGINT and SIGTERM.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <source>The device list is not locked for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the device list %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkCardChoices</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewPasswords</name>
    <message>
        <source>line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected ADDRESS,PASSWORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password of %1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list names no clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageConfiguration</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration first in device list.</source>
        <translation>The clock has no fetched configuration. Download its configuration in the device list first.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the device list (keeps the changes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or save a configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the configuration from the clock again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock %1 is in group %2. Send configuration anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration was sent to %1 of %2 clocks. Not sent to: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageConflict</name>
    <message>
        <source>IP conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application will detect and change MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for every next device with conflict found.</source>
        <translation>The application will detect and change the MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for each further device found with a conflict.</translation>
    </message>
    <message>
        <source>New MAC of first device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New IP of first device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new MAC of the first device is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new IP of the first device is not a full address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolving conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>No devices were found.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n clock(s)</numerusform>
            <numerusform>%n clock(s)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageDeviceList</name>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name or IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that every clock keeps the right time and matches its group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refreshing status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download and edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit without download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete clock %1 (IP: %2)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock %1 data refreshed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End quiet period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet period...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the device list to a file as an address plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change clocks…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change fields of the selected clocks (or of every clock shown) after a preview (Ctrl+Shift+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the passwords of the selected clocks (or of every clock shown) in waves (Ctrl+Shift+P)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageGroupList</name>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks and their groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete group %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to open clock configuration and copy it to group?</source>
        <translation>Are you sure you want to open the clock&apos;s configuration and copy it to the group?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group don&apos;t have any clocks.</source>
        <translation>The group has no clocks.</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration in device list first.</source>
        <translation>The clock has no fetched configuration. Download its configuration in the device list first.</translation>
    </message>
    <message>
        <source>Group don&apos;t have configuration.</source>
        <translation>The group has no configuration.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected group has no configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose device from which do you want to copy configuration for group.</source>
        <translation>Choose the clock whose configuration the group gets.</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy configuration to the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any clock of group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the quiet period of group %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageNotifications</name>
    <message>
        <source>Server settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification configuration saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration before minimize application?</source>
        <translation>Save the configuration before minimizing the application?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS/SSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StartTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore SSL errors (may be unsafe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend e-mail every:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No authentication:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ntp timeout:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ntp timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipent list</source>
        <translation>Recipient list</translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save configuration before sending test e-mail?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password cannot be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can add up to 10 recipients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient e-mail is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One mail for alerts within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks whose alerts fall due within this time of the first are named in one mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to normal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One more mail when the clocks of a delivered alert answer and are synchronised again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail when they are well again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove recipient %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly availability report:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mails the previous month&apos;s availability figures with the workbook attached, once a month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail the previous month&apos;s figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On day of the month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report recipients:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses separated by commas; when empty, the report goes to the alert recipients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As for alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report recipient %1 is not a valid e-mail address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Enable file report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filepath:</source>
        <translation>File path:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS Excel (xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report configuration before minimize application?</source>
        <translation>Save the report configuration before minimizing the application?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filepath can&apos;t be empty.</source>
        <translation>File path can&apos;t be empty.</translation>
    </message>
    <message>
        <source>Invalid report filepath.</source>
        <translation>Invalid report file path.</translation>
    </message>
    <message>
        <source>Microsoft Excel files (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report configuration saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterText</name>
    <message>
        <source>The configuration was not sent: %1 holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordClocksFlow</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives no password for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the new password is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run has been sent already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clocks are chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped between waves: the clocks not sent to keep their passwords.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordCommand</name>
    <message>
        <source>password: --new-file %1 gives no password for %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>password: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>old password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password run %1: %2 clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the password of %1 clocks? [y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending passwords</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordRun</name>
    <message>
        <source>not changed: the clock still answers to the old password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not verified: the clock took the new password but does not answer with it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordRunModel</name>
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuietCommands</name>
    <message>
        <source>The request could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program that holds the device list did not take the request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is quiet until %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is quiet until unmuted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer quiet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not muted; nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is quiet every %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours; nothing changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>&quot;%1&quot; is not a window like &quot;Mon-Fri 22:00-06:00&quot; or &quot;Sat-Sun&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times run from 00:00 to 23:59, an end up to 24:00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends when it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet hours are at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone of this machine, like Europe/Berlin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window given, like &quot;Mon-Fri 22:00-06:00&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuietPeriodChoice</name>
    <message>
        <source>For 1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 8 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until 06:00 tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until unmuted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alert mail names %1 while it lasts; it is polled and shown as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every week...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly quiet hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alert mail names %1 in these windows, every week (empty: none):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuietRequest</name>
    <message>
        <source>No group is named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuietRequestWatcher</name>
    <message>
        <source>Quiet requests in %1 are not obeyed: other users can write into the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet request %1 not obeyed: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MTTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no group)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message>
        <source>No usable local network interface to search on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolving address conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>No devices were found.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n clock(s)</numerusform>
            <numerusform>%n clock(s)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every clock found (%1) refused the user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1
Open the device list read-only? Nothing will be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StateLoad</name>
    <message>
        <source>Cannot read the device list %1; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the device list %1; it was kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBoard</name>
    <message>
        <source>Clock status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muted until</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>until lifted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 clocks shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monitor cannot be reached. The board shows what it last received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Views</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figures could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabAlarms</name>
    <message>
        <source>Import/Export alarms configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable all alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabDisplay</name>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time shown for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature shown for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date shown for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blinking time colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import/Export display configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermometer configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year, day, month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day, month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>month, day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order in which the clock shows the date: D day, N month, Y year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabSend</name>
    <message>
        <source>Send configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration is sent to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabTime</name>
    <message>
        <source>Regional settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote time synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A server name cannot hold &quot;&amp;&quot;, &quot;=&quot; or a line break: the clock would misread it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestMailFlow</name>
    <message>
        <source>%1 Notification Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is %1 notification test e-mail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test e-mail has been sent successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test e-mail sent failed</source>
        <translation>Sending the test e-mail failed</translation>
    </message>
    <message>
        <source>Test e-mail sent failed: no recipient is set.</source>
        <translation>Sending the test e-mail failed: no recipient is set.</translation>
    </message>
</context>
<context>
    <name>WindowClosing</name>
    <message>
        <source>Notifications and reports are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent and data reporting will stop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</source>
        <translation>Notifications are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</translation>
    </message>
    <message>
        <source>Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimalize to tray</source>
        <translation>Minimize to tray</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Close anyway? (Changes since the last save will be lost)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP conflicts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No PDF viewer was found to open the manual. You can find it here:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 (read-only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (history not written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of clock events cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Application was minimized to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkerTcp</name>
    <message>
        <source>Failed to connect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkerThreadPool</name>
    <message>
        <source>unlimited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polls in flight: at least %1 for answering clocks and %2 for failing ones, following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkerUdp</name>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XmlFile</name>
    <message>
        <source>not an XML file: %1 (line %2, column %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the XML file holds no element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an attribute longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
