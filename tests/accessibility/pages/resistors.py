"""Resistors: what a screen reader user does on this page."""
tab = "Resistors"  # the page's tab caption

# Each option button by its spoken name, with the controls (AT-SPI role name, spoken name) that
# must be showing once its accessible action has been invoked, and those that must not be showing.
options = {
    "4-band format": {"showing": [("combo box", "1st band colour"), ("combo box", "2nd band colour"),
                                  ("combo box", "3rd band colour"), ("combo box", "Tolerance band colour")],
                      "hidden": [("combo box", "4th band colour"),
                                 ("combo box", "Temperature coefficient band colour")]},
    "5-band format": {"showing": [("combo box", "1st band colour"), ("combo box", "2nd band colour"),
                                  ("combo box", "3rd band colour"), ("combo box", "4th band colour"),
                                  ("combo box", "Tolerance band colour"), ("label", "5th Band")],
                      "hidden": [("combo box", "Temperature coefficient band colour")]},
    "6-band format": {"showing": [("combo box", "4th band colour"), ("combo box", "Tolerance band colour"),
                                  ("combo box", "Temperature coefficient band colour"), ("label", "6th Band")],
                      "hidden": [("text", "SMD marking")]},
    "SMD marking format": {"showing": [("text", "SMD marking"), ("label", "Chip marking"),
                                       ("label", "Markings for the value"),
                                       ("push button", "Calculate markings from the value")],
                           "hidden": [("combo box", "1st band colour"), ("combo box", "Tolerance band colour"),
                                      ("combo box", "Temperature coefficient band colour")]},
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
    # Six bands: Brown Black Black Red Brown Red is 10K at 1%, 50 ppm/K.
    [("choose", "6-band format"), ("pick", "1st band colour", "Brown"), ("pick", "2nd band colour", "Black"),
     ("pick", "3rd band colour", "Black"), ("pick", "4th band colour", "Red"),
     ("pick", "Tolerance band colour", "Brown"), ("pick", "Temperature coefficient band colour", "Red"),
     ("press", "Calculate value from the colours"),
     ("read", "text", "Resistance, ohms", "10K"), ("read", "label", "Tolerance", "@ 1%"),
     ("read", "label", "Temperature coefficient", "50 ppm/K"), ("read", "label", "Tolerance range", "9.9K to 10.1K"),
     ("read", "label", "Preferred value series", "E6 value")],
    # A marking read two ways, then the markings of a typed value.
    [("choose", "SMD marking format"), ("type", "SMD marking", "10R"),
     ("press", "Calculate value from the marking"),
     ("read", "text", "Resistance, ohms", "10"), ("read", "label", "Other reading", "or 1.24 @ 1% as EIA-96"),
     ("read", "label", "Chip marking", "10R"),
     ("type", "Resistance, ohms", "10K"), ("press", "Calculate markings from the value"),
     ("read", "label", "Markings for the value", "103, 1002, 01C")],
    [("choose", "SMD marking format"), ("type", "SMD marking", "97A"),
     ("press", "Calculate value from the marking"), ("message", "Enter a marking")],
]
