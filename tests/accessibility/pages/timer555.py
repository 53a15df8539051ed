"""555 Timer: what a screen reader user does on this page."""
tab = "555 Timer"  # the page's tab caption

# Each option button by its spoken name, with the controls (AT-SPI role name, spoken name) that
# must be showing once its accessible action has been invoked, and those that must not be showing.
options = {
    "Monostable fixed duration": {
        "showing": [("text", "Pulse duration, milliseconds"), ("text", "Monostable timing capacitor"),
                    ("combo box", "Monostable capacitor unit"), ("label", "Monostable R1 value")],
        "hidden": [("text", "Maximum pulse duration, milliseconds"), ("label", "Monostable VR1 value"),
                   ("text", "Monostable R1"), ("label", "Monostable pulse duration")],
    },
    "Monostable duration range": {
        "showing": [("text", "Pulse duration, milliseconds"), ("text", "Maximum pulse duration, milliseconds"),
                    ("label", "Monostable R1 value"), ("label", "Monostable VR1 value")],
        "hidden": [("text", "Monostable R1")],
    },
    "Monostable from parts": {
        "showing": [("text", "Monostable R1"), ("text", "Monostable timing capacitor"),
                    ("combo box", "Monostable capacitor unit"), ("label", "Monostable pulse duration")],
        "hidden": [("text", "Pulse duration, milliseconds"), ("text", "Maximum pulse duration, milliseconds"),
                   ("label", "Monostable R1 value"), ("label", "Monostable VR1 value")],
    },
    "Astable fixed frequency": {
        "showing": [("text", "Frequency, hertz"), ("text", "Astable timing capacitor"),
                    ("combo box", "Astable capacitor unit"), ("label", "Astable R1 value"),
                    ("label", "Astable R2 value")],
        "hidden": [("text", "Maximum frequency, hertz"), ("label", "Astable VR1 value"), ("text", "Astable R1"),
                   ("text", "Astable R2"), ("label", "Astable frequency")],
    },
    "Astable frequency range": {
        "showing": [("text", "Frequency, hertz"), ("text", "Maximum frequency, hertz"),
                    ("label", "Astable R2 value"), ("label", "Astable VR1 value")],
        "hidden": [("text", "Astable R1"), ("text", "Astable R2"), ("label", "Astable duty cycle")],
    },
    "Astable from parts": {
        "showing": [("text", "Astable R1"), ("text", "Astable R2"), ("text", "Astable timing capacitor"),
                    ("combo box", "Astable capacitor unit"), ("label", "Astable frequency"),
                    ("label", "Astable duty cycle"), ("label", "Astable time high"), ("label", "Astable time low")],
        "hidden": [("text", "Frequency, hertz"), ("text", "Maximum frequency, hertz"), ("label", "Astable R1 value"),
                   ("label", "Astable R2 value"), ("label", "Astable VR1 value")],
    },
}

# Worked examples, each from the page as the program opened it (both capacitors 10 nF).
examples = [
    # f = 1.44 / ((R1 + 2 R2) C): 1.44 / (1 kHz x 10 nF) = 1K + 2 x 71.5K.
    [("type", "Frequency, hertz", "1000"), ("press", "Calculate astable"),
     ("read", "label", "Astable R1 value", "1K"), ("read", "label", "Astable R2 value", "71.5K")],
    # 100 Hz alone needs 719.5K in R2's place: VR1 = 719.5K - 71.5K.
    [("choose", "Astable frequency range"), ("type", "Frequency, hertz", "100"),
     ("type", "Maximum frequency, hertz", "1000"), ("press", "Calculate astable"),
     ("read", "label", "Astable R1 value", "1K"), ("read", "label", "Astable R2 value", "71.5K"),
     ("read", "label", "Astable VR1 value", "648K")],
    [("type", "Frequency, hertz", "0.09"), ("press", "Calculate astable"),
     ("message", "Frequency must be between 0.1Hz and 1MHz")],
    # t = 1.1 R C: 1 ms / (1.1 x 10 nF) = 90.9K; 10 ms needs 909K, VR1 the rest.
    [("type", "Pulse duration, milliseconds", "1"), ("press", "Calculate monostable"),
     ("read", "label", "Monostable R1 value", "90.9K")],
    [("choose", "Monostable duration range"), ("type", "Pulse duration, milliseconds", "1"),
     ("type", "Maximum pulse duration, milliseconds", "10"), ("press", "Calculate monostable"),
     ("read", "label", "Monostable R1 value", "90.9K"), ("read", "label", "Monostable VR1 value", "818K")],
    # 1000 s on 100 uF: the monostable's own unit list, apart from the astable's.
    [("pick", "Monostable capacitor unit", "uF"), ("type", "Pulse duration, milliseconds", "1000000"),
     ("type", "Monostable timing capacitor", "100"), ("press", "Calculate monostable"),
     ("read", "label", "Monostable R1 value", "9.09M")],
    [("type", "Pulse duration, milliseconds", "1"), ("type", "Monostable timing capacitor", "x"),
     ("press", "Calculate monostable"), ("message", "You must enter a capacitor value above zero!"),
     ("read", "text", "Monostable timing capacitor", "0"), ("read", "label", "Monostable R1 value", "")],
    # From the parts at hand: 4K7, 47K and 100 nF give 1.44 / (98.7K x 100 nF) = 146 Hz, duty 51.7K / 98.7K.
    [("choose", "Astable from parts"), ("type", "Astable R1", "4K7"), ("type", "Astable R2", "47k"),
     ("type", "Astable timing capacitor", "100"), ("press", "Calculate astable"),
     ("read", "text", "Astable R2", "47K"), ("read", "label", "Astable frequency", "146 Hz"),
     ("read", "label", "Astable duty cycle", "52.4%"), ("read", "label", "Astable time high", "3.59 ms"),
     ("read", "label", "Astable time low", "3.26 ms")],
    # 1.1 x 90.9K x 10 nF = 0.9999 ms; a resistor under 1K is refused.
    [("choose", "Monostable from parts"), ("type", "Monostable R1", "90.9K"), ("press", "Calculate monostable"),
     ("read", "label", "Monostable pulse duration", "1 ms")],
    [("choose", "Monostable from parts"), ("type", "Monostable R1", "470"), ("press", "Calculate monostable"),
     ("message", "R1 below 1K - use a higher resistor value")],
]
