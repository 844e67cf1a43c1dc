<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>AddressPlan</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>this is not a text file (a spreadsheet must be saved as CSV)</source>
        <translation>no es un archivo de texto (una hoja de cálculo debe guardarse como CSV)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>el texto no está en UTF-8</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texto después de las comillas de cierre</translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation>comillas dentro de un campo que no empieza con comillas</translation>
    </message>
    <message>
        <source>the column &quot;%1&quot; is named twice</source>
        <translation>la columna «%1» aparece dos veces</translation>
    </message>
    <message>
        <source>the header names no &quot;ip&quot; column</source>
        <translation>la cabecera no incluye la columna «ip»</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 campos donde la cabecera indica %2</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«%1» no es una dirección IPv4</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>el archivo ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the plan lists no address</source>
        <translation>el plan no contiene ninguna dirección</translation>
    </message>
    <message>
        <source>the plan lists more than %1 addresses</source>
        <translation>el plan contiene más de %1 direcciones</translation>
    </message>
    <message>
        <source>%1 is already on line %2</source>
        <translation>%1 ya figura en la línea %2</translation>
    </message>
    <message>
        <source>unknown column &quot;%1&quot; (the columns are ip, name, group, user, password and mac)</source>
        <translation>columna «%1» desconocida (las columnas son ip, name, group, user, password y mac)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a MAC address like 02-A7-3C-DC-00-00</source>
        <translation>«%1» no es una dirección MAC como 02-A7-3C-DC-00-00</translation>
    </message>
    <message>
        <source>the group holds a control character</source>
        <translation>el grupo contiene un carácter de control</translation>
    </message>
</context>
<context>
    <name>AddressPlanActions</name>
    <message>
        <source>Probing addresses</source>
        <translation>Sondeando direcciones</translation>
    </message>
    <message>
        <source>The device list is empty: there is nothing to export.</source>
        <translation>La lista de dispositivos está vacía: no hay nada que exportar.</translation>
    </message>
    <message>
        <source>Write the clocks&apos; passwords into the file too? Whoever can read the file can then log in to the clocks.</source>
        <translation>¿Escribir también las contraseñas de los relojes en el archivo? Quien pueda leer el archivo podrá entonces acceder a los relojes.</translation>
    </message>
    <message>
        <source>Without passwords</source>
        <translation>Sin contraseñas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>With passwords</source>
        <translation>Con contraseñas</translation>
    </message>
    <message>
        <source>Export device list</source>
        <translation>Exportar lista de dispositivos</translation>
    </message>
    <message>
        <source>Address plans (*.csv)</source>
        <translation>Planes de direcciones (*.csv)</translation>
    </message>
    <message>
        <source>The device list could not be written to %1.</source>
        <translation>No se pudo escribir la lista de dispositivos en %1.</translation>
    </message>
    <message>
        <source>Device list exported to %1</source>
        <translation>Lista de dispositivos exportada a %1</translation>
    </message>
    <message>
        <source>These listed clocks answered at a new address while nothing else answered at the old one:
%1
Move their rows there?</source>
        <translation>Estos relojes de la lista respondieron en una dirección nueva y nada más respondió en la antigua:
%1
¿Mover allí sus filas?</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantener</translation>
    </message>
</context>
<context>
    <name>AddressRange</name>
    <message>
        <source>&quot;%1&quot; is not an IPv4 address</source>
        <translation>«%1» no es una dirección IPv4</translation>
    </message>
    <message>
        <source>&quot;/%1&quot; is not a prefix length from 0 to 32</source>
        <translation>«/%1» no es una longitud de prefijo entre 0 y 32</translation>
    </message>
    <message>
        <source>the range %1 ends before it starts</source>
        <translation>el rango %1 termina antes de empezar</translation>
    </message>
    <message>
        <source>the range %1 holds %2 addresses; at most %3 are probed</source>
        <translation>el rango %1 contiene %2 direcciones; se sondean como máximo %3</translation>
    </message>
    <message>
        <source>The range %1 to %2 holds %3 addresses, more than %4.</source>
        <translation>El rango de %1 a %2 contiene %3 direcciones, más de %4.</translation>
    </message>
    <message>
        <source>%1 is in 0.0.0.0/8, which means &quot;this network&quot;, not a host</source>
        <translation>%1 está en 0.0.0.0/8, que significa «esta red», no un equipo</translation>
    </message>
    <message>
        <source>%1 is a multicast address (224.0.0.0/4), not a clock</source>
        <translation>%1 es una dirección multicast (224.0.0.0/4), no un reloj</translation>
    </message>
    <message>
        <source>%1 is in the reserved block 240.0.0.0/4, not a clock</source>
        <translation>%1 está en el bloque reservado 240.0.0.0/4, no es un reloj</translation>
    </message>
    <message>
        <source>%1 is the limited broadcast address, not a clock</source>
        <translation>%1 es la dirección de difusión limitada, no un reloj</translation>
    </message>
</context>
<context>
    <name>AlarmTable</name>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Duration[s]</source>
        <translation>Duración [s]</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Alarm %1 time</source>
        <translation>Hora de la alarma %1</translation>
    </message>
    <message>
        <source>Alarm %1 duration</source>
        <translation>Duración de la alarma %1</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>Selected days</source>
        <translation>Días seleccionados</translation>
    </message>
</context>
<context>
    <name>AuditChecks</name>
    <message>
        <source>Synchronization is &quot;None&quot;: the clock keeps time by itself</source>
        <translation>Fuente de hora «Ninguna»: el reloj mantiene la hora por sí solo</translation>
    </message>
    <message>
        <source>NTP without any server</source>
        <translation>NTP sin ningún servidor</translation>
    </message>
    <message>
        <source>No fresh status: %1</source>
        <translation>Sin estado reciente: %1</translation>
    </message>
    <message>
        <source>NTP not synchronized: %1</source>
        <translation>NTP no sincronizado: %1</translation>
    </message>
    <message>
        <source>Time zone or summer-time rule outside the lists of choices</source>
        <translation>Zona horaria o regla de horario de verano fuera de las opciones disponibles</translation>
    </message>
    <message>
        <source>The clock runs %1 ahead of %2 now</source>
        <translation>El reloj va ahora %1 por delante de %2</translation>
    </message>
    <message>
        <source>The clock runs %1 behind %2 now</source>
        <translation>El reloj va ahora %1 por detrás de %2</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 ahead</source>
        <translation>A partir de %1 (%2), el reloj irá %3 adelantado</translation>
    </message>
    <message>
        <source>From %1 (%2) the clock runs %3 behind</source>
        <translation>A partir de %1 (%2), el reloj irá %3 atrasado</translation>
    </message>
    <message>
        <source>%1 is %2 in the clock, %3 in group %4</source>
        <translation>%1: %2 en el reloj, %3 en el grupo %4</translation>
    </message>
    <message>
        <source>Configuration not downloaded: %1</source>
        <translation>Configuración no descargada: %1</translation>
    </message>
    <message>
        <source>Firmware %1 is below the minimum %2 for %3</source>
        <translation>El firmware %1 es inferior a la versión mínima %2 para %3</translation>
    </message>
</context>
<context>
    <name>AuditCommand</name>
    <message>
        <source>There is no group named %1.</source>
        <translation>No existe ningún grupo llamado %1.</translation>
    </message>
    <message>
        <source>Auditing clocks</source>
        <translation>Auditando relojes</translation>
    </message>
    <message>
        <source>Cannot keep the findings in %1.</source>
        <translation>No se pueden guardar los hallazgos en %1.</translation>
    </message>
    <message>
        <source>The setting Audit/minFirmware holds &quot;%1&quot;, not MODEL=VERSION such as QM03=1.10; it is left out.</source>
        <translation>El ajuste Audit/minFirmware contiene «%1», no MODEL=VERSION como QM03=1.10; se omite.</translation>
    </message>
</context>
<context>
    <name>AuditFinding</name>
    <message>
        <source>Critical</source>
        <translation>Crítico</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Not reachable</source>
        <translation>Inaccesible</translation>
    </message>
    <message>
        <source>Drift from the group</source>
        <translation>Difiere del grupo</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Fuente de hora</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Horario de verano</translation>
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
        <translation>Reloj</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Hallazgo</translation>
    </message>
</context>
<context>
    <name>AuditReport</name>
    <message>
        <source>%1 clocks audited: %2 with critical findings, %3 with warnings, %4 without findings.</source>
        <translation>Relojes auditados: %1; con hallazgos críticos: %2, con avisos: %3, sin hallazgos: %4.</translation>
    </message>
</context>
<context>
    <name>AvailabilityMailer</name>
    <message>
        <source>availability report %1</source>
        <translation>informe de disponibilidad %1</translation>
    </message>
    <message>
        <source>Availability of the clocks from %1 to %2.</source>
        <translation>Disponibilidad de los relojes desde %1 hasta %2.</translation>
    </message>
    <message>
        <source>Clocks: %1</source>
        <translation>Relojes: %1</translation>
    </message>
    <message>
        <source>Answering: %1</source>
        <translation>Responde: %1</translation>
    </message>
    <message>
        <source>Synchronised: %1</source>
        <translation>Sincronizado: %1</translation>
    </message>
    <message>
        <source>Incidents: %1</source>
        <translation>Incidentes: %1</translation>
    </message>
    <message>
        <source>The workbook attached holds the figures of every group and clock and the outages.</source>
        <translation>El libro adjunto contiene las cifras de cada grupo y reloj y las caídas.</translation>
    </message>
</context>
<context>
    <name>AvailabilityWorkbook</name>
    <message>
        <source>Answering</source>
        <translation>Responde</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incidentes</translation>
    </message>
    <message>
        <source>Longest incident</source>
        <translation>Incidente más largo</translation>
    </message>
    <message>
        <source>Incident time</source>
        <translation>Tiempo de incidentes</translation>
    </message>
    <message>
        <source>Mean time to recovery</source>
        <translation>Tiempo medio de recuperación</translation>
    </message>
    <message>
        <source>Quiet time</source>
        <translation>Tiempo en silencio</translation>
    </message>
    <message>
        <source>Unknown time</source>
        <translation>Tiempo desconocido</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>No group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>Availability of the clocks</source>
        <translation>Disponibilidad de los relojes</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Outages</source>
        <translation>Caídas</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Ongoing</source>
        <translation>En curso</translation>
    </message>
    <message numerus="yes">
        <source>%n further outages are not listed.</source>
        <translation>
            <numerusform>%n caída más no figura en la lista.</numerusform>
            <numerusform>%n caídas más no figuran en la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
</context>
<context>
    <name>ChangeClocksFlow</name>
    <message>
        <source>Reading configurations: %1 of %2 clocks</source>
        <translation>Leyendo configuraciones: %1 de %2 relojes</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Oleada %1: %2 relojes</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Ejecución de cambio %1: %2 de %3 relojes por cambiar.</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Deteniendo tras la oleada en curso…</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Ejecución de cambio %1: %2 verificados de %3 relojes.</translation>
    </message>
    <message>
        <source>Stopped between waves; zentick-cli change --resume %1 goes on with it.</source>
        <translation>Detenida entre oleadas; zentick-cli change --resume %1 la continúa.</translation>
    </message>
    <message>
        <source>The run could not be kept: %1</source>
        <translation>No se pudo guardar la ejecución: %1</translation>
    </message>
