#!/usr/bin/env python3
"""Writes the chemicals database delivered with the program from chemicals.csv (this folder).

    python3 chemicals_database/data/generate_chemicals.py build/chemicals_database/chemdb_formula_lines

The formula lines of each record (formula mass, empirical and qualitative formula) come from the
program's own store routine through the helper named on the command line, so they are exactly
what a store in the program writes. Writes, Windows-1252 with LF line ends:
    dats/opendats.dat
    dats/datfiles/kjemikal/uorg047.dat, uorg044.dat  (inorganic: acids, bases, salts, metals, gases)
    dats/datfiles/kjemikal/org047.dat,  org044.dat   (organic: solvents, indicators, other organics)
The safety texts are composed here from the hazard tags of each row, in both languages.
"""

import csv
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
FOLDER = "dats/datfiles/kjemikal"
LIST_NAME = "dats/opendats.dat"
FILES = [("uorg", False), ("org", True)]
AIR_MOLAR_MASS = 28.96  # g/mol, for the density of a gas relative to air
FIELD_LIMIT = 48
SAFETY_LIMIT = 3997
BEL = "\a"

WORDS = {
    "colour": {
        "cl": ("fargeløs", "colourless"), "wh": ("hvit", "white"), "ye": ("gul", "yellow"),
        "pye": ("svakt gul", "pale yellow"), "or": ("oransje", "orange"), "red": ("rød", "red"),
        "rbr": ("rødbrun", "red-brown"), "br": ("brun", "brown"), "gr": ("grønn", "green"),
        "dgr": ("mørk grønn", "dark green"), "ygr": ("gulgrønn", "yellow-green"), "bl": ("blå", "blue"),
        "dpu": ("mørk fiolett", "dark violet"), "bk": ("svart", "black"), "si": ("sølvhvit", "silvery"),
        "gy": ("grå", "grey"), "cu": ("kobberrød", "copper-red"),
    },
    "form": {
        "gas": ("gass", "gas"), "liq": ("væske", "liquid"), "visc": ("viskøs væske", "viscous liquid"),
        "cry": ("krystaller", "crystals"), "pow": ("pulver", "powder"), "pel": ("pellets", "pellets"),
        "met": ("metall", "metal"),
    },
    "odour": {
        "none": ("luktfri", "odourless"), "pung": ("stikkende", "pungent"), "sweet": ("søtlig", "sweetish"),
        "char": ("karakteristisk", "characteristic"), "fruit": ("fruktaktig", "fruity"),
        "arom": ("aromatisk", "aromatic"), "amm": ("ammoniakk", "ammonia"), "egg": ("råtne egg", "rotten eggs"),
        "vinegar": ("eddik", "vinegar"), "fish": ("fiskeaktig", "fishy"), "chlor": ("kvelende, klor", "choking, chlorine"),
        "almond": ("bitre mandler", "bitter almonds"), "ether": ("eterisk", "ethereal"), "faint": ("svak", "faint"),
    },
    "sol": {
        "mis": ("blandbar", "miscible"), "vs": ("lett løselig", "very soluble"), "s": ("løselig", "soluble"),
        "ss": ("tungt løselig", "slightly soluble"), "ins": ("uløselig", "insoluble"),
        "react": ("reagerer med vann", "reacts with water"),
    },
    "bp_prefix": {"": ("", ""), "dek.": ("dek.", "dec."), "subl.": ("subl.", "subl.")},
}

