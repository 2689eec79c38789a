#!/usr/bin/env python3
"""Writes the hazard class lists and the phrase files of dats/datfiles/fastedit in Windows-1252
with LF line ends, from the tables below and the statements of clp_statements.tsv beside this
script (sources in dats/datfiles/fastedit/README.md).

Usage: write_fastedit.py FOLDER
"""
import csv
import sys
from pathlib import Path

STATEMENT_TABLE = Path(__file__).with_name("clp_statements.tsv")

# Code, '-', the indication of danger. The first line has no code: it chooses no class.
HEALTH = ["Ingen", "T+-Meget giftig", "T-Giftig", "C-Etsende", "Xn-Helseskadelig", "Xi-Irriterende"]
FIRE = ["Ingen", "E-Eksplosiv", "O-Oksiderende", "F+-Ekstremt brannfarlig", "F-Meget brannfarlig"]
ENVIRONMENT = ["Ingen", "N-Miljøskadelig"]

# The longest phrase the quick editor takes, its trailing blank counted.
PHRASE_LIMIT = 251


def read_statements():
    """The statements of the table in its order: code and Norwegian text, hazard (H, EUH) and
    precautionary (P) statements apart."""
    with STATEMENT_TABLE.open(encoding="utf-8", newline="") as table:
        rows = list(csv.DictReader(table, delimiter="\t", quoting=csv.QUOTE_NONE))
    hazard, precautionary = [], []
    for row in rows:
        line = f"{row['code']} {row['norwegian']}"
        if len(line) + 1 > PHRASE_LIMIT:
            sys.exit(f"{STATEMENT_TABLE.name}: {row['code']} is longer than {PHRASE_LIMIT} characters")
        (precautionary if row["code"].startswith("P") else hazard).append(line)
    return hazard, precautionary


HAZARD_STATEMENTS, PRECAUTIONARY_STATEMENTS = read_statements()

HEALTH_HAZARD = [
    "GENERELT> Giftig ved svelging, innånding og hudkontakt.",
    "GENERELT> Helseskadelig ved svelging.",
    "GENERELT> Helseskadelig ved innånding.",
    "GENERELT> Irriterer øyne, luftveier og hud.",
    "GENERELT> Kan gi allergi ved hudkontakt.",
    "GENERELT> Langvarig eller gjentatt eksponering kan skade nervesystemet.",
    "GENERELT> Kan skade lever og nyrer ved gjentatt eksponering.",
    "GENERELT> Mistenkes å kunne gi kreft.",
    "GENERELT> Damp kan gi døsighet og svimmelhet.",
    "ØYE> Sprut kan gi alvorlige etseskader og varig synsnedsettelse.",
    "ØYE> Irriterer øynene; rødhet, smerte og tåreflod.",
    "ØYE> Damp svir i øynene.",
    "SVELGING> Etser munn, svelg og spiserør.",
    "SVELGING> Gir kvalme, oppkast og magesmerter.",
    "SVELGING> Kan gi lungeskade dersom væsken kommer ned i luftveiene.",
    "SVELGING> Små mengder kan være dødelige.",
    "INNÅNDING> Irriterer nese, svelg og luftveier; hoste og pustebesvær.",
    "INNÅNDING> Høye konsentrasjoner kan gi lungeødem, ofte etter noen timer.",
    "INNÅNDING> Hodepine, svimmelhet og bevisstløshet ved høye konsentrasjoner.",
    "INNÅNDING> Støv irriterer luftveiene.",
    "HUDKONTAKT> Gir etseskader; brannsår som gror langsomt.",
    "HUDKONTAKT> Avfetter huden; tørr og sprukken hud ved gjentatt kontakt.",
    "HUDKONTAKT> Tas opp gjennom huden.",
    "HUDKONTAKT> Irriterer huden; rødhet og kløe.",
]