</context>
<context>
    <name>ChangeCommand</name>
    <message>
        <source>change: give one of --set FIELD=VALUE, --from FILE --only FIELD,... or --align</source>
        <translation>change: indique una de estas opciones: --set FIELD=VALUE, --from FILE --only FIELD,... o --align</translation>
    </message>
    <message>
        <source>change: --from and --only go together</source>
        <translation>change: --from y --only deben indicarse juntas</translation>
    </message>
    <message>
        <source>change: --set %1: expected FIELD=VALUE with a field of the configuration file (Server1, Brightness, Alarm2.Time, ...)</source>
        <translation>change: --set %1: se esperaba FIELD=VALUE con un campo del archivo de configuración (Server1, Brightness, Alarm2.Time, ...)</translation>
    </message>
    <message>
        <source>change: --only: there is no field %1</source>
        <translation>change: --only: no existe el campo %1</translation>
    </message>
    <message>
        <source>change: --only names no field</source>
        <translation>change: --only no indica ningún campo</translation>
    </message>
    <message>
        <source>change: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>change: --max-failed: se esperaba un número de relojes o un porcentaje (5%)</translation>
    </message>
    <message>
        <source>change: --resume goes on with the run&apos;s own clocks and change; --%1 cannot be given with it</source>
        <translation>change: --resume continúa la ejecución con sus propios relojes y su cambio; no se puede indicar --%1 junto con ella</translation>
    </message>
    <message>
        <source>change: --resume takes no clocks</source>
        <translation>change: --resume no admite relojes</translation>
    </message>
    <message>
        <source>Send the change to %1 clocks? [y/N] </source>
        <translation>¿Enviar el cambio a %1 relojes? [y/N] </translation>
    </message>
    <message>
        <source>Reading configurations</source>
        <translation>Leyendo configuraciones</translation>
    </message>
    <message>
        <source>Nothing was sent; change --resume %1 goes on with this run.</source>
        <translation>No se envió nada; change --resume %1 continúa esta ejecución.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Oleada %1: %2 relojes</translation>
    </message>
    <message>
        <source>Sending the change</source>
        <translation>Enviando el cambio</translation>
    </message>
    <message>
        <source>Cannot keep the run in %1: %2</source>
        <translation>No se puede guardar la ejecución en %1: %2</translation>
    </message>
    <message>
        <source>change --resume %1 goes on with the clocks not yet done.</source>
        <translation>change --resume %1 continúa con los relojes aún pendientes.</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se envió nada.</translation>
    </message>
</context>
<context>
    <name>ChangeFieldChoices</name>
    <message>
        <source>Localization</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Zona horaria activa</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Fuente de hora</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Servidor NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Servidor NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Servidor NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Servidor NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Servidor NTP 5</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Modo maestro</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Intervalo de consulta</translation>
    </message>
    <message>
        <source>Summer time start time</source>
        <translation>Hora de inicio del horario de verano</translation>
    </message>
    <message>
        <source>Summer time end time</source>
        <translation>Hora de fin del horario de verano</translation>
    </message>
    <message>
        <source>Summer time start week</source>
        <translation>Semana de inicio del horario de verano</translation>
    </message>
    <message>
        <source>Summer time end week</source>
        <translation>Semana de fin del horario de verano</translation>
    </message>
    <message>
        <source>Summer time start day</source>
        <translation>Día de inicio del horario de verano</translation>
    </message>
    <message>
        <source>Summer time end day</source>
        <translation>Día de fin del horario de verano</translation>
    </message>
    <message>
        <source>Summer time start month</source>
        <translation>Mes de inicio del horario de verano</translation>
    </message>
    <message>
        <source>Summer time end month</source>
        <translation>Mes de fin del horario de verano</translation>
    </message>
    <message>
        <source>Show time</source>
        <translation>Mostrar hora</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Mostrar temperatura</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostrar fecha</translation>
    </message>
    <message>
        <source>Time shown for [s]</source>
        <translation>Hora mostrada durante [s]</translation>
    </message>
    <message>
        <source>Temperature shown for [s]</source>
        <translation>Temperatura mostrada durante [s]</translation>
    </message>
    <message>
        <source>Date shown for [s]</source>
        <translation>Fecha mostrada durante [s]</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Ceros a la izquierda en la hora</translation>
    </message>
    <message>
        <source>Blinking colon</source>
        <translation>Dos puntos parpadeantes</translation>
    </message>
    <message>
        <source>Brightness level</source>
        <translation>Nivel de brillo</translation>
    </message>
    <message>
        <source>Brightness profile</source>
        <translation>Perfil de brillo</translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Corrección de temperatura</translation>
    </message>
    <message>
        <source>Temperature offset value</source>
        <translation>Valor de corrección de temperatura</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Sincronización de pantalla</translation>
    </message>
    <message>
        <source>Display synchronization mode</source>
        <translation>Modo de sincronización de pantalla</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP del maestro</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Modo eco</translation>
    </message>
    <message>
        <source>Eco switch on</source>
        <translation>Eco: encendido</translation>
    </message>
    <message>
        <source>Eco switch off</source>
        <translation>Eco: apagado</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Alarm %1: active</source>
        <translation>Alarma %1: activa</translation>
    </message>
    <message>
        <source>Alarm %1: time</source>
        <translation>Alarma %1: hora</translation>
    </message>
    <message>
        <source>Alarm %1: duration [s]</source>
        <translation>Alarma %1: duración [s]</translation>
    </message>
    <message>
        <source>Alarm %1: selected days</source>
        <translation>Alarma %1: días seleccionados</translation>
    </message>
    <message>
        <source>Alarm %1: Monday</source>
        <translation>Alarma %1: lunes</translation>
    </message>
    <message>
        <source>Alarm %1: Tuesday</source>
        <translation>Alarma %1: martes</translation>
    </message>
    <message>
        <source>Alarm %1: Wednesday</source>
        <translation>Alarma %1: miércoles</translation>
    </message>
    <message>
        <source>Alarm %1: Thursday</source>
        <translation>Alarma %1: jueves</translation>
    </message>
    <message>
        <source>Alarm %1: Friday</source>
        <translation>Alarma %1: viernes</translation>
    </message>
    <message>
        <source>Alarm %1: Saturday</source>
        <translation>Alarma %1: sábado</translation>
    </message>
    <message>
        <source>Alarm %1: Sunday</source>
        <translation>Alarma %1: domingo</translation>
    </message>
    <message>
        <source>on</source>
        <translation>sí</translation>
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
        <translation>su grupo no tiene configuración</translation>
    </message>
    <message>
        <source>no daylight-saving setting of the clock follows the zone %1</source>
        <translation>ningún ajuste de horario de verano del reloj sigue la zona %1</translation>
    </message>