NOTES = {  # (line 194 short, section 10 sentence), Norwegian then English
    "dilute": (("Syre i vann, aldri vann i syre", "Fortynnes ved å helle syren i vannet, aldri omvendt."),
               ("Acid into water, never water into acid", "Dilute by pouring the acid into the water, never the reverse.")),
    "light": (("Lysfølsom", "Lysfølsom; oppbevares i mørk flaske."),
              ("Light-sensitive", "Light-sensitive; keep in a dark bottle.")),
    "hygro": (("Hygroskopisk", "Trekker fuktighet fra luften; holdes tett lukket."),
              ("Hygroscopic", "Takes up moisture from the air; keep tightly closed.")),
    "hf": (("Etser glass", "Etser glass; brukes i plastutstyr. Kalsiumglukonatgel skal være for hånden."),
           ("Attacks glass", "Attacks glass; use plastic ware. Keep calcium gluconate gel at hand.")),
    "dec": (("Spaltes ved oppvarming", "Spaltes ved oppvarming."), ("Decomposes on heating", "Decomposes on heating.")),
    "perox": (("Kan danne eksplosive peroksider", "Kan danne eksplosive peroksider; merk flasken med dato for åpning."),
              ("May form explosive peroxides", "May form explosive peroxides; mark the bottle with the date opened.")),
    "cyanide": (("Gir blåsyre med sterke syrer", "Utvikler giftig hydrogencyanid med sterke syrer."),
                ("Gives HCN with strong acids", "Gives off toxic hydrogen cyanide with strong acids.")),
    "indicator": (("Indikator", "Brukes som indikator ved titrering."), ("Indicator", "Used as an indicator in titrations.")),
    "oil": (("Oppbevares under parafinolje", "Oppbevares under parafinolje; små biter skjæres på tørt underlag."),
            ("Keep under paraffin oil", "Keep under paraffin oil; cut small pieces on a dry surface.")),
    "mercury": (("Giftig damp", "Dampen er giftig; søl samles straks opp med kvikksølvsett."),
                ("Toxic vapour", "The vapour is toxic; collect spills at once with a mercury spill kit.")),
    "asphyx": (("Kvelningsfare i trange rom", "Kan fortrenge luften i trange rom og gi kvelning."),
               ("Asphyxiant in confined spaces", "Can displace the air in confined spaces and suffocate.")),
}


def pick(tags, choices, default):
    """The first text whose tag the row has."""
    for tag, text in choices:
        if tag in tags:
            return text
    return default