FIRE_HAZARD = [
    "Ekstremt brannfarlig gass.",
    "Meget brannfarlig væske og damp.",
    "Brannfarlig væske og damp.",
    "Brennbar væske; antennes ved oppvarming over flammepunktet.",
    "Brannfarlig fast stoff.",
    "Ikke brennbart.",
    "Dampen er tyngre enn luft og kan spre seg langs gulvet til en tennkilde.",
    "Damp og luft kan danne eksplosive blandinger.",
    "Reagerer med vann og utvikler brannfarlig hydrogengass.",
    "Kan selvantennes i luft.",
    "Oksiderende: kan forsterke brann i brennbart materiale.",
    "Kan eksplodere ved oppvarming, støt eller friksjon.",
    "Danner eksplosive peroksider ved lagring.",
    "Beholdere kan revne ved oppvarming.",
    "Utvikler giftige gasser ved brann.",
    "Utvikler etsende damp ved brann.",
    "Slokkes med pulver, skum eller karbondioksid.",
    "Slokkes med store mengder vann.",
    "Bruk ikke vann ved slokking.",
    "Slokkes med tørr sand eller metallbrannpulver.",
    "Kjøl beholdere i nærheten av brannen med vann.",
    "Brannmannskap må bruke åndedrettsvern med egen luftforsyning.",
]

FIRST_AID = [
    "ØYE> Skyll straks med mye vann i minst 15 minutter; hold øyelokkene åpne.",
    "ØYE> Ta ut kontaktlinser om det lett lar seg gjøre, og fortsett skyllingen.",
    "ØYE> Kontakt lege straks.",
    "ØYE> Kontakt lege ved vedvarende irritasjon.",
    "SVELGING> Skyll munnen og drikk et par glass vann.",
    "SVELGING> Fremkall ikke brekninger.",
    "SVELGING> Kontakt Giftinformasjonen eller lege.",
    "SVELGING> Gi aldri noe gjennom munnen til en bevisstløs person.",
    "INNÅNDING> Frisk luft, ro og varme.",
    "INNÅNDING> Ved pustebesvær: gi oksygen dersom personell med opplæring er til stede.",
    "INNÅNDING> Ved pustestans: gi kunstig åndedrett.",
    "INNÅNDING> Hold personen under tilsyn i minst et døgn; lungeødem kan komme sent.",
    "HUDKONTAKT> Ta av tilsølte klær straks.",
    "HUDKONTAKT> Skyll huden med mye vann i minst 15 minutter.",
    "HUDKONTAKT> Vask huden med såpe og vann.",
    "HUDKONTAKT> Kontakt lege ved etseskader.",
    "HUDKONTAKT> Ved forbrenning: kjøl med vann og dekk til med rene kompresser.",
    "Legg bevisstløs person i stabilt sideleie.",
    "Vis denne etiketten eller databladet til legen.",
    "Ring nødnummer 113 ved alvorlig ulykke.",
    "Førstehjelper må beskytte seg selv mot eksponering.",
]

PREVENTIVE = [
    "Arbeid i avtrekksskap.",
    "Sørg for god ventilasjon.",
    "Bruk vernebriller.",
    "Bruk ansiktsskjerm.",
    "Bruk vernehansker av nitrilgummi.",
    "Bruk vernehansker av butylgummi.",
    "Bruk laboratoriefrakk.",
    "Bruk åndedrettsvern med egnet filter ved støv eller damp.",
    "Unngå innånding av damp og støv.",
    "Unngå kontakt med hud og øyne.",
    "Hold borte fra åpen flamme, gnister og varme overflater.",
    "Røyking forbudt.",
    "Bruk gnistfritt verktøy og jord beholdere ved omtapping.",
    "Tilsett alltid syre til vann, aldri vann til syre.",
    "Spis, drikk eller røyk ikke under arbeidet.",
    "Vask hendene etter bruk.",
    "Øyedusj og nøddusj skal være tilgjengelig.",
    "Bruk minst mulig mengde.",
    "Gravide skal ikke arbeide med stoffet.",
    "Hold stoffet borte fra brennbart materiale.",
    "Hold stoffet borte fra vann og fuktighet.",
    "Skal ikke tømmes i avløp.",
]