</context>
<context>
    <name>ChangeReport</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>ya correcto</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>configuración no legible (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>la ejecución se detuvo antes de la oleada de este reloj</translation>
    </message>
    <message>
        <source>already right: skipped</source>
        <translation>ya correcto: omitido</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: omitido</translation>
    </message>
    <message>
        <source>Change run %1: %2 of %3 clocks to change.</source>
        <translation>Ejecución de cambio %1: %2 de %3 relojes por cambiar.</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>reloj</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>campos</translation>
    </message>
    <message>
        <source>before</source>
        <translation>antes</translation>
    </message>
    <message>
        <source>after</source>
        <translation>después</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Change run %1: %2 verified of %3 clocks.</source>
        <translation>Ejecución de cambio %1: %2 verificados de %3 relojes.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Detenido entre oleadas: fallaron más relojes de los que permite --max-failed, o se interrumpió la ejecución.</translation>
    </message>
</context>
<context>
    <name>ChangeRun</name>
    <message>
        <source>cannot write the run&apos;s file</source>
        <translation>no se puede escribir el archivo de la ejecución</translation>
    </message>
    <message>
        <source>not verified: %1</source>
        <translation>no verificado: %1</translation>
    </message>
    <message>
        <source>not verified: the clock does not show the change (%1)</source>
        <translation>no verificado: el reloj no muestra el cambio (%1)</translation>
    </message>
</context>
<context>
    <name>ChangeRunFile</name>
    <message>
        <source>no valid run id</source>
        <translation>no hay un identificador de ejecución válido</translation>
    </message>
    <message>
        <source>%1 is no run id (such as 20261209-041502-7f3a)</source>
        <translation>%1 no es un identificador de ejecución (como 20261209-041502-7f3a)</translation>
    </message>
    <message>
        <source>there is no change run %1</source>
        <translation>no existe la ejecución de cambio %1</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 es demasiado grande</translation>
    </message>
    <message>
        <source>%1 is not a change run: %2</source>
        <translation>%1 no es una ejecución de cambio: %2</translation>
    </message>
</context>
<context>
    <name>ChangeRunModel</name>
    <message>
        <source>already right: skipped</source>
        <translation>ya está bien: omitido</translation>
    </message>
    <message>
        <source>: skipped</source>
        <translation>: omitido</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>Antiguo → nuevo</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>already right</source>
        <translation>ya está bien</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>being sent</source>
        <translation>enviándose</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>configuration not readable (%1)</source>
        <translation>configuración no legible (%1)</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>la ejecución se detuvo antes de su oleada</translation>
    </message>
</context>
<context>
    <name>ChangeRunState</name>
    <message>
        <source>not a change run of this version</source>
        <translation>no es una ejecución de cambio de esta versión</translation>
    </message>
    <message>
        <source>no valid run id</source>
        <translation>no hay un identificador de ejecución válido</translation>
    </message>
    <message>
        <source>the change it makes is not readable</source>
        <translation>el cambio que realiza no es legible</translation>
    </message>
    <message>
        <source>more than %1 clocks</source>
        <translation>más de %1 relojes</translation>
    </message>
    <message>
        <source>clock %1 is not readable</source>
        <translation>el reloj %1 no es legible</translation>
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
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
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
        <translation>Primer</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>Tercer</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>Cuarto</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
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
        <translation>Automático</translation>
    </message>
    <message>
        <source>Indoor standard</source>
        <translation>Interior estándar</translation>
    </message>
    <message>
        <source>Indoor dynamic</source>
        <translation>Interior dinámico</translation>
    </message>
    <message>
        <source>Outdoor standard</source>
        <translation>Exterior estándar</translation>
    </message>
    <message>
        <source>Outdoor dynamic</source>
        <translation>Exterior dinámico</translation>
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
        <translation>Modo maestro</translation>
    </message>
    <message>
        <source>Slave basic mode</source>
        <translation>Modo esclavo básico</translation>
    </message>
    <message>
        <source>Slave full mode</source>
        <translation>Modo esclavo completo</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondeada</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Angulosa</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Refreshing status</source>
        <translation>Actualizando estado</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Descargando configuración</translation>
    </message>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Configuración del reloj %1 descargada</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Enviando configuración</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviada</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>no enviada</translation>
    </message>
    <message>
        <source>The configuration did not reach %1 of %2 clocks.</source>
        <translation>La configuración no llegó a %1 de %2 relojes.</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>La configuración se ha enviado correctamente.</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Enviando nombre</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>El nombre se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Enviando ajustes de red</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Los ajustes de red se han cambiado correctamente.</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Enviando contraseña</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>La contraseña se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>Ningún reloj con la dirección %1 está en la lista de dispositivos.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Leyendo el estado</translation>
    </message>
    <message>
        <source>Authentication data set for %1 (%2).</source>
        <translation>Datos de autenticación establecidos para %1 (%2).</translation>
    </message>
    <message>
        <source>The clock answered with them: %1</source>
        <translation>El reloj respondió con ellos: %1</translation>
    </message>
</context>
<context>
    <name>ClockEventText</name>
    <message>
        <source>Stopped answering</source>
        <translation>Dejó de responder</translation>
    </message>
    <message>
        <source>Answers again</source>
        <translation>Vuelve a responder</translation>
    </message>
    <message>
        <source>NTP: %1</source>
        <translation>NTP: %1</translation>
    </message>
    <message>
        <source>Alert due: %1</source>
        <translation>Alerta activada: %1</translation>
    </message>
    <message>
        <source>Alert mail delivered, naming %1 clocks</source>
        <translation>Correo de alerta entregado (%1 relojes)</translation>
    </message>
    <message>
        <source>Alert mail delivered</source>
        <translation>Correo de alerta entregado</translation>
    </message>
    <message>
        <source>Mail not delivered: %1</source>
        <translation>Correo no entregado: %1</translation>
    </message>
    <message>
        <source>Back to normal</source>
        <translation>Normalidad restablecida</translation>
    </message>
    <message>
        <source>Recovery mail delivered</source>
        <translation>Correo de recuperación entregado</translation>
    </message>
    <message>
        <source>Quiet until %1</source>
        <translation>Silenciado hasta %1</translation>
    </message>
    <message>
        <source>Quiet until lifted</source>
        <translation>Silenciado indefinidamente</translation>
    </message>
    <message>
        <source>Quiet period ended</source>
        <translation>Periodo de silencio finalizado</translation>
    </message>
    <message>
        <source>Quiet period lifted</source>
        <translation>Periodo de silencio anulado</translation>
    </message>
    <message>
        <source>Monitoring started</source>
        <translation>Supervisión iniciada</translation>
    </message>
    <message>
        <source>Monitoring stopped</source>
        <translation>Supervisión detenida</translation>
    </message>
    <message>
        <source>Watched by the monitor</source>
        <translation>Vigilado por el monitor</translation>
    </message>
    <message>
        <source>Configuration sent</source>
        <translation>Configuración enviada</translation>
    </message>
    <message>
        <source>Name set</source>
        <translation>Nombre establecido</translation>
    </message>
    <message>
        <source>Network settings set</source>
        <translation>Ajustes de red establecidos</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Contraseña cambiada</translation>
    </message>
    <message>
        <source>Address conflict resolved</source>
        <translation>Conflicto de direcciones resuelto</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Cambiado</translation>
    </message>
    <message>
        <source>Changed by an operator</source>
        <translation>Cambiado por un operador</translation>
    </message>
    <message>
        <source>%1 by %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 by %2 failed: %3</source>
        <translation>%1 por %2 ha fallado: %3</translation>
    </message>
    <message>
        <source>(run %1)</source>
        <translation>(ejecución %1)</translation>
    </message>
</context>
<context>
    <name>ClockIntake</name>
    <message>
        <source>%1: %2 (%3) moved to %4 (%5)</source>
        <translation>%1: %2 (%3) movido a %4 (%5)</translation>
    </message>
    <message>
        <source>%1: moved to %2, but refused its new MAC; it keeps %3</source>
        <translation>%1: movido a %2, pero rechazó su nueva MAC; conserva %3</translation>
    </message>
    <message>
        <source>%1: refused its new address; it stays at %2</source>
        <translation>%1: rechazó su nueva dirección; sigue en %2</translation>
    </message>
</context>
<context>
    <name>ClockListModel</name>
    <message>
        <source>Muted until %1</source>
        <translation>Silenciado hasta %1</translation>
    </message>
    <message>
        <source>Muted until unmuted</source>
        <translation>Silenciado indefinidamente</translation>
    </message>
    <message>
        <source>No audit findings</source>
        <translation>Sin hallazgos de auditoría</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Group of %1</source>
        <translation>Grupo de %1</translation>
    </message>
    <message>
        <source>Left and Right choose a button, Space presses it; the context menu lists the same actions</source>
        <translation>Las flechas izquierda y derecha eligen un botón y Espacio lo pulsa; el menú contextual ofrece las mismas acciones</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Audit</source>
        <translation>Auditoría</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gestión</translation>
    </message>
    <message>
        <source>Quiet hours until %1</source>
        <translation>Horas de silencio hasta %1</translation>
    </message>
    <message>
        <source>Quiet hours all week</source>
        <translation>Horas de silencio toda la semana</translation>
    </message>
    <message>
        <source>Quiet hours: %1</source>
        <translation>Horas de silencio: %1</translation>
    </message>
    <message>
        <source>Quiet hours not understood, not obeyed: %1</source>
        <translation>Horas de silencio no comprendidas, no se respetan: %1</translation>
    </message>
</context>
<context>
    <name>ClockMerge</name>
    <message>
        <source>moved from %1 to %2</source>
        <translation>trasladado de %1 a %2</translation>
    </message>
    <message>
        <source>two clocks report MAC %1 (%2 and %3); nothing changed</source>
        <translation>dos relojes indican la MAC %1 (%2 y %3); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>not moved from %1 to %2: %1 did not answer with another clock; the move waits for confirmation</source>
        <translation>no se movió de %1 a %2: en %1 no respondió otro reloj; el traslado espera confirmación</translation>
    </message>
</context>
<context>
    <name>ClockPrinter</name>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
</context>
<context>
    <name>ClockRegistry</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
</context>
<context>
    <name>ClockSelection</name>
    <message>
        <source>%1: %2: rows naming no listed clock, left out (import lists them): %3</source>
        <translation>%1: %2: filas sin reloj en la lista, omitidas (import las añade): %3</translation>
    </message>
    <message>
        <source>%1: --mac names one clock; it cannot be given with --all, --group or --plan</source>
        <translation>%1: --mac indica un solo reloj; no puede darse con --all, --group ni --plan</translation>
    </message>
    <message>
        <source>There is no group named %1.</source>
        <translation>No hay ningún grupo llamado %1.</translation>
    </message>
    <message>
        <source>%1: give the clocks: addresses, --group NAME, --plan FILE or --all</source>
        <translation>%1: indique los relojes: direcciones, --group NOMBRE, --plan ARCHIVO o --all</translation>
    </message>
</context>
<context>
    <name>CommissionCommands</name>
    <message>
        <source>Probing addresses</source>
        <translation>Sondeando direcciones</translation>
    </message>
    <message>
        <source>Stopped by signal %1 after %2 of %3 addresses; the clocks found are on the device list.</source>
        <translation>Detenido por la señal %1 tras %2 de %3 direcciones; los relojes encontrados están en la lista de dispositivos.</translation>
    </message>
    <message>
        <source>Give --force to probe them all.</source>
        <translation>Indique --force para sondearlas todas.</translation>
    </message>
</context>
<context>
    <name>CommissionedAddress</name>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>ya en la lista</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>trasladado</translation>
    </message>
    <message>
        <source>not a clock</source>
        <translation>no es un reloj</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>contraseña incorrecta</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>not renamed</source>
        <translation>sin renombrar</translation>
    </message>
    <message>
        <source>MAC conflict</source>
        <translation>conflicto de MAC</translation>
    </message>
    <message>
        <source>added, not answering</source>
        <translation>añadido, no responde</translation>
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
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message numerus="yes">
        <source>%n address(es)</source>
        <translation>
            <numerusform>%n dirección</numerusform>
            <numerusform>%n direcciones</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommissioningSender</name>
    <message>
        <source>the network settings do not read as a clock&apos;s</source>
        <translation>los ajustes de red no son los de un reloj</translation>
    </message>
    <message>
        <source>the status does not read as a clock&apos;s</source>
        <translation>el estado no es el de un reloj</translation>
    </message>
    <message>
        <source>it does not answer as a clock does, so it was not sent the password</source>
        <translation>no responde como un reloj, así que no se le envió la contraseña</translation>
    </message>
    <message>
        <source>the answer names no firmware</source>
        <translation>la respuesta no indica ningún firmware</translation>
    </message>
    <message>
        <source>model not recognised</source>
        <translation>modelo no reconocido</translation>
    </message>
    <message>
        <source>another clock (%1) answers at this address</source>
        <translation>en esta dirección responde otro reloj (%1)</translation>
    </message>
</context>
<context>
    <name>ConfigFieldAccess</name>
    <message>
        <source>expected on or off</source>
        <translation>se esperaba on u off</translation>
    </message>
    <message>
        <source>expected a time HH:MM</source>
        <translation>se esperaba una hora HH:MM</translation>
    </message>
    <message>
        <source>expected a whole number from %1 to %2</source>
        <translation>se esperaba un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>holds &quot;&amp;&quot;, &quot;=&quot; or a control character, or is too long</source>
        <translation>el valor contiene «&amp;», «=» o un carácter de control, o es demasiado largo</translation>
    </message>
    <message>
        <source>expected a number from %1 to %2</source>
        <translation>se esperaba un número de %1 a %2</translation>
    </message>
    <message>
        <source>there is no field %1</source>
        <translation>no existe el campo %1</translation>
    </message>
</context>
<context>
    <name>ConfigParts</name>
    <message>
        <source>time part</source>
        <translation>parte de hora</translation>
    </message>
    <message>
        <source>display part</source>
        <translation>parte de pantalla</translation>
    </message>
    <message>
        <source>alarm part</source>
        <translation>parte de alarmas</translation>
    </message>
    <message>
        <source>Configuration not read completely: %1</source>
        <translation>La configuración no se leyó por completo: %1</translation>
    </message>
    <message>
        <source>Configuration not complete (%1); nothing was sent.</source>
        <translation>Configuración incompleta (%1); no se envió nada.</translation>
    </message>
</context>
<context>
    <name>ConfigurationDownload</name>
    <message>
        <source>Clock %1 configuration downloaded</source>
        <translation>Configuración del reloj %1 descargada</translation>
    </message>
</context>
<context>
    <name>ConfigurationFileActions</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.qlxztc)</source>
        <translation>Archivos de configuración de Zentick (*.qlxztc)</translation>
    </message>
    <message>
        <source>Zentick configuration files (*.xml)</source>
        <translation>Archivos de configuración de Zentick (*.xml)</translation>
    </message>
    <message>
        <source>Clock configuration files (*.xml)</source>
        <translation>Archivos de configuración de reloj (*.xml)</translation>
    </message>
    <message>
        <source>Configuration loaded successfully</source>
        <translation>Configuración cargada correctamente</translation>
    </message>
    <message>
        <source>Configuration loaded failed</source>
        <translation>Error al cargar la configuración</translation>
    </message>
    <message>
        <source>Configuration saved successfully</source>
        <translation>Configuración guardada correctamente</translation>
    </message>
    <message>
        <source>Configuration save failed</source>
        <translation>Error al guardar la configuración</translation>
    </message>
    <message>
        <source>Configuration exported successfully</source>
        <translation>Configuración exportada correctamente</translation>
    </message>
    <message>
        <source>Configuration export failed</source>
        <translation>Error al exportar la configuración</translation>
    </message>
    <message>
        <source>Configuration import successfully</source>
        <translation>Configuración importada correctamente</translation>
    </message>
    <message>
        <source>Configuration import failed</source>
        <translation>Error al importar la configuración</translation>
    </message>
</context>
<context>
    <name>DailyAudit</name>
    <message>
        <source>Canceled.</source>
        <translation>Cancelada.</translation>
    </message>
    <message>
        <source>Unchanged since the last mail; not mailed.</source>
        <translation>Sin cambios desde el último correo; no se ha enviado.</translation>
    </message>
    <message>
        <source>%1 audit: %2</source>
        <translation>Auditoría de %1: %2</translation>
    </message>
    <message>
        <source>Not mailed: no recipient or no connection to the mail server.</source>
        <translation>No enviado: no hay destinatarios o no hay conexión con el servidor de correo.</translation>
    </message>
    <message>
        <source>Not mailed: %1</source>
        <translation>No enviado: %1</translation>
    </message>
    <message>
        <source>Cannot write %1; the same findings will be mailed again.</source>
        <translation>No se puede escribir %1; los mismos hallazgos se volverán a enviar por correo.</translation>
    </message>
    <message>
        <source>Mailed.</source>
        <translation>Enviado por correo.</translation>
    </message>
    <message>
        <source>%1  Audit: %2 %3</source>
        <translation>%1  Auditoría: %2 %3</translation>
    </message>
</context>
<context>
    <name>DevClock</name>
    <message>
        <source>Synchronized</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Last synchronization time</source>
        <translation>Hora de la última sincronización</translation>
    </message>
    <message>
        <source>Ntp server timeout</source>
        <translation>Tiempo de espera del servidor NTP agotado</translation>
    </message>
    <message>
        <source>Last synchronization</source>
        <translation>Última sincronización</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Ntp synchronization disabled</source>
        <translation>Sincronización NTP desactivada</translation>
    </message>
    <message>
        <source>No status available</source>
        <translation>Estado no disponible</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Sin autenticación</translation>
    </message>
    <message>
        <source>Last status update</source>
        <translation>Última actualización del estado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Authorization error</source>
        <translation>Error de autorización</translation>
    </message>
    <message>
        <source>Device is not responding</source>
        <translation>El dispositivo no responde</translation>
    </message>
    <message>
        <source> - IP duplicate found</source>
        <translation> - IP duplicada</translation>
    </message>
    <message>
        <source>Synchronized (no server named)</source>
        <translation>Sincronizado (sin servidor indicado)</translation>
    </message>
</context>
<context>
    <name>DeviceFinder</name>
    <message>
        <source>Replies to the search lost because the system&apos;s receive buffer was full: %1. Search again to find the missing clocks.</source>
        <translation>Respuestas a la búsqueda perdidas porque el búfer de recepción del sistema estaba lleno: %1. Busque de nuevo para encontrar los relojes que faltan.</translation>
    </message>
</context>
<context>
    <name>DeviceListLock</name>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>The device list is in use by %1 (process %2 on %3).</source>
        <translation>La lista de dispositivos está en uso por %1 (proceso %2 en %3).</translation>
    </message>
    <message>
        <source>The device list is in use by another program.</source>
        <translation>La lista de dispositivos está en uso por otro programa.</translation>
    </message>
    <message>
        <source>the lock file could not be written</source>
        <translation>no se pudo escribir el archivo de bloqueo</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1 of the device list: %2.</source>
        <translation>No se puede crear el archivo de bloqueo %1 de la lista de dispositivos: %2.</translation>
    </message>