def safety_sections(row, tags, lang):
    """The ten sections of the safety text, in the order the safety data sheet joins them."""
    no = lang == 0
    t = lambda n, e: n if no else e
    health = row["haz_health"]
    gas = "gas" in tags
    liquid = row["form"] in ("liq", "visc")
    solid = "solid" in tags
    organic_liquid = "organic" in tags and liquid
    corr = bool(tags & {"corr", "acid", "base"})
    toxic = bool(tags & {"tox", "vtox"})

    s1 = pick(tags, [("hf", t("Flussyreskade: kalsiumglukonatgel på huden, straks til sykehus.",
                               "Hydrofluoric acid burn: calcium gluconate gel on the skin, to hospital at once.")),
                     ("vtox", t("Mistenkt forgiftning: kontakt giftinformasjon og lege, vis databladet.",
                                "Suspected poisoning: contact a poison centre and a doctor, show this data sheet.")),
                     ("tox", t("Mistenkt forgiftning: kontakt giftinformasjon og lege, vis databladet.",
                               "Suspected poisoning: contact a poison centre and a doctor, show this data sheet."))],
              t("Etseskade: skyll lenge med vann og behandle som kjemisk brannskade.",
                "Corrosive injury: rinse long with water and treat as a chemical burn.") if corr
              else t("Symptomatisk behandling.", "Treat symptomatically."))

    risks = []
    for tag, n, e in [
        ("xflam", "Ekstremt brannfarlig.", "Extremely flammable."),
        ("flam", "Meget brannfarlig.", "Highly flammable."),
        ("comb", "Brennbar.", "Combustible."),
        ("flam_solid", "Brannfarlig som pulver eller bånd.", "Flammable as powder or ribbon."),
        ("oxid", "Brannfremmende; kan gi brann med brennbart materiale.", "Oxidising; may cause fire with combustible material."),
        ("wreact", "Reagerer voldsomt med vann.", "Reacts violently with water."),
        ("metalreact", "Utvikler brannfarlig hydrogen med vann.", "Gives off flammable hydrogen with water."),
        ("vtox", "Meget giftig ved innånding, hudkontakt og svelging.", "Very toxic by inhalation, in contact with skin and if swallowed."),
        ("tox", "Giftig ved innånding, hudkontakt og svelging.", "Toxic by inhalation, in contact with skin and if swallowed."),
        ("harm", "Farlig ved innånding og svelging.", "Harmful by inhalation and if swallowed."),
    ]:
        if tag in tags:
            risks.append(t(n, e))
    if corr:
        risks.append(t("Etsende; gir alvorlige etseskader.", "Corrosive; causes severe burns."))
    if "irr" in tags:
        risks.append(t("Irriterer øyne, luftveier og hud.", "Irritating to eyes, respiratory system and skin."))
    if "carc" in tags:
        risks.append(t("Kan gi kreft.", "May cause cancer.") if health in ("T", "Tx")
                     else t("Mulig kreftfare.", "Possible risk of cancer."))
    if "repro" in tags:
        risks.append(t("Kan skade forplantningsevnen eller fosteret.", "May impair fertility or harm the unborn child."))
    if "env" in tags:
        risks.append(t("Meget giftig for liv i vann.", "Very toxic to aquatic life."))
    if gas:
        risks.append(t("Gass under trykk.", "Gas under pressure."))
    s2 = " ".join(risks) or t("Ingen særlige farer ved vanlig laboratoriebruk.", "No particular hazards in normal laboratory use.")

    advice = []
    if tags & {"flam", "xflam", "comb"}:
        advice.append(t("Holdes borte fra antennelseskilder - røyking forbudt.", "Keep away from sources of ignition - no smoking."))
    if corr:
        advice.append(t("Bruk vernehansker og ansiktsskjerm; ved øyekontakt skyll straks med mye vann.",
                        "Wear gloves and face protection; in contact with eyes rinse at once with plenty of water."))
    if toxic or "carc" in tags or "repro" in tags:
        advice.append(t("Unngå all eksponering; ved uhell eller ubehag kontakt lege straks.",
                        "Avoid all exposure; after an accident or if unwell seek medical advice at once."))
    elif tags & {"harm", "irr"}:
        advice.append(t("Unngå innånding og kontakt med hud og øyne.", "Avoid breathing it and contact with skin and eyes."))
    if "oxid" in tags:
        advice.append(t("Holdes borte fra brennbart materiale.", "Keep away from combustible material."))
    if tags & {"wreact", "metalreact"}:
        advice.append(t("Må ikke komme i kontakt med vann.", "Never allow contact with water."))
    if "env" in tags:
        advice.append(t("Unngå utslipp til miljøet.", "Avoid release to the environment."))
    if gas:
        advice.append(t("Gassflasken sikres mot velt.", "Secure the gas cylinder against falling."))
    s3 = " ".join(advice) or t("Vanlig god laboratoriepraksis.", "Normal good laboratory practice.")

    general = pick(tags, [("vtox", t("Meget giftig.", "Very toxic.")), ("tox", t("Giftig.", "Toxic."))],
                   t("Etsende.", "Corrosive.") if corr
                   else pick(tags, [("harm", t("Helseskadelig.", "Harmful.")), ("irr", t("Irriterende.", "Irritant."))],
                             t("Liten helsefare.", "Low health hazard.")))
    eye = (t("Etseskader, fare for blindhet.", "Burns, risk of blindness.") if corr
           else t("Irritasjon.", "Irritation.") if tags & {"irr", "harm", "tox", "vtox"}
           else t("Ingen kjent fare.", "No known hazard.") if gas
           else t("Mekanisk irritasjon.", "Mechanical irritation."))
    swallow = (t("Ikke aktuelt for gass.", "Not applicable to a gas.") if gas
               else t("Etseskader i munn, svelg og mage.", "Burns of mouth, throat and stomach.") if corr
               else t("Forgiftning; kan være livstruende.", "Poisoning; may be life-threatening.") if toxic
               else t("Kvalme og ubehag.", "Nausea and discomfort.") if "harm" in tags
               else t("Lite skadelig i små mengder.", "Of little harm in small amounts."))
    inhale = (t("Etsende på luftveiene.", "Corrosive to the airways.") if corr
              else t("Giftig; kan gi alvorlige skader.", "Toxic; may cause serious harm.") if toxic
              else t("Damp gir hodepine, svimmelhet og døsighet.", "Vapour causes headache, dizziness and drowsiness.")
              if organic_liquid and tags & {"flam", "xflam", "comb", "harm", "halo"}
              else t("Høye konsentrasjoner fortrenger oksygenet.", "High concentrations displace the oxygen.") if gas
              else t("Støv kan irritere luftveiene.", "Dust may irritate the airways.") if solid
              else t("Ingen kjent fare.", "No known hazard."))
    skin = (t("Etseskader.", "Burns.") if corr
            else t("Tas opp gjennom huden.", "Absorbed through the skin.") if toxic
            else t("Avfetter huden.", "Defats the skin.") if organic_liquid and tags & {"flam", "xflam", "comb", "halo"}
            else t("Irritasjon.", "Irritation.") if tags & {"irr", "harm"}
            else t("Ingen kjent fare.", "No known hazard."))
    s4 = BEL.join([t("GENERELT> ", "GENERAL> ") + general, t("ØYE> ", "EYE> ") + eye,
                   t("SVELGING> ", "INGESTION> ") + swallow, t("INNÅNDING> ", "INHALATION> ") + inhale,
                   t("HUDKONTAKT> ", "SKIN CONTACT> ") + skin])

    s5 = pick(tags, [
        ("xflam", t("Ekstremt brannfarlig; danner eksplosive blandinger med luft. Slukkes med pulver eller CO2.",
                    "Extremely flammable; forms explosive mixtures with air. Extinguish with powder or CO2.")),
        ("flam", t("Meget brannfarlig; dampen kan antennes på avstand. Slukkes med pulver, CO2 eller skum.",
                   "Highly flammable; the vapour may ignite at a distance. Extinguish with powder, CO2 or foam.")),
        ("metalreact", t("Aldri vann ved slokking; bruk tørr sand eller metallbrannpulver.",
                         "Never use water; extinguish with dry sand or metal-fire powder.")),
        ("flam_solid", t("Brennende metall slukkes med tørr sand eller metallbrannpulver, aldri vann.",
                         "Burning metal is put out with dry sand or metal-fire powder, never water.")),
        ("comb", t("Brennbar væske. Slukkes med pulver, CO2 eller skum.", "Combustible liquid. Extinguish with powder, CO2 or foam.")),
        ("oxid", t("Ikke brennbart, men nærer brann; slukk med rikelig vann.",
                   "Not combustible, but feeds a fire; extinguish with plenty of water.")),
    ], t("Brennbart; støv kan danne eksplosive blandinger med luft.", "Combustible; dust may form explosive mixtures with air.")
       if "organic" in tags and solid
       else t("Ikke brennbart. Flasker utsatt for varme kan sprekke.", "Not combustible. Cylinders exposed to heat may burst.")
       if gas else t("Brennbart ved høy temperatur.", "Burns at high temperature.") if "organic" in tags
       else t("Ikke brennbart.", "Not combustible."))

    aid_eye = (t("Skyll straks med mye vann i minst 15 minutter; til lege.", "Rinse at once with plenty of water for at least 15 minutes; see a doctor.")
               if corr else t("Skyll med vann i flere minutter; kontakt lege ved vedvarende irritasjon.",
                              "Rinse with water for several minutes; see a doctor if irritation persists."))
    aid_swallow = (t("Ikke aktuelt.", "Not applicable.") if gas
                   else t("Skyll munnen, drikk et glass vann, ikke fremkall brekning; til lege.",
                          "Rinse the mouth, drink a glass of water, do not induce vomiting; see a doctor.") if corr
                   else t("Skyll munnen og kontakt lege straks.", "Rinse the mouth and seek medical advice at once.") if toxic
                   else t("Skyll munnen og drikk vann; kontakt lege ved ubehag.", "Rinse the mouth and drink water; see a doctor if unwell."))
    aid_inhale = (t("Frisk luft, hold personen varm og i ro; straks til lege.", "Fresh air, keep the person warm and at rest; to a doctor at once.")
                  if toxic or (gas and corr) else t("Frisk luft og ro; kontakt lege ved pustebesvær.", "Fresh air and rest; see a doctor if breathing is difficult."))
    aid_skin = pick(tags, [("hf", t("Skyll med vann, gni inn kalsiumglukonatgel; straks til lege.",
                                    "Rinse with water, rub in calcium gluconate gel; to a doctor at once.")),
                           ("metalreact", t("Børst bort metallbiter, skyll deretter med mye vann.",
                                            "Brush off metal pieces, then rinse with plenty of water."))],
                    t("Fjern tilsølt tøy og skyll med mye vann i minst 15 minutter.", "Remove soiled clothing and rinse with plenty of water for at least 15 minutes.")
                    if corr or toxic else t("Vask med såpe og vann.", "Wash with soap and water."))
    s6 = BEL.join([t("ØYE> ", "EYE> ") + aid_eye, t("SVELGING> ", "INGESTION> ") + aid_swallow,
                   t("INNÅNDING> ", "INHALATION> ") + aid_inhale, t("HUDKONTAKT> ", "SKIN CONTACT> ") + aid_skin])

    measures = [t("Vernebriller og laboratoriefrakk.", "Safety glasses and laboratory coat.")]
    if gas or liquid and (tags & {"flam", "xflam", "tox", "vtox", "halo", "harm"} or corr):
        measures.append(t("Arbeid i avtrekksskap.", "Work in a fume cupboard."))
    if corr or toxic:
        measures.append(t("Kjemikaliebestandige hansker og ansiktsskjerm.", "Chemical-resistant gloves and face shield."))
    elif tags & {"irr", "harm", "carc", "repro", "halo"}:
        measures.append(t("Vernehansker.", "Protective gloves."))
    if solid and not "inert" in tags:
        measures.append(t("Unngå støvdannelse.", "Avoid raising dust."))
    if tags & {"flam", "xflam"}:
        measures.append(t("Jordet utstyr; unngå gnister.", "Earthed equipment; avoid sparks."))
    s7 = " ".join(measures)

    s8 = pick(tags, [
        ("gas", t("Gassflasker stående og sikret, kjølig, borte fra varmekilder.", "Cylinders upright and secured, cool, away from heat.")),
        ("metalreact", t("Tørt og tett lukket, borte fra vann og fuktighet.", "Dry and tightly closed, away from water and moisture.")),
        ("xflam", t("Kjølig og godt ventilert i brannskap, adskilt fra oksidasjonsmidler.", "Cool and well ventilated in a flammables cabinet, apart from oxidisers.")),
        ("flam", t("Kjølig og godt ventilert i brannskap, adskilt fra oksidasjonsmidler.", "Cool and well ventilated in a flammables cabinet, apart from oxidisers.")),
        ("acid", t("Tett lukket i syreskap, adskilt fra baser og metaller.", "Tightly closed in an acid cabinet, apart from bases and metals.")),
        ("base", t("Tett lukket, adskilt fra syrer.", "Tightly closed, apart from acids.")),
        ("oxid", t("Adskilt fra brennbart og reduserende materiale.", "Apart from combustible and reducing material.")),
        ("vtox", t("Innelåst, bare tilgjengelig for kyndige.", "Locked up, accessible to trained staff only.")),
        ("tox", t("Innelåst, bare tilgjengelig for kyndige.", "Locked up, accessible to trained staff only.")),
        ("comb", t("Kjølig, tett lukket, borte fra varmekilder.", "Cool, tightly closed, away from heat.")),
    ], t("Tørt og tett lukket ved romtemperatur.", "Dry and tightly closed at room temperature."))

    group = pick(tags, [
        ("gas", t("Tomme flasker returneres til leverandøren.", "Return empty cylinders to the supplier.")),
        ("halo", t("Halogenholdige organiske løsemidler.", "Halogenated organic solvents.")),
        ("metal", t("Tungmetallholdig avfall.", "Heavy-metal waste.")),
        ("metalreact", t("Reaktivt avfall; destrueres av kyndige.", "Reactive waste; destroyed by trained staff.")),
        ("wreact", t("Reaktivt avfall; destrueres av kyndige.", "Reactive waste; destroyed by trained staff.")),
        ("acid", t("Uorganiske syrer; nøytraliseres før innlevering.", "Inorganic acids; neutralise before disposal.")
                 if "organic" not in tags else t("Organiske syrer.", "Organic acids.")),
        ("base", t("Uorganiske baser; nøytraliseres før innlevering.", "Inorganic bases; neutralise before disposal.")),
        ("oxid", t("Oksidasjonsmidler; holdes adskilt fra annet avfall.", "Oxidisers; keep apart from other waste.")),
        ("inert", t("Små mengder kan gå som vanlig avfall.", "Small amounts may go with ordinary waste.")),
    ], t("Organiske løsemidler uten halogen.", "Non-halogenated organic solvents.") if organic_liquid
       else t("Organisk kjemikalieavfall.", "Organic chemical waste.") if "organic" in tags
       else t("Farlig avfall; leveres godkjent mottak.", "Hazardous waste; hand in to an approved collector."))
    spill = (t("Steng tilførselen og luft godt ut.", "Shut off the supply and ventilate well.") if gas
             else t("Samles straks med kvikksølvsett.", "Collect at once with a mercury spill kit.") if "metal" in tags and liquid
             else t("Dekkes med tørr sand; aldri vann.", "Cover with dry sand; never water.") if tags & {"metalreact", "wreact"}
             else t("Nøytraliser med natriumhydrogenkarbonat og tørk opp.", "Neutralise with sodium hydrogen carbonate and wipe up.") if "acid" in tags
             else t("Nøytraliser med fortynnet syre og tørk opp.", "Neutralise with dilute acid and wipe up.") if "base" in tags
             else t("Absorberes med sand eller vermikulitt; fjern antennelseskilder.", "Absorb with sand or vermiculite; remove sources of ignition.")
             if organic_liquid else t("Feies opp uten å støve, samles i merket beholder.", "Sweep up without raising dust into a labelled container.")
             if solid else t("Tørkes opp med rikelig vann.", "Wipe up with plenty of water."))
    s9 = BEL.join([t("AVFALLSGRUPPE> ", "WASTE GROUP> ") + group, t("SPILL/SØL> ", "SPILLAGE> ") + spill])

    s10 = NOTES[row["note"]][lang][1] if row["note"] else ""
    return [s1, s2, s3, s4, s5, s6, s7, s8, s9, s10]


