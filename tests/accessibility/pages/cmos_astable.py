"""CMOS Astables: what a screen reader user does on this page."""
tab = "CMOS Astables"  # the page's tab caption

# Each option button by its spoken name, with the controls (AT-SPI role name, spoken name) that
# must be showing once its accessible action has been invoked, and those that must not be showing.
options = {
    "Fixed frequency": {
        "showing": [("text", "Frequency, hertz"), ("combo box", "Capacitor unit"), ("label", "R1 value"),
                    ("label", "R2 value")],
        "hidden": [("text", "Maximum frequency, hertz"), ("label", "VR1 value"), ("label", "VR2 value"),
                   ("label", "Min"), ("label", "Max")],
    },
    "Frequency range": {
        "showing": [("text", "Minimum frequency, hertz"), ("text", "Maximum frequency, hertz"),
                    ("label", "VR1 value"), ("label", "VR2 value"), ("label", "Min"), ("label", "Max")],
        "hidden": [],
    },
}

# Worked examples, each from the page as the program opened it (5 V, 10 nF, 1000 Hz typed in).
examples = [
    [("read", "text", "Frequency, hertz", "1000"), ("press", "Calculate values"),
     ("read", "label", "R1 value", "121K"), ("read", "label", "R2 value", "268K"),
     ("read", "label", "Capacitor value, circuit 1", "10nF"),
     ("read", "label", "Capacitor value, circuit 2", "10nF")],
    # A tenth of the resistances for ten times the capacitor, with both pots.
    [("choose", "Frequency range"), ("type", "Minimum frequency, hertz", "100"),
     ("type", "Maximum frequency, hertz", "1000"), ("type", "Capacitor value", "100"),
     ("press", "Calculate values"),
     ("read", "label", "R1 value", "12.1K"), ("read", "label", "VR1 value", "109K"),
     ("read", "label", "R2 value", "26.8K"), ("read", "label", "VR2 value", "241K"),
     ("read", "label", "Capacitor value, circuit 2", "100nF")],
    # 3 V moves circuit 1 only: 1 / (1000 Hz x 10 nF x ln(3.7 / 1.5)) = 110,758 ohms.
    [("step", "Supply voltage up-down", 3), ("read", "text", "Supply voltage, volts", "3"),
     ("press", "Calculate values"),
     ("read", "label", "R1 value", "111K"), ("read", "label", "R2 value", "268K")],
    [("pick", "Capacitor unit", "uF"), ("read", "label", "Capacitor value, circuit 1", "10uF")],
    [("type", "Frequency, hertz", "0.4"), ("press", "Calculate values"),
     ("message", "Frequency must be between 0.5Hz and 1MHz")],
]