</context>
<context>
    <name>DialogAbout</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Finds, sets up and watches LED wall clocks.</source>
        <translation>Encuentra, configura y supervisa relojes de pared LED.</translation>
    </message>
    <message>
        <source>Copyright QLX Devices. All rights reserved.</source>
        <translation>Copyright QLX Devices. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>DialogAuditFindings</name>
    <message>
        <source>Check clocks</source>
        <translation>Comprobar relojes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Daylight saving compared with %1.</source>
        <translation>Horario de verano comparado con %1.</translation>
    </message>
    <message>
        <source>Site zone…</source>
        <translation>Zona del sitio…</translation>
    </message>
    <message>
        <source>Change the time zone the audit compares the clocks with</source>
        <translation>Cambiar la zona horaria con la que la auditoría compara los relojes</translation>
    </message>
    <message>
        <source>Align with group…</source>
        <translation>Alinear con el grupo…</translation>
    </message>
    <message>
        <source>Change the clocks that depart from their group&apos;s configuration or leave the site&apos;s zone, after a preview</source>
        <translation>Cambiar, tras una vista previa, los relojes que se apartan de la configuración de su grupo o de la zona del sitio</translation>
    </message>
</context>
<context>
    <name>DialogAuthentication</name>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>DialogAvailability</name>
    <message>
        <source>Availability</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Grupos</translation>
    </message>
    <message>
        <source>C&amp;locks</source>
        <translation>&amp;Relojes</translation>
    </message>
    <message>
        <source>Ctrl+Enter sorts the table by the current column.</source>
        <translation>Ctrl+Intro ordena la tabla por la columna actual.</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Calculando las cifras...</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>No se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>Figures of %n clocks.</source>
        <translation>
            <numerusform>Cifras de %n reloj.</numerusform>
            <numerusform>Cifras de %n relojes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogChangeClocks</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Send configuration to group</source>
        <translation>Enviar configuración al grupo</translation>
    </message>
    <message>
        <source>Change clocks</source>
        <translation>Cambiar relojes</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Relojes terminados</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>Align %n clocks with their groups: the fields where a clock departs from its group&apos;s configuration, and its daylight saving where it leaves the site&apos;s zone.</source>
        <translation>
            <numerusform>Alinear %n reloj con su grupo: los campos en que un reloj se aparta de la configuración de su grupo y su horario de verano donde se aparta de la zona del sitio.</numerusform>
            <numerusform>Alinear %n relojes con sus grupos: los campos en que un reloj se aparta de la configuración de su grupo y su horario de verano donde se aparta de la zona del sitio.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Each of the %n clocks is read first; the table shows what the send changes on each. Nothing is sent until you press Send.</source>
        <translation>
            <numerusform>Primero se lee %n reloj; la tabla muestra lo que el envío cambia en él. No se envía nada hasta que pulse Enviar.</numerusform>
            <numerusform>Primero se lee cada uno de los %n relojes; la tabla muestra lo que el envío cambia en cada uno. No se envía nada hasta que pulse Enviar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Change %n clocks: choose the fields and their values, then Preview shows what each clock gets before anything is sent.</source>
        <translation>
            <numerusform>Cambiar %n reloj: elija los campos y sus valores; Vista previa muestra lo que recibe antes de enviar nada.</numerusform>
            <numerusform>Cambiar %n relojes: elija los campos y sus valores; Vista previa muestra lo que recibe cada reloj antes de enviar nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set fields</source>
        <translation>Establecer campos</translation>
    </message>
    <message>
        <source>Fields from a configuration file</source>
        <translation>Campos de un archivo de configuración</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Fields to change</source>
        <translation>Campos por cambiar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Fields to take</source>
        <translation>Campos que se toman</translation>
    </message>
    <message>
        <source>Value of %1</source>
        <translation>Valor de %1</translation>
    </message>
    <message>
        <source>Export change result</source>
        <translation>Exportar el resultado del cambio</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>El resultado se guardó en %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>DialogChangePasswords</name>
    <message>
        <source>Change passwords</source>
        <translation>Cambiar contraseñas</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks: each is sent its new password, then asked for its status with it. The device list keeps the password each clock answers to.</source>
        <translation>
            <numerusform>Cambiar la contraseña de %n reloj: se le envía su nueva contraseña y luego se le pide su estado con ella. La lista de dispositivos guarda la contraseña a la que responde el reloj.</numerusform>
            <numerusform>Cambiar la contraseña de %n relojes: a cada uno se le envía su nueva contraseña y luego se le pide su estado con ella. La lista de dispositivos guarda la contraseña a la que responde cada reloj.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clocks done</source>
        <translation>Relojes terminados</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>New passwords</source>
        <translation>Contraseñas nuevas</translation>
    </message>
    <message>
        <source>One new password for every clock</source>
        <translation>Una contraseña nueva para todos los relojes</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Repetir la contraseña nueva</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>A new password for each clock, made here and saved to a file</source>
        <translation>Una contraseña nueva para cada reloj, creada aquí y guardada en un archivo</translation>
    </message>
    <message>
        <source>File of the made passwords</source>
        <translation>Archivo de las contraseñas creadas</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose the file of the made passwords</source>
        <translation>Elegir el archivo de las contraseñas creadas</translation>
    </message>
    <message>
        <source>Passwords from a file (ADDRESS,PASSWORD lines, or one password)</source>
        <translation>Contraseñas de un archivo (líneas DIRECCIÓN,CONTRASEÑA o una sola contraseña)</translation>
    </message>
    <message>
        <source>File of new passwords</source>
        <translation>Archivo de contraseñas nuevas</translation>
    </message>
    <message>
        <source>Choose the file of new passwords</source>
        <translation>Elegir el archivo de contraseñas nuevas</translation>
    </message>
    <message>
        <source>Old password</source>
        <translation>Contraseña antigua</translation>
    </message>
    <message>
        <source>Empty: each clock&apos;s stored password</source>
        <translation>Vacía: la contraseña guardada de cada reloj</translation>
    </message>
    <message>
        <source>Save the new passwords</source>
        <translation>Guardar las contraseñas nuevas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Open a file of new passwords</source>
        <translation>Abrir un archivo de contraseñas nuevas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The new password is not the same in both fields.</source>
        <translation>La contraseña nueva no es la misma en los dos campos.</translation>
    </message>
    <message>
        <source>Choose the file first.</source>
        <translation>Elija primero el archivo.</translation>
    </message>
    <message numerus="yes">
        <source>Change the password of %n clocks?</source>
        <translation>
            <numerusform>¿Cambiar la contraseña de %n reloj?</numerusform>
            <numerusform>¿Cambiar la contraseña de %n relojes?</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export password result</source>
        <translation>Exportar el resultado de las contraseñas</translation>
    </message>
    <message>
        <source>The result was written to %1.</source>
        <translation>El resultado se guardó en %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Type the new password in both fields.</source>
        <translation>Escriba la contraseña nueva en los dos campos.</translation>
    </message>
</context>
<context>
    <name>DialogCombobox</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DialogCommissioningResults</name>
    <message>
        <source>Results by address</source>
        <translation>Resultados por dirección</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 addresses; the clocks found until then are on the device list.</source>
        <translation>Detenido tras %1 de %2 direcciones; los relojes encontrados hasta entonces están en la lista de dispositivos.</translation>
    </message>
</context>
<context>
    <name>DialogDeviceSettings</name>
    <message>
        <source>Clock settings</source>
        <translation>Ajustes del reloj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interfaz de red</translation>
    </message>
    <message>
        <source>Network Interface:</source>
        <translation>Interfaz de red:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Actualizar interfaces de red</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nombre del reloj</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>DHCP client</source>
        <translation>Cliente DHCP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>DNS Primary:</source>
        <translation>DNS primario:</translation>
    </message>
    <message>
        <source>DNS Secondary:</source>
        <translation>DNS secundario:</translation>
    </message>
    <message>
        <source>DHCP opt. 42</source>
        <translation>Opción DHCP 42</translation>
    </message>
    <message>
        <source>DHCP opt. private</source>
        <translation>Opción DHCP privada</translation>
    </message>
    <message>
        <source>Private opt. number:</source>
        <translation>N.º de opción privada:</translation>
    </message>
    <message>
        <source>Web Panel Timeout:</source>
        <translation>Tiempo de espera del panel web:</translation>
    </message>
    <message>
        <source>Disable remote access</source>
        <translation>Desactivar acceso remoto</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation>Contraseña anterior:</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Contraseña nueva:</translation>
    </message>
    <message>
        <source>Repeat new password:</source>
        <translation>Repetir contraseña nueva:</translation>
    </message>
    <message>
        <source>Name cannot be empty</source>
        <translation>El nombre no puede estar vacío</translation>
    </message>
    <message>
        <source>Sending name</source>
        <translation>Enviando nombre</translation>
    </message>
    <message>
        <source>The network settings were not sent: %1 is not a complete IP address.</source>
        <translation>No se enviaron los ajustes de red: %1 no es una dirección IP completa.</translation>
    </message>
    <message>
        <source>Sending network settings</source>
        <translation>Enviando ajustes de red</translation>
    </message>
    <message>
        <source>New password is not identical in both fields</source>
        <translation>La contraseña nueva no coincide en ambos campos</translation>
    </message>
    <message>
        <source>Sending password</source>
        <translation>Enviando contraseña</translation>
    </message>
    <message>
        <source>Name changed successfully.</source>
        <translation>El nombre se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>Network settings changed successfully.</source>
        <translation>Los ajustes de red se han cambiado correctamente.</translation>
    </message>
    <message>
        <source>Password changed successfully.</source>
        <translation>La contraseña se ha cambiado correctamente.</translation>
    </message>
    <message>
        <source>Authentication data set.</source>
        <translation>Datos de autenticación aplicados.</translation>
    </message>
    <message>
        <source>Network interface set.</source>
        <translation>Interfaz de red aplicada.</translation>
    </message>
</context>
<context>
    <name>DialogDevicesFound</name>
    <message>
        <source>Devices found</source>
        <translation>Dispositivos encontrados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Network interface</source>
        <translation>Interfaz de red</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Clock(s) with same IP already exist on device list. Do you want to add selected clock(s) anyway?</source>
        <translation>Ya hay relojes con la misma IP en la lista de dispositivos. ¿Desea añadir igualmente los relojes seleccionados?</translation>
    </message>
    <message>
        <source>moved from %1 to %2? Tick to confirm</source>
        <translation>¿movido de %1 a %2? Marque para confirmar</translation>
    </message>
    <message>
        <source>wrong password for listed clock</source>
        <translation>contraseña incorrecta de un reloj de la lista</translation>
    </message>
</context>
<context>
    <name>DialogEditName</name>
    <message>
        <source>Edit group name</source>
        <translation>Editar nombre del grupo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Group name:</source>
        <translation>Nombre del grupo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DialogHistory</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>History of %1 (%2)</source>
        <translation>Historial de %1 (%2)</translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation>Leyendo el registro de eventos...</translation>
    </message>
    <message>
        <source>Nothing has happened to this clock yet, or the journal is kept elsewhere.</source>
        <translation>Aún no ha ocurrido nada con este reloj, o el registro de eventos se guarda en otro lugar.</translation>
    </message>
    <message numerus="yes">
        <source>The latest %n events, newest first.</source>
        <translation>
            <numerusform>El último evento.</numerusform>
            <numerusform>Los últimos %n eventos, del más reciente al más antiguo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>No se puede leer el historial: %1</translation>
    </message>
