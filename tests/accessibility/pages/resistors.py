"""Resistors: what a screen reader user does on this page."""
tab = "Resistors"  # the page's tab caption

# Each option button by its spoken name, with the controls (AT-SPI role name, spoken name) that
# must be showing once its accessible action has been invoked, and those that must not be showing.
options = {
    "4-band format": {"showing": [("combo box", "1st band colour"), ("combo box", "2nd band colour"),
                                  ("combo box", "3rd band colour"), ("combo box", "Tolerance band colour")],
                      "hidden": [("combo box", "4th band colour")]},
    "5-band format": {"showing": [("combo box", "1st band colour"), ("combo box", "2nd band colour"),
                                  ("combo box", "3rd band colour"), ("combo box", "4th band colour"),
                                  ("combo box", "Tolerance band colour"), ("label", "5th Band")],
                      "hidden": []},
}

# Worked examples, each run in order on the page as the program opened it.
examples = [
    # Yellow, Violet, Red, Gold: 47 x 100 ohms at 5%.
    [("pick", "1st band colour", "Yellow"), ("pick", "2nd band colour", "Violet"),
     ("pick", "3rd band colour", "Red"), ("pick", "Tolerance band colour", "Gold"),
     ("press", "Calculate value from the colours"),
     ("read", "text", "Resistance, ohms", "4.7K"), ("read", "label", "Tolerance", "@ 5%")],
    # Five bands: Brown, Black, Black, Brown is 100 x 10 ohms; no tolerance band picked.
    [("choose", "5-band format"), ("pick", "1st band colour", "Brown"), ("pick", "2nd band colour", "Black"),
     ("pick", "3rd band colour", "Black"), ("pick", "4th band colour", "Brown"),
     ("press", "Calculate value from the colours"),
     ("read", "text", "Resistance, ohms", "1K"), ("read", "label", "Tolerance", "")],
    # A typed value paints the bands (pictures only): the lists keep no pick, so reading
    # the colours back asks for them.
    [("type", "Resistance, ohms", "4K7"), ("press", "Calculate colours from the value"),
     ("read", "text", "Resistance, ohms", "4K7"),
     ("press", "Calculate value from the colours"), ("message", "You must select at least the first 3 colours")],
    # Out of range: the cleaned text stays in the box.
    [("type", "Resistance, ohms", "12 M"), ("press", "Calculate colours from the value"),
     ("message", "Enter a value between 0.01 and 10,000,000"), ("read", "text", "Resistance, ohms", "12M")],
    [("press", "Calculate colours from the value"), ("message", "You must enter a value!")],
]
