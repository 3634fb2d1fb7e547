#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The licence header sweep on a small git tree of every kind of file it meets."""
import os
import stat
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

TOOL = Path(__file__).resolve().parents[2] / "tools" / "add_license_headers.py"
COPYRIGHT = "SPDX-" + "FileCopyrightText: 2031 Zelka-Kvadra developers"
GPL = "SPDX-" + "License-Identifier: GPL-3.0-or-later"
CC0 = "SPDX-" + "License-Identifier: CC0-1.0"

# name, text before, text after the sweep
CASES = [
    ("src/a.h", "#pragma once\nint f();\n",
     f"// {COPYRIGHT}\n// {GPL}\n\n#pragma once\nint f();\n"),
    ("run", "#!/usr/bin/env bash\nset -e\n",
     f"#!/usr/bin/env bash\n# {COPYRIGHT}\n# {GPL}\n\nset -e\n"),
    ("tool.py", "#!/usr/bin/env python3\n# -*- coding: utf-8 -*-\nprint()\n",
     f"#!/usr/bin/env python3\n# -*- coding: utf-8 -*-\n# {COPYRIGHT}\n# {GPL}\n\nprint()\n"),
    ("CMakeLists.txt", "project(x)",
     f"# {COPYRIGHT}\n# {GPL}\n\nproject(x)\n"),
    ("app.metainfo.xml", '<?xml version="1.0"?>\n<component/>\n',
     f'<?xml version="1.0"?>\n<!--\n{COPYRIGHT}\n{CC0}\n-->\n\n<component/>\n'),
    ("README.md", "", f"<!--\n{COPYRIGHT}\n{GPL}\n-->\n"),
    ("game.6", '.\\" -*- coding: UTF-8 -*-\n.TH GAME 6\n',
     f'.\\" -*- coding: UTF-8 -*-\n.\\" {COPYRIGHT}\n.\\" {GPL}\n\n.TH GAME 6\n'),
    # Windows line ends stay; a file with only its licence gets only the copyright.
    ("win.cpp", "int x;\r\n", f"// {COPYRIGHT}\r\n// {GPL}\r\n\r\nint x;\r\n"),
    ("half.sh", f"# {GPL}\necho\n", f"# {COPYRIGHT}\n# {GPL}\necho\n"),
]
DEP5 = "Format: x\n\nFiles: data/*\n assets/*.svg\nCopyright: y\nLicense: GPL-3.0-or-later\n"
# Files the sweep must not touch: listed in dep5, licence texts, already complete.
UNTOUCHED = {
    "data/sound.wav": b"RIFF\x00\xff",
    "assets/icon.svg": b"<svg/>\n",
    "LICENSE": b"GNU GENERAL PUBLIC LICENSE\n",
    "done.cpp": f"// {COPYRIGHT}\n// {GPL}\nint y;\n".encode(),
    ".reuse/dep5": DEP5.encode(),
}


class LicenseHeaderSweep(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.root = Path(self.scratch.name)
        for name, before, _ in CASES:
            self.put(name, before.encode())
        for name, data in UNTOUCHED.items():
            self.put(name, data)
        (self.root / "run").chmod(0o755)
        subprocess.run(["git", "init", "-q", str(self.root)], check=True)

    def tearDown(self):
        self.scratch.cleanup()

    def put(self, name, data):
        path = self.root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        subprocess.run(["git", "-C", str(self.root), "add", name], check=False, capture_output=True)

    def sweep(self, *options):
        subprocess.run(["git", "-C", str(self.root), "add", "-A"], check=True)
        return subprocess.run([sys.executable, str(TOOL), "--year", "2031", *options, str(self.root)],
                              capture_output=True, text=True)

    def test_each_kind_of_file_gets_its_header_once(self):
        self.assertEqual(self.sweep().returncode, 0)
        for name, _, after in CASES:
            with self.subTest(name):
                self.assertEqual((self.root / name).read_bytes().decode(), after)
        for name, data in UNTOUCHED.items():
            with self.subTest(name):
                self.assertEqual((self.root / name).read_bytes(), data)
        self.assertTrue(os.stat(self.root / "run").st_mode & stat.S_IXUSR, "the script lost its exec bit")

        # A second run finds nothing to do.
        swept = {name: (self.root / name).read_bytes() for name, _, _ in CASES}
        again = self.sweep()
        self.assertEqual((again.returncode, again.stdout), (0, ""))
        self.assertEqual({name: (self.root / name).read_bytes() for name in swept}, swept)
        self.assertEqual(self.sweep("--check").returncode, 0)

    def test_check_writes_nothing_and_names_what_lacks_the_lines(self):
        result = self.sweep("--check")
        self.assertEqual(result.returncode, 1)
        self.assertIn("src/a.h: lacks the lines", result.stdout)
        self.assertNotIn("done.cpp", result.stdout)
        self.assertEqual((self.root / "src/a.h").read_text(), CASES[0][1])

    def test_a_file_of_unknown_kind_is_named_and_fails_the_run(self):
        self.put("notes.bin", b"\x00\x01")
        self.put("Makefile.in", b"all:\n")
        result = self.sweep()
        self.assertEqual(result.returncode, 1)
        self.assertIn("notes.bin: no comment style known", result.stderr)
        self.assertIn("Makefile.in: no comment style known", result.stderr)
        # The files it knows are still done.
        self.assertTrue((self.root / "src/a.h").read_text().startswith("// SPDX-"))


if __name__ == "__main__":
    unittest.main()