</context>
<context>
    <name>DialogHost</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DialogNewClock</name>
    <message>
        <source>Add clock</source>
        <translation>Añadir reloj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Network interface:</source>
        <translation>Interfaz de red:</translation>
    </message>
    <message>
        <source>Refresh network interfaces</source>
        <translation>Actualizar interfaces de red</translation>
    </message>
    <message>
        <source>Authentication</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Incorrect IP Address</source>
        <translation>Dirección IP incorrecta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>One address</source>
        <translation>Por dirección</translation>
    </message>
    <message>
        <source>Address range</source>
        <translation>Por rango</translation>
    </message>
    <message>
        <source>Address plan</source>
        <translation>Por plan</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>Address range:</source>
        <translation>Rango de direcciones:</translation>
    </message>
    <message>
        <source>10.20.1.10-10.20.1.200 or 10.20.1.0/24</source>
        <translation>10.20.1.10-10.20.1.200 o 10.20.1.0/24</translation>
    </message>
    <message>
        <source>Address plan:</source>
        <translation>Plan de direcciones:</translation>
    </message>
    <message>
        <source>No file chosen</source>
        <translation>Ningún archivo elegido</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>A CSV file with a header row: ip, name, group, user, password (only ip is needed).</source>
        <translation>Un archivo CSV con una fila de cabecera: ip, name, group, user, password (solo ip es obligatoria).</translation>
    </message>
    <message>
        <source>Give the clocks the plan&apos;s names</source>
        <translation>Renombrar los relojes según el plan</translation>
    </message>
    <message>
        <source>Incorrect address range: %1</source>
        <translation>Rango de direcciones incorrecto: %1</translation>
    </message>
    <message>
        <source>Ask every one of them?</source>
        <translation>¿Sondearlas todas?</translation>
    </message>
    <message>
        <source>Ask all</source>
        <translation>Sondear todas</translation>
    </message>
    <message>
        <source>Open address plan</source>
        <translation>Abrir plan de direcciones</translation>
    </message>
    <message>
        <source>Address plans (*.csv);;All files (*)</source>
        <translation>Planes de direcciones (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the address plan first.</source>
        <translation>Elija primero el plan de direcciones.</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Oleadas</translation>
    </message>
    <message>
        <source>1 % of the clocks</source>
        <translation>1 % de los relojes</translation>
    </message>
    <message>
        <source>10 % of the clocks</source>
        <translation>10 % de los relojes</translation>
    </message>
    <message>
        <source>5 % of the clocks sent to</source>
        <translation>5 % de los relojes enviados</translation>
    </message>
    <message>
        <source>First wave (clocks)</source>
        <translation>Primera oleada (relojes)</translation>
    </message>
    <message>
        <source>Each later wave (clocks)</source>
        <translation>Cada oleada siguiente (relojes)</translation>
    </message>
    <message>
        <source>Failures before it stops</source>
        <translation>Fallos antes de detenerse</translation>
    </message>
</context>
<context>
    <name>DialogProgress</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DialogQuestion</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Authorization error</source>
        <translation>Error de autorización</translation>
    </message>
    <message>
        <source>No response</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>Host not found</source>
        <translation>Host no encontrado</translation>
    </message>
    <message>
        <source>Incorrect data sent or function is unsupported</source>
        <translation>Datos enviados incorrectos o función no admitida</translation>
    </message>
    <message>
        <source>Unable connect to device</source>
        <translation>No se puede conectar con el dispositivo</translation>
    </message>
    <message>
        <source>An error occured:</source>
        <translation>Se ha producido un error:</translation>
    </message>
    <message>
        <source>not a clock address</source>
        <translation>dirección de reloj no válida</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>no route to the clock</source>
        <translation>no hay ruta hasta el reloj</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>sin conexión en %1 s</translation>
    </message>
    <message>
        <source>wrong user name or password</source>
        <translation>usuario o contraseña incorrectos</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>the answer is not an HTTP reply</source>
        <translation>lo recibido no es una respuesta HTTP</translation>
    </message>
    <message>
        <source>the clock answered with HTTP status %1</source>
        <translation>el reloj respondió con el estado HTTP %1</translation>
    </message>
    <message>
        <source>the clock does not know this request</source>
        <translation>el reloj no reconoce esta petición</translation>
    </message>
    <message>
        <source>the answer does not end</source>
        <translation>la respuesta no termina</translation>
    </message>
</context>
<context>
    <name>EventJournal</name>
    <message>
        <source>Journal %1 could not be written (%2); events lost: %3</source>
        <translation>No se pudo escribir el registro %1 (%2); eventos perdidos: %3</translation>
    </message>
    <message>
        <source>Journal %1 cannot be written: %2; events wait in memory and are written when it can be.</source>
        <translation>No se puede escribir el registro %1: %2; los eventos esperan en memoria y se escriben cuando sea posible.</translation>
    </message>
    <message>
        <source>Journal %1 is written again; %2 events were dropped meanwhile.</source>
        <translation>El registro %1 vuelve a escribirse; entretanto se descartaron %2 eventos.</translation>
    </message>
    <message>
        <source>Journal %1 is written again.</source>
        <translation>El registro %1 vuelve a escribirse.</translation>
    </message>
    <message>
        <source>The journal %1 was imported into the history: %2 events, %3 damaged lines skipped; it is kept as it was.</source>
        <translation>El registro de eventos %1 se importó al historial: %2 eventos, %3 líneas dañadas omitidas; se conserva tal como estaba.</translation>
    </message>
    <message>
        <source>The history was damaged and set aside as %1; a new one was started.</source>
        <translation>El historial estaba dañado y se apartó como %1; se ha iniciado uno nuevo.</translation>
    </message>
</context>
<context>
    <name>FailedAttempts</name>
    <message>
        <source>Refused a request with a wrong token from %1 (%2 from there so far); its next tokens are checked ever more slowly.</source>
        <translation>Rechazada una solicitud con un token erróneo desde %1 (%2 desde allí hasta ahora); sus próximos tokens se comprueban cada vez más despacio.</translation>
    </message>
</context>
<context>
    <name>FleetCheck</name>
    <message>
        <source>Checking clocks</source>
        <translation>Comprobando relojes</translation>
    </message>
    <message>
        <source>Site zone</source>
        <translation>Zona del sitio</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The audit compares each clock&apos;s daylight saving with the time zone of the site.</source>
        <translation>La auditoría compara el horario de verano de cada reloj con la zona horaria del sitio.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
</context>
<context>
    <name>FleetSummary</name>
    <message>
        <source>%1 synchronized, %2 warning, %3 critical</source>
        <translation>sincronizados: %1, con aviso: %2, críticos: %3</translation>
    </message>
    <message>
        <source>%1 without status</source>
        <translation>sin estado: %1</translation>
    </message>
    <message>
        <source>Clocks: %1 (%2)</source>
        <translation>Relojes: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 with critical audit findings</source>
        <translation>con hallazgos críticos de auditoría: %1</translation>
    </message>
</context>
<context>
    <name>GroupTree</name>
    <message>
        <source>Delete group</source>
        <translation>Eliminar grupo</translation>
    </message>
    <message>
        <source>Edit group configuration</source>
        <translation>Editar configuración del grupo</translation>
    </message>
    <message>
        <source>Change group name</source>
        <translation>Cambiar nombre del grupo</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Comprobar relojes</translation>
    </message>
    <message>
        <source>Remove clock from group</source>
        <translation>Quitar reloj del grupo</translation>
    </message>
    <message>
        <source>Copy clock configuration to group and edit</source>
        <translation>Copiar la configuración del reloj al grupo y editarla</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Periodo de silencio</translation>
    </message>
    <message>
        <source>%1 (quiet)</source>
        <translation>%1 (silenciado)</translation>
    </message>
    <message>
        <source>In the context menu of the row</source>
        <translation>En el menú contextual de la fila</translation>
    </message>
    <message>
        <source>Change clocks of the group</source>
        <translation>Cambiar los relojes del grupo</translation>
    </message>
    <message>
        <source>Change passwords of the group</source>
        <translation>Cambiar las contraseñas del grupo</translation>
    </message>
</context>
<context>
    <name>IncidentMail</name>
    <message numerus="yes">
        <source>%n clocks</source>
        <translation>
            <numerusform>%n reloj</numerusform>
            <numerusform>%n relojes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks need attention.</source>
        <translation>
            <numerusform>%n reloj necesita atención.</numerusform>
            <numerusform>%n relojes necesitan atención.</numerusform>
        </translation>
    </message>
    <message>
        <source>Since: </source>
        <translation>Desde: </translation>
    </message>
    <message>
        <source>back to normal: </source>
        <translation>normalidad restablecida: </translation>
    </message>
    <message numerus="yes">
        <source>%n clocks are back to normal.</source>
        <translation>
            <numerusform>%n reloj ha vuelto a la normalidad.</numerusform>
            <numerusform>%n relojes han vuelto a la normalidad.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back to normal after %1</source>
        <translation>Normalidad restablecida tras %1</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
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
        <translation>%1 se aplicará en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>MailCommands</name>
    <message>
        <source>Sending test e-mail</source>
        <translation>Enviando correo de prueba</translation>
    </message>
</context>
<context>
    <name>MailSender</name>
    <message>
        <source>Ntp server timeout</source>
        <translation>Tiempo de espera del servidor NTP agotado</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Sin autenticación</translation>
    </message>
    <message>
        <source>alert: </source>
        <translation>alerta: </translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Clock name: </source>
        <translation>Nombre del reloj: </translation>
    </message>
    <message>
        <source>IP: </source>
        <translation>Dirección IP: </translation>
    </message>
    <message>
        <source>Group: </source>
        <translation>Grupo: </translation>
    </message>
    <message>
        <source>Error code: </source>
        <translation>Código de error: </translation>
    </message>
</context>
<context>
    <name>Monitor</name>
    <message>
        <source>The device list is empty; nothing to poll.</source>
        <translation>La lista de dispositivos está vacía; no hay nada que consultar.</translation>
    </message>
    <message>
        <source>Cannot serve metrics on %1: %2</source>
        <translation>No se pueden servir las métricas en %1: %2</translation>
    </message>
    <message>
        <source>--board-token-file needs --board or --metrics.</source>
        <translation>--board-token-file necesita --board o --metrics.</translation>
    </message>
    <message>
        <source>Cannot read the board&apos;s token: %1</source>
        <translation>No se puede leer el token del panel: %1</translation>
    </message>
    <message>
        <source>--board-host %1 is not a host name.</source>
        <translation>--board-host %1 no es un nombre de host.</translation>
    </message>
    <message>
        <source>The status board on %1 is open to anyone who can reach it; see --board-token-file.</source>
        <translation>El panel de estado en %1 está abierto a cualquiera que pueda alcanzarlo; véase --board-token-file.</translation>
    </message>
    <message>
        <source>Cannot serve the status board on %1: %2</source>
        <translation>No se puede servir el panel de estado en %1: %2</translation>
    </message>
    <message>
        <source>Stopped by signal %1; device list saved.</source>
        <translation>Detenido por la señal %1; lista de dispositivos guardada.</translation>
    </message>
    <message>
        <source>Stopped by signal %1.</source>
        <translation>Detenido por la señal %1.</translation>
    </message>
</context>
<context>
    <name>MonitorCommand</name>
    <message>
        <source>Cannot watch for SIGINT and SIGTERM.</source>
        <translation>No se pueden vigilar SIGINT y SIGTERM.</translation>
    </message>
</context>
<context>
    <name>MonitoringSession</name>
    <message>
        <source>The device list is not locked for writing.</source>
        <translation>La lista de dispositivos no está bloqueada para escritura.</translation>
    </message>
    <message>
        <source>Cannot write the device list %1: %2.</source>
        <translation>No se puede escribir la lista de dispositivos %1: %2.</translation>
    </message>
</context>
<context>
    <name>NetworkCardChoices</name>
    <message>
        <source>Default</source>
        <translation>Predeterminada</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>No disponible</translation>
    </message>
</context>
<context>
    <name>NewPasswords</name>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>expected ADDRESS,PASSWORD</source>
        <translation>se esperaba DIRECCIÓN,CONTRASEÑA</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>the password of %1 is empty</source>
        <translation>la contraseña de %1 está vacía</translation>
    </message>
    <message>
        <source>the list names no clock</source>
        <translation>la lista no indica ningún reloj</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>mayor de %1 bytes</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
</context>
<context>
    <name>PageConfiguration</name>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration first in device list.</source>
        <translation>El reloj no tiene ninguna configuración descargada. Descargue primero la configuración del reloj en la lista de dispositivos.</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Back to the device list (keeps the changes)</source>
        <translation>Volver a la lista de dispositivos (conserva los cambios)</translation>
    </message>
    <message>
        <source>Open or save a configuration file</source>
        <translation>Abrir o guardar un archivo de configuración</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Download the configuration from the clock again</source>
        <translation>Volver a descargar la configuración del reloj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>¿Desea descargar la configuración del reloj?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Descargando configuración</translation>
    </message>
    <message>
        <source>Clock %1 is in group %2. Send configuration anyway?</source>
        <translation>El reloj %1 pertenece al grupo %2. ¿Enviar la configuración igualmente?</translation>
    </message>
    <message>
        <source>Sending configuration</source>
        <translation>Enviando configuración</translation>
    </message>
    <message>
        <source>The configuration was sent to %1 of %2 clocks. Not sent to: %3</source>
        <translation>La configuración se envió a %1 de %2 relojes. No se envió a: %3</translation>
    </message>
    <message>
        <source>Configuration was sent successfully.</source>
        <translation>La configuración se ha enviado correctamente.</translation>
    </message>
</context>
<context>
    <name>PageConflict</name>
    <message>
        <source>IP conflicts</source>
        <translation>Conflictos de IP</translation>
    </message>
    <message>
        <source>Application will detect and change MAC and IP address of every clock with IP 192.168.0.11.
Both MAC and IP will increase by 1 for every next device with conflict found.</source>
        <translation>La aplicación detectará y cambiará las direcciones MAC e IP de cada reloj con la IP 192.168.0.11.
Tanto la MAC como la IP aumentarán en 1 por cada nuevo dispositivo en conflicto encontrado.</translation>
    </message>
    <message>
        <source>New MAC of first device:</source>
        <translation>Nueva MAC del primer dispositivo:</translation>
    </message>
    <message>
        <source>New IP of first device:</source>
        <translation>Nueva IP del primer dispositivo:</translation>
    </message>
    <message>
        <source>Resolve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>The new MAC of the first device is incomplete.</source>
        <translation>La nueva MAC del primer dispositivo está incompleta.</translation>
    </message>
    <message>
        <source>The new IP of the first device is not a full address.</source>
        <translation>La nueva IP del primer dispositivo no es una dirección completa.</translation>
    </message>
    <message>
        <source>Resolving conflicts</source>
        <translation>Resolviendo conflictos</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>No se ha encontrado ningún dispositivo.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Se cambiaron las direcciones MAC e IP en %1 de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n reloj</numerusform>
            <numerusform>%n relojes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n dispositivo encontrado</numerusform>
            <numerusform>%n dispositivos encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>%1 de los %2 relojes encontrados no aceptaron sus nuevas direcciones.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>%1 de los %2 relojes encontrados se dejaron sin cambios: no quedan direcciones después de .254.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>El reloj rechazó la nueva dirección.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>No quedaba ninguna dirección para él.</translation>
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
        <translation>Nombre o IP</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Solo problemas</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Add clock</source>
        <translation>Añadir reloj</translation>
    </message>
    <message>
        <source>Check clocks</source>
        <translation>Comprobar relojes</translation>
    </message>
    <message>
        <source>Check that every clock keeps the right time and matches its group</source>
        <translation>Comprobar que cada reloj da la hora correcta y coincide con su grupo</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Eliminar de la lista</translation>
    </message>
    <message>
        <source>Download configuration</source>
        <translation>Descargar configuración</translation>
    </message>
    <message>
        <source>Edit configuration</source>
        <translation>Editar configuración</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Editar ajustes</translation>
    </message>
    <message>
        <source>Refresh status</source>
        <translation>Actualizar estado</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>No se han encontrado dispositivos.</translation>
    </message>
    <message>
        <source>Updating device</source>
        <translation>Actualizando dispositivo</translation>
    </message>
    <message>
        <source>Downloading configuration</source>
        <translation>Descargando configuración</translation>
    </message>
    <message>
        <source>Refreshing status</source>
        <translation>Actualizando estado</translation>
    </message>
    <message>
        <source>Do you want to download clock configuration?</source>
        <translation>¿Desea descargar la configuración del reloj?</translation>
    </message>
    <message>
        <source>Download and edit</source>
        <translation>Descargar y editar</translation>
    </message>
    <message>
        <source>Edit without download</source>
        <translation>Editar sin descargar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete clock %1 (IP: %2)?</source>
        <translation>¿Seguro que desea eliminar el reloj %1 (IP: %2)?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Búsqueda de dispositivos</translation>
    </message>
    <message>
        <source>Clock %1 data refreshed</source>
        <translation>Datos del reloj %1 actualizados</translation>
    </message>
    <message>
        <source>End quiet period</source>
        <translation>Terminar periodo de silencio</translation>
    </message>
    <message>
        <source>Quiet period...</source>
        <translation>Periodo de silencio...</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Write the device list to a file as an address plan</source>
        <translation>Guardar la lista de dispositivos en un archivo como plan de direcciones</translation>
    </message>
    <message>
        <source>Change clocks…</source>
        <translation>Cambiar relojes…</translation>
    </message>
    <message>
        <source>Change fields of the selected clocks (or of every clock shown) after a preview (Ctrl+Shift+C)</source>
        <translation>Cambiar campos de los relojes seleccionados (o de todos los mostrados) tras una vista previa (Ctrl+Mayús+C)</translation>
    </message>
    <message>
        <source>Passwords…</source>
        <translation>Contraseñas…</translation>
    </message>
    <message>
        <source>Change the passwords of the selected clocks (or of every clock shown) in waves (Ctrl+Shift+P)</source>
        <translation>Cambiar las contraseñas de los relojes seleccionados (o de todos los mostrados) por oleadas (Ctrl+Mayús+P)</translation>
    </message>
</context>
<context>
    <name>PageGroupList</name>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Añadir grupo</translation>
    </message>
    <message>
        <source>Clocks and their groups</source>
        <translation>Relojes y sus grupos</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Group name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Are you sure you want to delete group %1?</source>
        <translation>¿Seguro que desea eliminar el grupo %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Editar nombre del grupo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Are you sure you want to open clock configuration and copy it to group?</source>
        <translation>¿Seguro que desea abrir la configuración del reloj y copiarla al grupo?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Group don&apos;t have any clocks.</source>
        <translation>El grupo no tiene ningún reloj.</translation>
    </message>
    <message>
        <source>Clock has no fetched configuration. Download clock configuration in device list first.</source>
        <translation>El reloj no tiene ninguna configuración descargada. Descargue primero la configuración del reloj en la lista de dispositivos.</translation>
    </message>
    <message>
        <source>Group don&apos;t have configuration.</source>
        <translation>El grupo no tiene configuración.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Selected group has no configuration.</source>
        <translation>El grupo seleccionado no tiene configuración.</translation>
    </message>
    <message>
        <source>Choose device from which do you want to copy configuration for group.</source>
        <translation>Elija el dispositivo del que desea copiar la configuración para el grupo.</translation>
    </message>
    <message>
        <source>Clock name</source>
        <translation>Nombre del reloj</translation>
    </message>
    <message>
        <source>any clock of group %1</source>
        <translation>ningún reloj del grupo %1</translation>
    </message>
    <message>
        <source>End the quiet period of group %1?</source>
        <translation>¿Terminar el periodo de silencio del grupo %1?</translation>
    </message>
    <message>
        <source>End it</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Copy configuration to the group</source>
        <translation>Copiar configuración al grupo</translation>
    </message>
</context>
<context>
    <name>PageNotifications</name>
    <message>
        <source>Server settings</source>
        <translation>Ajustes del servidor</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ocultar en la bandeja</translation>
    </message>
    <message>
        <source>Notification configuration saved.</source>
        <translation>Configuración de notificaciones guardada.</translation>
    </message>
    <message>
        <source>Save configuration before minimize application?</source>
        <translation>¿Guardar la configuración antes de minimizar la aplicación?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Guardar y minimizar</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Solo minimizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Authentication:</source>
        <translation>Autenticación:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básica</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Remitente:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Cifrado:</translation>
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
        <translation>Sin cifrado</translation>
    </message>
    <message>
        <source>Ignore SSL errors (may be unsafe)</source>
        <translation>Ignorar errores SSL (puede ser inseguro)</translation>
    </message>
    <message>
        <source>Resend e-mail every:</source>
        <translation>Reenviar correo cada:</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 horas</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 horas</translation>
    </message>
    <message>
        <source>Alert type</source>
        <translation>Tipo de alerta</translation>
    </message>
    <message>
        <source>No connection:</source>
        <translation>Sin conexión:</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>No authentication:</source>
        <translation>Sin autenticación:</translation>
    </message>
    <message>
        <source>No authentication</source>
        <translation>Sin autenticación</translation>
    </message>
    <message>
        <source>Ntp timeout:</source>
        <translation>Tiempo de espera NTP agotado:</translation>
    </message>
    <message>
        <source>Ntp timeout</source>
        <translation>Tiempo de espera NTP agotado</translation>
    </message>
    <message>
        <source>Recipent list</source>
        <translation>Lista de destinatarios</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Recipient type</source>
        <translation>Tipo de destinatario</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Para</translation>
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
        <translation>Añadir destinatario</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Send test notification</source>
        <translation>Enviar notificación de prueba</translation>
    </message>
    <message>
        <source>Save configuration before sending test e-mail?</source>
        <translation>¿Guardar la configuración antes de enviar el correo de prueba?</translation>
    </message>
    <message>
        <source>Save and send</source>
        <translation>Guardar y enviar</translation>
    </message>
    <message>
        <source>Send only</source>
        <translation>Solo enviar</translation>
    </message>
    <message>
        <source>Username cannot be empty</source>
        <translation>El usuario no puede estar vacío</translation>
    </message>
    <message>
        <source>Password cannot be empty</source>
        <translation>La contraseña no puede estar vacía</translation>
    </message>
    <message>
        <source>You can add up to 10 recipients.</source>
        <translation>Puede añadir hasta 10 destinatarios.</translation>
    </message>
    <message>
        <source>Recipient e-mail is not valid.</source>
        <translation>La dirección de correo del destinatario no es válida.</translation>
    </message>
    <message>
        <source>Delete from list</source>
        <translation>Eliminar de la lista</translation>
    </message>
    <message>
        <source>One mail for alerts within:</source>
        <translation>Agrupar alertas durante:</translation>
    </message>
    <message>
        <source>Clocks whose alerts fall due within this time of the first are named in one mail.</source>
        <translation>Los relojes cuyas alertas se activan dentro de este plazo desde la primera aparecen en un mismo correo.</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Back to normal:</source>
        <translation>Normalidad restablecida:</translation>
    </message>
    <message>
        <source>One more mail when the clocks of a delivered alert answer and are synchronised again.</source>
        <translation>Un correo más cuando los relojes de una alerta enviada vuelven a responder y a estar sincronizados.</translation>
    </message>
    <message>
        <source>Mail when they are well again</source>
        <translation>Notificar la recuperación</translation>
    </message>
    <message>
        <source>Remove recipient %1</source>
        <translation>Quitar destinatario %1</translation>
    </message>
    <message>
        <source>Monthly availability report:</source>
        <translation>Informe mensual de disponibilidad:</translation>
    </message>
    <message>
        <source>Mails the previous month&apos;s availability figures with the workbook attached, once a month.</source>
        <translation>Envía una vez al mes por correo las cifras de disponibilidad del mes anterior con el libro adjunto.</translation>
    </message>
    <message>
        <source>Mail the previous month&apos;s figures</source>
        <translation>Enviar las cifras del mes anterior</translation>
    </message>
    <message>
        <source>On day of the month:</source>
        <translation>El día del mes:</translation>
    </message>
    <message>
        <source>Report recipients:</source>
        <translation>Destinatarios del informe:</translation>
    </message>
    <message>
        <source>Addresses separated by commas; when empty, the report goes to the alert recipients.</source>
        <translation>Direcciones separadas por comas; si está vacío, el informe va a los destinatarios de las alertas.</translation>
    </message>
    <message>
        <source>As for alerts</source>
        <translation>Como para las alertas</translation>
    </message>
    <message>
        <source>Report recipient %1 is not a valid e-mail address.</source>
        <translation>El destinatario del informe %1 no es una dirección de correo válida.</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Enable file report</source>
        <translation>Activar informe en archivo</translation>
    </message>
    <message>
        <source>Filepath:</source>
        <translation>Ruta del archivo:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Tipo de archivo:</translation>
    </message>
    <message>
        <source>MS Excel (xlsx)</source>
        <translation>MS Excel (xlsx)</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervalo:</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 horas</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 horas</translation>
    </message>
    <message>
        <source>Value type:</source>
        <translation>Tipo de valor:</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ocultar en la bandeja</translation>
    </message>
    <message>
        <source>Save report configuration before minimize application?</source>
        <translation>¿Guardar la configuración del informe antes de minimizar la aplicación?</translation>
    </message>
    <message>
        <source>Save and minimize</source>
        <translation>Guardar y minimizar</translation>
    </message>
    <message>
        <source>Minimize only</source>
        <translation>Solo minimizar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File report</source>
        <translation>Informe en archivo</translation>
    </message>
    <message>
        <source>Filepath can&apos;t be empty.</source>
        <translation>La ruta del archivo no puede estar vacía.</translation>
    </message>
    <message>
        <source>Invalid report filepath.</source>
        <translation>Ruta del archivo de informe no válida.</translation>
    </message>
    <message>
        <source>Microsoft Excel files (*.xlsx)</source>
        <translation>Archivos de Microsoft Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Report configuration saved.</source>
        <translation>Configuración del informe guardada.</translation>
    </message>
    <message>
        <source>Availability...</source>
        <translation>Disponibilidad...</translation>
    </message>
</context>
<context>
    <name>ParameterText</name>
    <message>
        <source>The configuration was not sent: %1 holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>No se envió la configuración: %1 contiene «&amp;», «=» o un carácter de control, que el reloj interpretaría mal.</translation>
    </message>
    <message>
        <source>The name was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>No se envió el nombre: contiene «&amp;», «=» o un carácter de control, que el reloj interpretaría mal.</translation>
    </message>
    <message>
        <source>The password was not sent: it holds &quot;&amp;&quot;, &quot;=&quot; or a control character, which the clock would misread.</source>
        <translation>No se envió la contraseña: contiene «&amp;», «=» o un carácter de control, que el reloj interpretaría mal.</translation>
    </message>
</context>
<context>
    <name>PasswordClocksFlow</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 gives no password for %2.</source>
        <translation>%1 no da ninguna contraseña para %2.</translation>
    </message>
    <message>
        <source>%1: the new password is empty.</source>
        <translation>%1: la contraseña nueva está vacía.</translation>
    </message>
    <message>
        <source>The run has been sent already.</source>
        <translation>La ejecución ya se ha enviado.</translation>
    </message>
    <message>
        <source>No clocks are chosen.</source>
        <translation>No hay relojes elegidos.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>No se puede escribir %1: %2. No se envió nada.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Oleada %1: %2 relojes</translation>
    </message>
    <message>
        <source>Stopping after the wave under way…</source>
        <translation>Deteniendo tras la oleada en curso…</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Cambio de contraseñas %1: %2 verificados de %3 relojes.</translation>
    </message>
    <message>
        <source>Stopped between waves: the clocks not sent to keep their passwords.</source>
        <translation>Detenida entre oleadas: los relojes a los que no se envió nada conservan sus contraseñas.</translation>
    </message>
</context>
<context>
    <name>PasswordCommand</name>
    <message>
        <source>password: --new-file %1 gives no password for %2</source>
        <translation>password: --new-file %1 no da contraseña para %2</translation>
    </message>
    <message>
        <source>password: --max-failed: expected a number of clocks or a percentage (5%)</source>
        <translation>password: --max-failed: se esperaba un número de relojes o un porcentaje (5%)</translation>
    </message>
    <message>
        <source>as given</source>
        <translation>el indicado</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>la guardada</translation>
    </message>
    <message>
        <source>from the list</source>
        <translation>de la lista</translation>
    </message>
    <message>
        <source>generated</source>
        <translation>generada</translation>
    </message>
    <message>
        <source>clock</source>
        <translation>reloj</translation>
    </message>
    <message>
        <source>old password</source>
        <translation>contraseña antigua</translation>
    </message>
    <message>
        <source>new password</source>
        <translation>contraseña nueva</translation>
    </message>
    <message>
        <source>Password run %1: %2 clocks.</source>
        <translation>Cambio de contraseñas %1: %2 relojes.</translation>
    </message>
    <message>
        <source>state</source>
        <translation>estado</translation>
    </message>
    <message>
        <source>stored password</source>
        <translation>contraseña guardada</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>old</source>
        <translation>antigua</translation>
    </message>
    <message>
        <source>Password run %1: %2 verified of %3 clocks.</source>
        <translation>Cambio de contraseñas %1: %2 verificados de %3 relojes.</translation>
    </message>
    <message>
        <source>Stopped between waves: more clocks failed than --max-failed allows, or the run was interrupted.</source>
        <translation>Detenido entre oleadas: fallaron más relojes de los que permite --max-failed, o se interrumpió la ejecución.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2. Nothing was sent.</source>
        <translation>No se puede escribir %1: %2. No se envió nada.</translation>
    </message>
    <message>
        <source>Change the password of %1 clocks? [y/N] </source>
        <translation>¿Cambiar la contraseña de %1 relojes? [y/N] </translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>No se envió nada.</translation>
    </message>
    <message>
        <source>Wave %1: %2 clocks</source>
        <translation>Oleada %1: %2 relojes</translation>
    </message>
    <message>
        <source>Sending passwords</source>
        <translation>Enviando contraseñas</translation>
    </message>
</context>
<context>
    <name>PasswordRun</name>
    <message>
        <source>not changed: the clock still answers to the old password</source>
        <translation>sin cambio: el reloj sigue aceptando la contraseña antigua</translation>
    </message>
    <message>
        <source>not verified: the clock took the new password but does not answer with it (%1)</source>
        <translation>no verificado: el reloj aceptó la contraseña nueva pero no responde con ella (%1)</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>no verificado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviando</translation>
    </message>
    <message>
        <source>planned</source>
        <translation>previsto</translation>
    </message>
    <message>
        <source>the run stopped before its wave</source>
        <translation>la ejecución se detuvo antes de su oleada</translation>
    </message>
</context>
<context>
    <name>PasswordRunModel</name>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>old</source>
        <translation>antigua</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Stored password</source>
        <translation>Contraseña guardada</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>QuietCommands</name>
    <message>
        <source>The request could not be written to %1.</source>
        <translation>No se pudo escribir la petición en %1.</translation>
    </message>
    <message>
        <source>The program that holds the device list did not take the request.</source>
        <translation>El programa que tiene la lista de dispositivos no aceptó la petición.</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>El grupo %1</translation>
    </message>
    <message>
        <source>%1 is quiet until %2.</source>
        <translation>%1 queda silenciado hasta %2.</translation>
    </message>
    <message>
        <source>%1 is quiet until unmuted.</source>
        <translation>%1 queda silenciado indefinidamente.</translation>
    </message>
    <message>
        <source>%1 is no longer quiet.</source>
        <translation>%1 ya no está silenciado.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
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
        <translation>No hay eventos.</translation>
    </message>
    <message>
        <source>%1 is not muted; nothing changed.</source>
        <translation>%1 no está silenciado; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is quiet every %2.</source>
        <translation>%1 queda en silencio cada semana: %2.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours now.</source>
        <translation>%1 ya no tiene horas de silencio semanales.</translation>
    </message>
    <message>
        <source>%1 has no weekly quiet hours; nothing changed.</source>
        <translation>%1 no tiene horas de silencio semanales; no se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>QuietHours</name>
    <message>
        <source>&quot;%1&quot; is not a window like &quot;Mon-Fri 22:00-06:00&quot; or &quot;Sat-Sun&quot;.</source>
        <translation>«%1» no es una franja como «Mon-Fri 22:00-06:00» o «Sat-Sun».</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: days are Mon, Tue, Wed, Thu, Fri, Sat and Sun.</source>
        <translation>«%1»: los días son Mon, Tue, Wed, Thu, Fri, Sat y Sun.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: times run from 00:00 to 23:59, an end up to 24:00.</source>
        <translation>«%1»: las horas van de 00:00 a 23:59, un final hasta 24:00.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends when it starts.</source>
        <translation>«%1» termina cuando empieza.</translation>
    </message>
    <message>
        <source>Quiet hours are at most %1 characters.</source>
        <translation>Las horas de silencio tienen como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time zone of this machine, like Europe/Berlin.</source>
        <translation>«%1» no es una zona horaria de este equipo, como Europe/Berlin.</translation>
    </message>
    <message>
        <source>At most %1 windows.</source>
        <translation>Como máximo %1 franjas.</translation>
    </message>
    <message>
        <source>No window given, like &quot;Mon-Fri 22:00-06:00&quot;.</source>
        <translation>No se ha indicado ninguna franja, como «Mon-Fri 22:00-06:00».</translation>
    </message>
</context>
<context>
    <name>QuietPeriodChoice</name>
    <message>
        <source>For 1 hour</source>
        <translation>Durante 1 hora</translation>
    </message>
    <message>
        <source>For 8 hours</source>
        <translation>Durante 8 horas</translation>
    </message>
    <message>
        <source>Until 06:00 tomorrow</source>
        <translation>Hasta mañana a las 06:00</translation>
    </message>
    <message>
        <source>For 7 days</source>
        <translation>Durante 7 días</translation>
    </message>
    <message>
        <source>Until unmuted</source>
        <translation>Indefinidamente</translation>
    </message>
    <message>
        <source>Quiet period</source>
        <translation>Periodo de silencio</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No alert mail names %1 while it lasts; it is polled and shown as usual.</source>
        <translation>Mientras dure, los correos de alerta no nombrarán a %1; el estado se sigue consultando y mostrando como siempre.</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Every week...</source>
        <translation>Cada semana...</translation>
    </message>
    <message>
        <source>Weekly quiet hours</source>
        <translation>Horas de silencio semanales</translation>
    </message>
    <message>
        <source>No alert mail names %1 in these windows, every week (empty: none):</source>
        <translation>Ningún correo de alerta nombra %1 en estas franjas, cada semana (vacío: ninguna):</translation>
    </message>
</context>
<context>
    <name>QuietRequest</name>
    <message>
        <source>No group is named &quot;%1&quot;.</source>
        <translation>No hay ningún grupo llamado «%1».</translation>
    </message>
    <message>
        <source>No clock with the address %1 is on the device list.</source>
        <translation>No hay ningún reloj con la dirección %1 en la lista de dispositivos.</translation>
    </message>
</context>
<context>
    <name>QuietRequestWatcher</name>
    <message>
        <source>Quiet requests in %1 are not obeyed: other users can write into the folder.</source>
        <translation>Las solicitudes de periodo de silencio en %1 no se atienden: otros usuarios pueden escribir en la carpeta.</translation>
    </message>
    <message>
        <source>Quiet request %1 not obeyed: %2</source>
        <translation>Solicitud de periodo de silencio %1 no atendida: %2</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>Answering</source>
        <translation>Responde</translation>
    </message>
    <message>
        <source>Synchronised</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Incidents</source>
        <translation>Incidentes</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Más largo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Caído</translation>
    </message>
    <message>
        <source>MTTR</source>
        <translation>MTTR</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>(no group)</source>
        <translation>(sin grupo)</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sitio</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
    </message>
</context>
<context>
    <name>SearchCommands</name>
    <message>
        <source>No usable local network interface to search on.</source>
        <translation>No hay ninguna interfaz de red local utilizable para buscar.</translation>
    </message>
    <message>
        <source>Device search</source>
        <translation>Búsqueda de dispositivos</translation>
    </message>
    <message>
        <source>already listed</source>
        <translation>ya en la lista</translation>
    </message>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>No devices found.</source>
        <translation>No se han encontrado dispositivos.</translation>
    </message>
    <message>
        <source>Resolving address conflicts</source>
        <translation>Resolviendo conflictos de direcciones</translation>
    </message>
    <message>
        <source>No devices was found.</source>
        <translation>No se ha encontrado ningún dispositivo.</translation>
    </message>
    <message>
        <source>MAC and IP address changed for %1 out of %2 found.</source>
        <translation>Se cambiaron las direcciones MAC e IP en %1 de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n clocks(s)</source>
        <translation>
            <numerusform>%n reloj</numerusform>
            <numerusform>%n relojes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n device(s)</source>
        <translation>
            <numerusform>%n dispositivo encontrado</numerusform>
            <numerusform>%n dispositivos encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 clocks found did not take their new addresses.</source>
        <translation>%1 de los %2 relojes encontrados no aceptaron sus nuevas direcciones.</translation>
    </message>
    <message>
        <source>%1 of %2 clocks found were left unchanged: no address is left after .254.</source>
        <translation>%1 de los %2 relojes encontrados se dejaron sin cambios: no quedan direcciones después de .254.</translation>
    </message>
    <message>
        <source>Reading status</source>
        <translation>Leyendo estado</translation>
    </message>
    <message>
        <source>Every clock found (%1) refused the user name and password.</source>
        <translation>Todos los relojes encontrados (%1) rechazaron el nombre de usuario y la contraseña.</translation>
    </message>
    <message>
        <source>The clock refused the new address.</source>
        <translation>El reloj rechazó la nueva dirección.</translation>
    </message>
    <message>
        <source>No address was left for it.</source>
        <translation>No quedaba ninguna dirección para él.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>%1
Open the device list read-only? Nothing will be saved.</source>
        <translation>%1
¿Abrir la lista de dispositivos en solo lectura? No se guardará nada.</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Abrir en solo lectura</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>StateLoad</name>
    <message>
        <source>Cannot read the device list %1; it was left as it is.</source>
        <translation>No se puede leer la lista de dispositivos %1; se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Cannot read the device list %1; it was kept as %2.</source>
        <translation>No se puede leer la lista de dispositivos %1; se ha conservado como %2.</translation>
    </message>
</context>
<context>
    <name>StatusBoard</name>
    <message>
        <source>Clock status</source>
        <translation>Estado de los relojes</translation>
    </message>
    <message>
        <source>Filter by name or address</source>
        <translation>Filtrar por nombre o dirección</translation>
    </message>
    <message>
        <source>Problems only</source>
        <translation>Solo problemas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Muted until</source>
        <translation>Silenciado hasta</translation>
    </message>
    <message>
        <source>Status age</source>
        <translation>Antigüedad del estado</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No events.</source>
        <translation>No hay eventos.</translation>
    </message>
    <message>
        <source>until lifted</source>
        <translation>hasta que se levante</translation>
    </message>
    <message>
        <source>%1 of %2 clocks shown</source>
        <translation>%1 de %2 relojes mostrados</translation>
    </message>
    <message>
        <source>The monitor cannot be reached. The board shows what it last received.</source>
        <translation>No se puede contactar con el monitor. El panel muestra lo último que recibió.</translation>
    </message>
    <message>
        <source>Views</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>Relojes</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Disponibilidad</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Computing the figures...</source>
        <translation>Calculando las cifras...</translation>
    </message>
    <message>
        <source>The history cannot be read.</source>
        <translation>No se puede leer el historial.</translation>
    </message>
    <message>
        <source>The figures could not be loaded.</source>
        <translation>No se pudieron cargar las cifras.</translation>
    </message>
</context>
<context>
    <name>TabAlarms</name>
    <message>
        <source>Import/Export alarms configuration</source>
        <translation>Importar/exportar configuración de alarmas</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Disable all alarms</source>
        <translation>Desactivar todas las alarmas</translation>
    </message>
    <message>
        <source>Loading, please wait...</source>
        <translation>Cargando, espere...</translation>
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
        <translation>Mostrar hora</translation>
    </message>
    <message>
        <source>Time shown for</source>
        <translation>Tiempo de visualización de la hora</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Show temperature</source>
        <translation>Mostrar temperatura</translation>
    </message>
    <message>
        <source>Temperature shown for</source>
        <translation>Tiempo de visualización de la temperatura</translation>
    </message>
    <message>
        <source>Show date</source>
        <translation>Mostrar fecha</translation>
    </message>
    <message>
        <source>Date shown for</source>
        <translation>Tiempo de visualización de la fecha</translation>
    </message>
    <message>
        <source>Time format</source>
        <translation>Formato de hora</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Time leading zeros</source>
        <translation>Ceros a la izquierda en la hora</translation>
    </message>
    <message>
        <source>Blinking time colon</source>
        <translation>Dos puntos intermitentes</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Typeface</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Import/Export display configuration</source>
        <translation>Importar/exportar configuración de pantalla</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Thermometer configuration</source>
        <translation>Configuración del termómetro</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Temperature offset</source>
        <translation>Corrección de temperatura</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Display synchronization</source>
        <translation>Sincronización de pantallas</translation>
    </message>
    <message>
        <source>Synchronization</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Master IP</source>
        <translation>IP del maestro</translation>
    </message>
    <message>
        <source>Eco</source>
        <translation>Eco</translation>
    </message>
    <message>
        <source>Eco mode</source>
        <translation>Modo eco</translation>
    </message>
    <message>
        <source>Switch on</source>
        <translation>Activación</translation>
    </message>
    <message>
        <source>Switch off</source>
        <translation>Desactivación</translation>
    </message>
    <message>
        <source>day, month, year</source>
        <translation>día, mes, año</translation>
    </message>
    <message>
        <source>month, day, year</source>
        <translation>mes, día, año</translation>
    </message>
    <message>
        <source>year, month, day</source>
        <translation>año, mes, día</translation>
    </message>
    <message>
        <source>year, day, month</source>
        <translation>año, día, mes</translation>
    </message>
    <message>
        <source>day, month</source>
        <translation>día, mes</translation>
    </message>
    <message>
        <source>month, day</source>
        <translation>mes, día</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>The order in which the clock shows the date: D day, N month, Y year</source>
        <translation>El orden en que el reloj muestra la fecha: D día, N mes, Y año</translation>
    </message>
</context>
<context>
    <name>TabSend</name>
    <message>
        <source>Send configuration</source>
        <translation>Enviar configuración</translation>
    </message>
    <message>
        <source>The configuration is sent to:</source>
        <translation>La configuración se envía a:</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>TabTime</name>
    <message>
        <source>Regional settings</source>
        <translation>Ajustes regionales</translation>
    </message>
    <message>
        <source>Localization</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Time zone active</source>
        <translation>Zona horaria activa</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Daylight saving time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Start week</source>
        <translation>Semana de inicio</translation>
    </message>
    <message>
        <source>Start day</source>
        <translation>Día de inicio</translation>
    </message>
    <message>
        <source>of</source>
        <translation>de</translation>
    </message>
    <message>
        <source>Start month</source>
        <translation>Mes de inicio</translation>
    </message>
    <message>
        <source>at</source>
        <translation>a las</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End week</source>
        <translation>Semana de fin</translation>
    </message>
    <message>
        <source>End day</source>
        <translation>Día de fin</translation>
    </message>
    <message>
        <source>End month</source>
        <translation>Mes de fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Remote time synchronization</source>
        <translation>Sincronización horaria remota</translation>
    </message>
    <message>
        <source>Time source</source>
        <translation>Fuente de hora</translation>
    </message>
    <message>
        <source>NTP server 1</source>
        <translation>Servidor NTP 1</translation>
    </message>
    <message>
        <source>NTP server 2</source>
        <translation>Servidor NTP 2</translation>
    </message>
    <message>
        <source>NTP server 3</source>
        <translation>Servidor NTP 3</translation>
    </message>
    <message>
        <source>NTP server 4</source>
        <translation>Servidor NTP 4</translation>
    </message>
    <message>
        <source>NTP server 5</source>
        <translation>Servidor NTP 5</translation>
    </message>
    <message>
        <source>A server name cannot hold &quot;&amp;&quot;, &quot;=&quot; or a line break: the clock would misread it.</source>
        <translation>Un nombre de servidor no puede contener «&amp;», «=» ni saltos de línea: el reloj lo interpretaría mal.</translation>
    </message>
    <message>
        <source>Query interval</source>
        <translation>Intervalo de consulta</translation>
    </message>
    <message>
        <source>Local time synchronization</source>
        <translation>Sincronización horaria local</translation>
    </message>
    <message>
        <source>Master mode</source>
        <translation>Modo maestro</translation>
    </message>
</context>
<context>
    <name>TestMailFlow</name>
    <message>
        <source>%1 Notification Test</source>
        <translation>Prueba de notificación de %1</translation>
    </message>
    <message>
        <source>This is %1 notification test e-mail.</source>
        <translation>Este es un correo de prueba de notificaciones de %1.</translation>
    </message>
    <message>
        <source>Test e-mail has been sent successfully.</source>
        <translation>El correo de prueba se ha enviado correctamente.</translation>
    </message>
    <message>
        <source>Test e-mail sent failed</source>
        <translation>Error al enviar el correo de prueba</translation>
    </message>
    <message>
        <source>Test e-mail sent failed: no recipient is set.</source>
        <translation>Error al enviar el correo de prueba: no hay ningún destinatario.</translation>
    </message>
</context>
<context>
    <name>WindowClosing</name>
    <message>
        <source>Notifications and reports are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent and data reporting will stop)</source>
        <translation>Las notificaciones y los informes están activados. ¿Seguro que desea cerrar %1? (No se enviarán correos de alerta y se detendrá el registro de datos)</translation>
    </message>
    <message>
        <source>Notification are turned on. Are you sure you want to close %1? (Alert e-mails won&apos;t be sent)</source>
        <translation>Las notificaciones están activadas. ¿Seguro que desea cerrar %1? (No se enviarán correos de alerta)</translation>
    </message>
    <message>
        <source>Reports are turned on. Are you sure you want to close %1? (Data reporting will stop)</source>
        <translation>Los informes están activados. ¿Seguro que desea cerrar %1? (Se detendrá el registro de datos)</translation>
    </message>
    <message>
        <source>Minimalize to tray</source>
        <translation>Minimizar a la bandeja</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Cerrar aplicación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 Close anyway? (Changes since the last save will be lost)</source>
        <translation>%1 ¿Cerrar igualmente? (Se perderán los cambios posteriores al último guardado)</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Device list</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>IP conflicts</source>
        <translation>Conflictos de IP</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Show window</source>
        <translation>Mostrar ventana</translation>
    </message>
    <message>
        <source>Hide window</source>
        <translation>Ocultar ventana</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Cerrar aplicación</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>No PDF viewer was found to open the manual. You can find it here:
