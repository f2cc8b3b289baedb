# Writes the DXF files of the DXF transcript with ezdxf (another program's writer): plan.dxf, a
# room plan as a user would bring it (a closed polyline, its label, a column, a wall line, a door
# block with a reference, and a spline, a point and a hatch the host cannot hold); cut.dxf, the
# same file cut short; hostile.dxf, a polyline that claims two billion vertices.
import sys, ezdxf

doc = ezdxf.new("R2000")
msp = doc.modelspace()
msp.add_lwpolyline([(0, 0), (6, 0), (6, 4), (0, 4)], close=True, dxfattribs={"layer": "ROOM"})
msp.add_text("?", dxfattribs={"insert": (1, 1), "height": 0.5, "layer": "LABELS"})
msp.add_circle((9, 2), 1, dxfattribs={"color": 1})
msp.add_line((0, -2), (6, -2))
door = doc.blocks.new("DOOR")
door.add_arc((0, 0), 1, 0, 90)
door.add_line((0, 0), (1, 0))
msp.add_blockref("DOOR", (6, 2))
msp.add_spline([(0, 6), (2, 7), (4, 6), (6, 7)])
msp.add_point((3, 3))
hatch = msp.add_hatch(color=3)
hatch.paths.add_polyline_path([(7, -1), (8, -1), (8, 0)], is_closed=True)
doc.saveas("plan.dxf")

text = open("plan.dxf", encoding="utf-8").read()
open("cut.dxf", "w", encoding="utf-8").write(text[: len(text) // 2])
open("hostile.dxf", "w", encoding="utf-8").write(
    "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\n0\n90\n2000000000\n70\n1\n"
    "10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n")