def formula_lines(helper, formulas):
    result = subprocess.run([helper], input="\n".join(formulas) + "\n", capture_output=True, text=True,
                            encoding="cp1252", check=True)
    return [line.split("\t") for line in result.stdout.splitlines()]


def record_lines(row, computed, lang):
    no = lang == 0
    t = lambda pair: pair[lang]
    tags = set(row["tags"].split())
    lines = {}
    names = [row["name_no"], row["alt_no"], row["name_en"], row["alt_en"]]
    if no:
        lines.update({3: names[0], 4: names[1], 7: names[2], 9: names[3]})
    else:
        lines.update({3: names[2], 4: names[3], 7: names[2], 9: names[0]})
    lines[5] = row["cas"]
    lines[8] = row["formula"]
    lines[10], lines[11], lines[39] = computed
    lines[14] = t(WORDS["colour"][row["colour"]])
    lines[22] = t(WORDS["form"][row["form"]])
    lines[27] = t(WORDS["odour"][row["odour"]])
    lines[41] = row["density"]
    if row["form"] == "gas":
        lines[45] = "%.2f" % (float(computed[0]) / AIR_MOLAR_MASS)
    lines[54] = row["mp"]
    lines[72] = t(WORDS["bp_prefix"][row["bp_prefix"]])
    lines[73] = row["bp"]
    if row["vp"]:
        lines[84], lines[86] = "20", row["vp"]
    lines[88] = row["flash"]
    lines[157] = "CRC 97; PubChem; 67/548/EEC" + ("; Arbeidstilsynet" if row["adm_ppm"] else "")
    lines[169], lines[170], lines[171] = row["haz_env"], row["haz_health"], row["haz_fire"]
    lines[180] = "20"
    lines[184] = t(WORDS["sol"][row["sol"]])
    if row["adm_ppm"]:
        lines[187], lines[188] = "ppm (mg/m3)", "%s (%s)" % (row["adm_ppm"], row["adm_mg"])
    lines[189] = row["flam"]
    if row["note"]:
        lines[194] = NOTES[row["note"]][lang][0]
    for line in (3, 4, 7, 9):
        lines[line] = lines[line].upper()
    for line, text in lines.items():
        if len(text) > FIELD_LIMIT:
            sys.exit("%s: line %d is longer than %d characters: %s" % (row["cas"], line, FIELD_LIMIT, text))
    safety = "|".join(safety_sections(row, tags, lang)) + "|"
    if len(safety) > SAFETY_LIMIT:
        sys.exit("%s: the safety text is too long" % row["cas"])
    lines[199] = safety
    return ["\\"] + [lines.get(number, "") for number in range(2, 201)]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with open(pathlib.Path(__file__).with_name("chemicals.csv"), encoding="utf-8", newline="") as source:
        rows = list(csv.DictReader(source, delimiter=";"))
    computed = formula_lines(sys.argv[1], [row["formula"] for row in rows])
    for row, lines in zip(rows, computed):
        if not lines[0]:
            sys.exit("%s: the formula parser refuses %s" % (row["cas"], row["formula"]))
    folder = ROOT / FOLDER
    folder.mkdir(parents=True, exist_ok=True)
    for stem, organic in FILES:
        for lang, code in ((0, "047"), (1, "044")):
            text = []
            for row, lines in zip(rows, computed):
                if ("organic" in row["tags"].split()) == organic:
                    text += record_lines(row, lines, lang)
            text.append("\\")
            (folder / ("%s%s.dat" % (stem, code))).write_bytes(("\n".join(text) + "\n").encode("cp1252"))
    listing = ["* Kjemikaliedatabasen: filene i søkerekkefølge; ??? er språkkoden (047 norsk, 044 engelsk)"]
    listing += ["dats\\datfiles\\kjemikal\\%s???.dat" % stem for stem, _ in FILES] + ["*"]
    (ROOT / LIST_NAME).write_bytes(("\n".join(listing) + "\n").encode("cp1252"))


if __name__ == "__main__":
    main()
