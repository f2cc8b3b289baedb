# Writes the ezdxf half of fuzz_dxf's seed corpus:
#   /usr/bin/python3 fuzz/dxf/make_seeds.py fuzz/dxf/corpus
# The other half, ours-*.dxf, is what vthost's DXFOUT wrote: the sample room with its labels, the
# transcript's plan imported from ezdxf, and two dimensions with their graphics blocks (cut down to
# the same sections with sections_kept below, to stay under the size limit).
# Each seed is a drawing ezdxf makes with a few entity kinds, cut down to its HEADER, BLOCKS and
# ENTITIES sections so that it stays under the fuzzers' 8 KB input limit.
import os, sys, ezdxf


def sections_kept(path, keep=("HEADER", "BLOCKS", "ENTITIES")):
    lines = open(path, encoding="utf-8").read().split("\n")
    pairs = [(lines[i].strip(), lines[i + 1]) for i in range(0, len(lines) - 1, 2)]
    out, section, inside = [], [], False
    for code, value in pairs:
        if code == "0" and value == "SECTION":
            section, inside = [(code, value)], True
        elif inside:
            section.append((code, value))
            if code == "0" and value == "ENDSEC":
                inside = False
                if section[1][1] in keep:
                    out += section
    out.append(("0", "EOF"))
    return "".join("%s\n%s\n" % pair for pair in out)


def curves(msp, doc):
    msp.add_line((0, 0), (10, 0), dxfattribs={"layer": "WALLS", "color": 3})
    msp.add_circle((5, 5), 2)
    msp.add_arc((0, 0), 3, 10, 80)
    msp.add_ellipse((20, 0), major_axis=(4, 0), ratio=0.5)
    msp.add_lwpolyline([(0, 0, 0, 0, 0.5), (4, 0), (4, 3)], format="xyseb", close=True)
    msp.add_polyline2d([(0, 10), (5, 10), (5, 15)], close=True)


def texts(msp, doc):
    msp.add_text("Room 101", dxfattribs={"insert": (1, 1), "height": 0.5}).set_placement(
        (1, 1), align=ezdxf.enums.TextEntityAlignment.MIDDLE_CENTER)
    msp.add_mtext("First line\\PSecond line", dxfattribs={"insert": (0, 5), "char_height": 0.4})
    leader_text = msp.add_mtext("Note", dxfattribs={"insert": (10, 10)})
    leader = msp.add_leader([(5, 5), (8, 8), (10, 10)])
    leader.dxf.annotation_handle = leader_text.dxf.handle


def blocks(msp, doc):
    door = doc.blocks.new("DOOR", base_point=(1, 1))
    door.add_line((0, 0), (1, 0))
    door.add_attdef("TAG", (0, 0.5), dxfattribs={"height": 0.25})
    ref = msp.add_blockref("DOOR", (6, 2), dxfattribs={"rotation": 90})
    ref.add_attrib("TAG", "D-01", (6, 2.5))


def dimensions(msp, doc):
    msp.add_aligned_dim(p1=(0, 0), p2=(10, 0), distance=2).render()
    msp.add_linear_dim(base=(0, 5), p1=(0, 0), p2=(8, 3), angle=0).render()


def unsupported(msp, doc):
    msp.add_spline([(0, 0), (2, 3), (4, 0)])
    msp.add_point((1, 1))
    msp.add_solid([(0, 0), (1, 0), (0, 1)])
    msp.add_line((0, 0, 0), (0, 0, 5))
    msp.add_text("paper", dxfattribs={"insert": (0, 0)}).dxf.paperspace = 1


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for make in (curves, texts, blocks, dimensions, unsupported):
        doc = ezdxf.new("R2000")
        make(doc.modelspace(), doc)
        path = os.path.join(folder, "ezdxf-%s.dxf" % make.__name__)
        doc.saveas(path)
        text = sections_kept(path)
        open(path, "w", encoding="utf-8").write(text)


main(sys.argv[1])
