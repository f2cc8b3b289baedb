# Reads a file vthost wrote with ezdxf (another program's reader) and prints what a user would
# check: whether the audit found errors, what model space holds, and the label's text.
import sys, ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print("audit errors:", len(auditor.errors))
kinds = {}
for entity in doc.modelspace():
    kinds[entity.dxftype()] = kinds.get(entity.dxftype(), 0) + 1
print("model space:", ", ".join("%s %d" % item for item in sorted(kinds.items())))
for text in doc.modelspace().query("TEXT"):
    print("text on layer %s: %s" % (text.dxf.layer, text.dxf.text))
