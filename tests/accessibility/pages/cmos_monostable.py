"""CMOS Monostables: what a screen reader user does on this page."""
tab = "CMOS Monostables"  # the page's tab caption

# Range mode adds the maximum duration, the "Min" and "Max" captions and the variable resistor on both
# drawings; the first duration box is then spoken as the minimum.
_RANGE_ONLY = [("text", "Maximum pulse duration, milliseconds"), ("label", "Min"), ("label", "Max"),
               ("label", "VR1 value, NAND circuit"), ("label", "VR1 value, NOR circuit")]
options = {
    "Fixed timing mode": {
        "showing": [("text", "Pulse duration, milliseconds"), ("text", "Capacitor value"),
                    ("combo box", "Capacitor unit"), ("label", "R1 value, NAND circuit"),
                    ("label", "R1 value, NOR circuit"), ("label", "C1 value, NAND circuit"),
                    ("label", "C1 value, NOR circuit")],
        "hidden": _RANGE_ONLY,
    },
    "Range timing mode": {
        "showing": [("text", "Minimum pulse duration, milliseconds"), ("label", "R1 value, NAND circuit"),
                    ("label", "R1 value, NOR circuit")] + _RANGE_ONLY,
        "hidden": [],
    },
}

examples = [
    # 10 ms on 100 nF (as the page opens): R = T / (0.69 C) = 144 928 ohms on both drawings.
    [("press", "Calculate the timing resistor"),
     ("read", "label", "R1 value, NAND circuit", "145K"), ("read", "label", "R1 value, NOR circuit", "145K"),
     ("read", "label", "C1 value, NAND circuit", "100nF")],
    # 10 ms to 100 ms: R1 145K and the variable resistor 1 304 348 ohms.
    [("choose", "Range timing mode"), ("press", "Calculate the timing resistor"),
     ("read", "label", "R1 value, NOR circuit", "145K"), ("read", "label", "VR1 value, NAND circuit", "1.3M"),
     ("read", "label", "VR1 value, NOR circuit", "1.3M")],
    # The unit picked and the value typed show beside C1 on both drawings.
    [("pick", "Capacitor unit", "uF"), ("type", "Capacitor value", "47"),
     ("read", "label", "C1 value, NAND circuit", "47uF"), ("read", "label", "C1 value, NOR circuit", "47uF")],
    # 0.1 ms on 100 nF needs 1449 ohms, below 4.7K: the message says so and both R1 values are emptied.
    [("type", "Pulse duration, milliseconds", "0.1"), ("press", "Calculate the timing resistor"),
     ("message", "Range Error:  R1 =  1.45Kohms"),
     ("read", "label", "R1 value, NAND circuit", ""), ("read", "label", "R1 value, NOR circuit", ""),
     ("read", "text", "Pulse duration, milliseconds", ".1")],
    # Range with equal minimum and maximum.
    [("choose", "Range timing mode"), ("type", "Maximum pulse duration, milliseconds", "10"),
     ("press", "Calculate the timing resistor"), ("message", "Maximum duration must be higher than minimum!")],
]