STORAGE = [
    "Oppbevares i tett lukket beholder.",
    "Oppbevares kjølig og tørt.",
    "Oppbevares på et godt ventilert sted.",
    "Oppbevares i brannsikkert skap for brannfarlige væsker.",
    "Oppbevares i ventilert skap for syrer.",
    "Oppbevares i ventilert skap for baser.",
    "Oppbevares innelåst.",
    "Oppbevares i giftskap.",
    "Oppbevares beskyttet mot lys.",
    "Oppbevares under inert gass.",
    "Oppbevares under parafinolje.",
    "Oppbevares under vann.",
    "Oppbevares adskilt fra syrer.",
    "Oppbevares adskilt fra baser.",
    "Oppbevares adskilt fra oksiderende stoffer.",
    "Oppbevares adskilt fra brennbare stoffer.",
    "Oppbevares adskilt fra næringsmidler og fôr.",
    "Oppbevares i originalemballasjen.",
    "Oppbevares i beholder av plast; angriper glass.",
    "Gassflasker skal sikres mot velt og oppbevares stående.",
    "Beskyttes mot frost.",
    "Oppbevares ved høyst 25 °C.",
]

DISPOSAL = [
    "AVFALLSGRUPPE> Farlig avfall: leveres til godkjent mottak.",
    "AVFALLSGRUPPE> Organiske løsemidler uten halogen.",
    "AVFALLSGRUPPE> Halogenerte organiske løsemidler.",
    "AVFALLSGRUPPE> Uorganiske syrer.",
    "AVFALLSGRUPPE> Uorganiske baser.",
    "AVFALLSGRUPPE> Tungmetallholdig avfall.",
    "AVFALLSGRUPPE> Reaktivt avfall.",
    "AVFALLSGRUPPE> Ikke farlig avfall.",
    "Nøytraliseres forsiktig og spyles ut med mye vann.",
    "Samles i merket beholder for farlig avfall.",
    "Tomme beholdere skylles og leveres som farlig avfall.",
    "Små mengder kan fortynnes med mye vann og helles i avløpet.",
    "SPILL/SØL> Fjern alle tennkilder.",
    "SPILL/SØL> Sørg for god ventilasjon.",
    "SPILL/SØL> Bruk verneutstyr under oppryddingen.",
    "SPILL/SØL> Absorberes i sand, vermikulitt eller annet ikke brennbart materiale.",
    "SPILL/SØL> Nøytraliseres med natriumhydrogenkarbonat.",
    "SPILL/SØL> Nøytraliseres med fortynnet eddiksyre.",
    "SPILL/SØL> Feies opp uten å virvle opp støv.",
    "SPILL/SØL> Samles i tett beholder og merkes.",
    "SPILL/SØL> Hindre utslipp til avløp og vassdrag.",
    "SPILL/SØL> Spyl stedet med vann etter oppryddingen.",
]

# The class indications again, for the category the window keeps hidden.
DANGER_INDICATIONS = [line for line in HEALTH + FIRE + ENVIRONMENT if "-" in line]

FILES = {
    "fsyhelse.dat": (HEALTH, False),
    "fsybrann.dat": (FIRE, False),
    "fsymiljo.dat": (ENVIRONMENT, False),
    "rsetn.dat": (HAZARD_STATEMENTS, True),
    "ssetn.dat": (PRECAUTIONARY_STATEMENTS, True),
    "hfare.dat": (HEALTH_HAZARD, True),
    "bfare.dat": (FIRE_HAZARD, True),
    "fhjelp.dat": (FIRST_AID, True),
    "ftiltak.dat": (PREVENTIVE, True),
    "lagring.dat": (STORAGE, True),
    "destruer.dat": (DISPOSAL, True),
    "fare.dat": (DANGER_INDICATIONS, True),
}


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = Path(sys.argv[1])
    for name, (lines, phrases) in FILES.items():
        text = "".join(line + (" " if phrases else "") + "\n" for line in lines)
        (folder / name).write_bytes(text.encode("cp1252"))


if __name__ == "__main__":
    main()
