"""Potential Dividers: what a screen reader user does on this page."""
tab = "Potential Dividers"  # the page's tab caption

# The series changes no control of the page: one tap with its two resistors shows whichever is chosen.
_ONE_TAP = {
    "showing": [("text", "Tap 1 voltage"), ("label", "R1 value"), ("label", "R2 value"),
                ("text", "Vs2, second supply voltage"), ("combo box", "Divider Current")],
    "hidden": [("text", "Tap 2 voltage"), ("text", "Tap 3 voltage"), ("text", "Tap 4 voltage"),
               ("label", "R3 value"), ("label", "R4 value"), ("label", "R5 value")],
}
options = {
    "Ideal resistor values": _ONE_TAP,
    "E12 series": _ONE_TAP,
    "E24 series": _ONE_TAP,
}

examples = [
    # Ideal 70K and 30K fit to E12 as 68K and 27K (30K lies midway between 27K and 33K: the smaller
    # wins); the tap then really sits at 2.84 V.
    [("choose", "E12 series"), ("type", "Tap 1 voltage", "3v"), ("press", "Calculate resistance values"),
     ("read", "label", "R1 value", "68K"), ("read", "label", "R2 value", "27K"),
     ("read", "text", "Tap 1 voltage", "2.84v")],
    # An ideal 110K is exactly midway between 100K and 120K: the smaller wins and the tap comes out as asked.
    [("pick", "Divider Current", "1uA"), ("type", "Vs1, first supply voltage", "0.2v"),
     ("type", "Tap 1 voltage", "0.09v"), ("choose", "E12 series"), ("press", "Calculate resistance values"),
     ("read", "label", "R1 value", "100K"), ("read", "label", "R2 value", "82K"),
     ("read", "text", "Tap 1 voltage", "0.09v")],
    # Rising rails, three taps at 1 mA: four 3K steps fit to 2.7K each and the taps stay exact.
    [("type", "Vs1, first supply voltage", "0v"), ("type", "Vs2, second supply voltage", "12v"),
     ("step", "Voltage tap count", 3), ("type", "Tap 1 voltage", "3v"), ("type", "Tap 2 voltage", "6v"),
     ("type", "Tap 3 voltage", "9v"), ("pick", "Divider Current", "1mA"), ("choose", "E12 series"),
     ("press", "Calculate resistance values"),
     ("read", "label", "R1 value", "2.7K"), ("read", "label", "R2 value", "2.7K"),
     ("read", "label", "R3 value", "2.7K"), ("read", "label", "R4 value", "2.7K"),
     ("read", "text", "Tap 3 voltage", "9v")],
    # Two taps fitted to E12 read what the chain really gives; choosing another series puts the
    # voltages asked for back and the resistor names over the resistors.
    [("step", "Voltage tap count", 2), ("type", "Tap 1 voltage", "7v"), ("type", "Tap 2 voltage", "3v"),
     ("choose", "E12 series"), ("press", "Calculate resistance values"),
     ("read", "label", "R1 value", "27K"), ("read", "label", "R2 value", "39K"), ("read", "label", "R3 value", "27K"),
     ("read", "text", "Tap 1 voltage", "7.1v"), ("read", "text", "Tap 2 voltage", "2.91v"),
     ("choose", "E24 series"), ("read", "text", "Tap 1 voltage", "7v"), ("read", "text", "Tap 2 voltage", "3v"),
     ("read", "label", "R1 value", "R1")],
    # A tap outside the supply: the message names it.
    [("type", "Tap 1 voltage", "12v"), ("press", "Calculate resistance values"),
     ("message", "Voltage tap 1 is not within the supply voltage specified!")],
    # Equal rails after rounding to hundredths.
    [("type", "Vs1, first supply voltage", "5"), ("type", "Vs2, second supply voltage", "5.001"),
     ("press", "Calculate resistance values"), ("message", "Entry Error:  Vs1 = Vs2"),
     ("read", "text", "Vs1, first supply voltage", "5v")],
]

# Further states the Orca walk Tabs through, after a walk for each option (steps as in the examples):
# two, three and four taps.
modes = [[("step", "Voltage tap count", taps)] for taps in (2, 3, 4)]
