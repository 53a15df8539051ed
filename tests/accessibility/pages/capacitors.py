"""Capacitors: what a screen reader user does on this page."""
tab = "Capacitors"  # the page's tab caption

# The page has no option buttons.
options = {}

# Worked examples, each run in order on the page as the program opened it. Every change of a
# box, list or spin button recomputes at once; there is no calculate button and no message.
# T = 10 uF x 1 K = 10 ms throughout.
examples = [
    # As opened: 10 ms is one time constant, 10 e^-1 = 3.679 V, truncated.
    [("read", "label", "Discharging capacitor voltage", " 3.67v"),
     ("read", "label", "Charging capacitor voltage", " 6.32v"),
     ("read", "label", "Time marked on the graph", "10ms"),
     ("read", "label", "Supply, discharging circuit", "10v"), ("read", "label", "Supply, charging circuit", "10v")],
    # Ten time constants: past the end of the graph.
    [("type", "Time after switching", "100"),
     ("read", "label", "Discharging capacitor voltage", " 0v"),
     ("read", "label", "Charging capacitor voltage", " 9.99v"),
     ("read", "label", "Time marked on the graph", "100ms>>")],
    # The supply button writes the box and both supply labels: 5 e^-1 = 1.839 V.
    [("step", "Supply voltage step", 50),
     ("read", "text", "Supply voltage, volts", "5"),
     ("read", "label", "Supply, discharging circuit", "5v"), ("read", "label", "Supply, charging circuit", "5v"),
     ("read", "label", "Discharging capacitor voltage", " 1.83v"),
     ("read", "label", "Charging capacitor voltage", " 3.16v")],
    # The time button from 1 ms down to 990: the unit moves to us. 10 e^-.099 = 9.057 V.
    [("step", "Time step", 10), ("read", "text", "Time after switching", "1"),
     ("step", "Time step", 279), ("read", "text", "Time after switching", "990"),
     ("read", "label", "Time marked on the graph", "990us"),
     ("read", "label", "Discharging capacitor voltage", " 9.05v"),
     ("read", "label", "Charging capacitor voltage", " .94v")],
    # A unit picked: 10 s is a thousand time constants.
    [("pick", "Time unit", "s"),
     ("read", "label", "Discharging capacitor voltage", " 0v"),
     ("read", "label", "Time marked on the graph", "10s>>")],
]
