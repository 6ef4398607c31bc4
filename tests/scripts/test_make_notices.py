#!/usr/bin/env python3
"""make-notices.py on a small stand-in Qt tree: what goes in, and the faults
that must stop it rather than ship an incomplete list."""
import importlib.util
import json
import tempfile
import unittest
from pathlib import Path

SCRIPT = Path(__file__).resolve().parents[2] / "scripts" / "make-notices.py"
spec = importlib.util.spec_from_file_location("make_notices", SCRIPT)
notices = importlib.util.module_from_spec(spec)
spec.loader.exec_module(notices)


class MakeNotices(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.root = Path(self.dir.name)
        (self.root / "mingw").write_text("mingw-w64 copyright file\n")
        (self.root / "gcc").write_text("GPL\nGCC RUNTIME LIBRARY EXCEPTION\nbody\n"
                                       "requirements of the license of GCC.\nlibquadmath\n")
        # Every linked part (two share one licence text) and one not linked.
        for ident in list(notices.LINKED) + ["libjpeg"]:
            text = "shared licence" if ident.startswith("unicode-") else f"licence of {ident}"
            self.write(ident, {"Id": ident, "Name": ident, "LicenseFile": "LICENSE",
                               "Copyright": f"Copyright {ident}"}, text)

    def write(self, ident, entry, licence):
        folder = self.root / "qt" / ident
        folder.mkdir(parents=True, exist_ok=True)
        (folder / "qt_attribution.json").write_text(json.dumps(entry))
        (folder / "LICENSE").write_text(licence)

    def make(self, version="5.15.8+dfsg-11+deb12u3", patches=True):
        return notices.notices(self.root / "qt", version, patches, self.root / "mingw", self.root / "gcc")

    def test_linked_parts_runtimes_and_source_go_in(self):
        text = self.make()
        for ident in notices.LINKED:
            self.assertIn(f"Copyright {ident}", text)
        self.assertNotIn("libjpeg", text)
        self.assertEqual(text.count("shared licence"), 1)
        self.assertIn("mingw-w64 copyright file", text)
        self.assertIn("EXCEPTION\nbody\nrequirements of the license of GCC.\n", text)
        self.assertNotIn("libquadmath", text)
        # build-windows.sh reads these two lines to fill in README.txt.
        self.assertIn("\nQt source package: qtbase-opensource-src 5.15.8+dfsg-11+deb12u3 (Debian)\n"
                      "Debian's patches: applied\n", text)
        self.assertIn("Debian's patches: not applied", self.make("1:5.15.8+dfsg-12", patches=False))

    def test_faults_stop_it(self):
        cases = [
            ("part named nowhere", lambda: self.write("new", {"Id": "brand-new"}, ""), "brand-new"),
            ("linked part gone", lambda: (self.root / "qt/zlib/qt_attribution.json").unlink(), "zlib"),
            ("licence file gone", lambda: (self.root / "qt/pcre2/LICENSE").unlink(), "LICENSE"),
            ("no runtime exception", lambda: (self.root / "gcc").write_text("GPL\n"), "Exception"),
        ]
        for name, damage, named in cases:
            with self.subTest(name):
                self.setUp()
                damage()
                with self.assertRaisesRegex(notices.Fault, named):
                    self.make()


if __name__ == "__main__":
    unittest.main()
