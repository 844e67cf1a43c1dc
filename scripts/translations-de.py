#!/usr/bin/env python3
"""Fills the German catalogue from a small glossary; run after lupdate.

Only messages without a finished translation are touched, so hand-made
translations in the catalogue always win."""
import sys
import xml.etree.ElementTree as ET

GLOSSARY = {
    "Authorization error": "Autorisierungsfehler",
    "No response": "Keine Antwort",
    "Host not found": "Host nicht gefunden",
    "Incorrect data sent or function is unsupported": "Falsche Daten gesendet oder Funktion nicht unterstützt",
    "Unable connect to device": "Keine Verbindung zum Gerät möglich",
    "An error occured:": "Ein Fehler ist aufgetreten:",
    "Synchronized": "Synchronisiert",
    "Last synchronization time": "Letzte Synchronisierung um",
    "Ntp server timeout": "Zeitüberschreitung des NTP-Servers",
    "Last synchronization": "Letzte Synchronisierung",
    "Connection error": "Verbindungsfehler",
    "Ntp synchronization disabled": "NTP-Synchronisierung deaktiviert",
    "No status available": "Kein Status verfügbar",
    "No authentication": "Keine Authentifizierung",
    "Last status update": "Letzte Statusaktualisierung",
    "Device is not responding": "Gerät antwortet nicht",
    " - IP duplicate found": " - doppelte IP-Adresse gefunden",
    "Default": "Standard",
    "Not available": "Nicht verfügbar",
    "Clock": "Uhr",
    "Group": "Gruppe",
    "Temperature": "Temperatur",
    "Brightness": "Helligkeit",
    "Invalid": "Ungültig",
    "Open": "Öffnen",
    "Save": "Speichern",
    "None": "Keine",
    "Other": "Andere",
    "Europe": "Europa",
    "Australia": "Australien",
    "United States": "Vereinigte Staaten",
    "Canada": "Kanada",
    "Last": "Letzter",
    "Monday": "Montag", "Tuesday": "Dienstag", "Wednesday": "Mittwoch", "Thursday": "Donnerstag",
    "Friday": "Freitag", "Saturday": "Samstag", "Sunday": "Sonntag",
    "January": "Januar", "February": "Februar", "March": "März", "April": "April", "May": "Mai",
    "June": "Juni", "July": "Juli", "August": "August", "September": "September",
    "October": "Oktober", "November": "November", "December": "Dezember",
    "Configuration loaded successfully": "Konfiguration erfolgreich geladen",
    "Configuration saved successfully": "Konfiguration erfolgreich gespeichert",
    "Configuration save failed": "Speichern der Konfiguration fehlgeschlagen",
    "Configuration exported successfully": "Konfiguration erfolgreich exportiert",
    "Configuration export failed": "Export der Konfiguration fehlgeschlagen",
    "Configuration import failed": "Import der Konfiguration fehlgeschlagen",
    "Test e-mail has been sent successfully.": "Die Test-E-Mail wurde erfolgreich gesendet.",
    "Test e-mail sent failed.": "Senden der Test-E-Mail fehlgeschlagen.",
    "Test e-mail sent failed": "Senden der Test-E-Mail fehlgeschlagen",
    "Clock name: ": "Name der Uhr: ",
    "Group: ": "Gruppe: ",
    "Error code: ": "Fehlercode: ",
    "Version %1": "Version %1",
    "Yes": "Ja",
    "No": "Nein",
    "Cancel": "Abbrechen",
    "OK": "OK",
    "Close": "Schließen",
    "Name": "Name",
}


def main(path):
    tree = ET.parse(path)
    for message in tree.getroot().iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if translation is None or source not in GLOSSARY:
            continue
        if translation.get("type") not in ("unfinished", None) or (translation.text and translation.get("type") is None):
            continue
        translation.text = GLOSSARY[source]
        translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "translations/ZTK_de.ts")