%1</source>
        <translation>No se encontró ningún visor de PDF para abrir el manual. Está aquí:
%1</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (solo lectura)</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (sin guardar)</translation>
    </message>
    <message>
        <source>%1 (history not written)</source>
        <translation>%1 (historial no escrito)</translation>
    </message>
    <message>
        <source>The history of clock events cannot be written: %1</source>
        <translation>No se puede escribir el historial de eventos de los relojes: %1</translation>
    </message>
</context>
<context>
    <name>WindowTray</name>
    <message>
        <source>Application was minimized to tray</source>
        <translation>La aplicación se ha minimizado a la bandeja</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>WorkerTcp</name>
    <message>
        <source>Failed to connect.</source>
        <translation>No se pudo conectar.</translation>
    </message>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Error de envío. No hay datos que enviar.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Error de envío. No se pudo enviar ningún dato.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Error de envío. Solo se enviaron %1 de %2 bytes.</translation>
    </message>
</context>
<context>
    <name>WorkerThreadPool</name>
    <message>
        <source>unlimited</source>
        <translation>ilimitado</translation>
    </message>
    <message>
        <source>Polls in flight: at least %1 for answering clocks and %2 for failing ones, following the fleet, at most %3 together; %4 user exchanges at once; open-file limit %5.</source>
        <translation>Consultas en curso: al menos %1 para los relojes que responden y %2 para los que fallan, según la flota, como máximo %3 en total; %4 intercambios de usuario a la vez; límite de archivos abiertos %5.</translation>
    </message>
</context>
<context>
    <name>WorkerUdp</name>
    <message>
        <source>Send failed. There&apos;s no data to send.</source>
        <translation>Error de envío. No hay datos que enviar.</translation>
    </message>
    <message>
        <source>Send failed. Unable to send any data.</source>
        <translation>Error de envío. No se pudo enviar ningún dato.</translation>
    </message>
    <message>
        <source>Send failed. Only %1 of %2 bytes sent.</source>
        <translation>Error de envío. Solo se enviaron %1 de %2 bytes.</translation>
    </message>
</context>
<context>
    <name>XmlFile</name>
    <message>
        <source>not an XML file: %1 (line %2, column %3)</source>
        <translation>no es un archivo XML: %1 (línea %2, columna %3)</translation>
    </message>
    <message>
        <source>the XML file holds no element</source>
        <translation>el archivo XML no contiene ningún elemento</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>nested deeper than %1 levels</source>
        <translation>anidado a más de %1 niveles</translation>
    </message>
    <message>
        <source>an attribute longer than %1 characters</source>
        <translation>un atributo de más de %1 caracteres</translation>
    </message>
</context>
</TS>
