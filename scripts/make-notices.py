#!/usr/bin/env python3
"""Writes THIRD-PARTY-NOTICES.txt: every outside component linked into
Velkaro.exe, each with its licence text or notice.

Usage: scripts/make-notices.py [--upstream-only] QT_SOURCE QT_DEBIAN_VERSION OUTPUT
  QT_SOURCE          the unpacked qtbase source the static Qt was built from
  QT_DEBIAN_VERSION  its Debian version, e.g. 5.15.8+dfsg-11+deb12u3
  --upstream-only    Qt was built from the package's upstream tarball alone,
                     without Debian's patches

The Qt parts come from the qt_attribution.json files of that source; the
mingw-w64 and GCC runtime parts from Debian's copyright files for the cross
compilers. Every attribution in the source must be named below as linked or
not, so that a newer Qt with new outside code stops here until someone looks.
"""
import json
import os
import re
import subprocess
import sys
from pathlib import Path

# Linked into Velkaro.exe with the static qtbase the build scripts make (seen
# in a link map of both executables), and what pulls each in.
LINKED = {
    "doubleconversion": "Qt Core: numbers to and from text",
    "easing": "Qt Core: animation curves, used by the widgets",
    "freebsd": "Qt Core: number parsing",
    "md4": "Qt Core: QCryptographicHash",
    "md5": "Qt Core: QCryptographicHash",
    "sha1": "Qt Core: QCryptographicHash",
    "sha3_endian": "Qt Core: QCryptographicHash",
    "sha3_keccak": "Qt Core: QCryptographicHash",
    "rfc6234": "Qt Core: QCryptographicHash",
    "tinycbor": "Qt Core: CBOR, which holds the static plugins' metadata",
    "zlib": "Qt Core and the PNG reader",
    "pcre2": "Qt Core: QRegularExpression",
    "pcre2-sljit": "Qt Core: QRegularExpression",
    "harfbuzz": "Qt Core: the older text shaper",
    "qbig5codecs": "Qt Core: text codecs (built in without ICU)",
    "qeucjpcodec": "Qt Core: text codecs (built in without ICU)",
    "qeuckrcodec": "Qt Core: text codecs (built in without ICU)",
    "qjiscodec": "Qt Core: text codecs (built in without ICU)",
    "qsjiscodec": "Qt Core: text codecs (built in without ICU)",
    "qtsciicodec": "Qt Core: text codecs",
    "qbkcodec": "Qt Core: text codecs (built in without ICU)",
    "psl": "Qt Core: QUrl's top-level domain list",
    "unicode-character-database": "Qt Core: character data",
    "unicode-cldr": "Qt Core: QLocale and QTimeZone data",
    "harfbuzz-ng": "Qt Gui: text shaping",
    "libpng": "Qt Gui: the PNG reader",
    "md4c": "Qt Gui: QTextDocument's Markdown reader",
    "grayraster": "Qt Gui: anti-aliased painting",
    "smooth-scaling-algorithm": "Qt Gui: smooth image scaling",
    "webgradients": "Qt Gui: QGradient presets",
    "xserverhelper": "Qt Gui: QRegion",
    "freetype": "Windows platform plugin: the FreeType font engine",
    "freetype-zlib": "Windows platform plugin: the FreeType font engine",
    "freetype-bdf": "Windows platform plugin: the FreeType font engine",
    "freetype-pcf": "Windows platform plugin: the FreeType font engine",
}

# In the source but not in Velkaro.exe, and why.
NOT_LINKED = {
    "libjpeg": "the JPEG reader is not linked",
    "icc-sRGB-color-profile": "only the PDF writer uses it; not linked",
    "aglfn": "only the PDF writer uses it; not linked",
    "angle": "Qt built without OpenGL",
    "angle-arrayboundsclamper": "Qt built without OpenGL",
    "angle-murmurhash": "Qt built without OpenGL",
    "angle-systeminfo": "Qt built without OpenGL",
    "angle-trace_event": "Qt built without OpenGL",
    "angle-khronos": "Qt built without OpenGL",
    "opengl-headers": "Qt built without OpenGL",
    "opengl-es2-headers": "Qt built without OpenGL",
    "libdbus-1-headers": "Qt built without D-Bus",
    "valgrind": "Qt Test only",
    "cycle": "Qt Test only",
    "linuxperf": "Qt Test only",
    "forkfd": "Unix only",
    "pixman": "ARM only",
    "xcb-xinput": "X11 only",
    "qeventdispatcher_cf": "macOS only",
    "cocoa-platform-plugin": "macOS only",
    "android-native-style": "Android only",
    "android-gradle-wrapper": "Android only",
    "vera_font": "WebAssembly only",
    "dejayvu": "WebAssembly only",
}

# Whole families of parts, by the start of their id, that a Qt built without
# them never links.
NOT_BUILT = {"vulkan": "Qt built without Vulkan"}

MINGW_COPYRIGHT = Path("/usr/share/doc/mingw-w64-common/copyright")
GCC_COPYRIGHT = Path("/usr/share/doc/gcc-mingw-w64-base/copyright")
RULE = "=" * 76


class Fault(Exception):
    pass


def read_text(path):
    try:
        return path.read_text(encoding="utf-8", errors="replace").replace("\r\n", "\n")
    except OSError as e:
        raise Fault(f"cannot read {path}: {e.strerror}")


def attributions(qt_source):
    """Every entry of the qt_attribution.json files, with its folder."""
    entries = []
    for path in sorted(Path(qt_source).glob("**/qt_attribution.json")):
        # Some of Qt's files hold raw line breaks inside strings.
        data = json.loads(read_text(path), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            entries.append((path.parent, entry))
    if not entries:
        raise Fault(f"no qt_attribution.json under {qt_source}: not a qtbase source")
    return entries


def licence_files(folder, entry):
    names = entry.get("LicenseFiles") or entry.get("LicenseFile") or []
    return [folder / name for name in ([names] if isinstance(names, str) else names)]


def package_version(package):
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                             capture_output=True, text=True, check=True)
        return out.stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def runtime_exception(gcc_copyright):
    text = read_text(gcc_copyright)
    found = re.search(r"^GCC RUNTIME LIBRARY EXCEPTION\n.*?requirements of the license of GCC\.\n",
                      text, re.S | re.M)
    if not found:
        raise Fault(f"no GCC Runtime Library Exception in {gcc_copyright}")
    return found.group(0)


def qt_sections(qt_source):
    entries = attributions(qt_source)
    ids = [entry.get("Id") for _, entry in entries]
    unknown = sorted(i for i in set(ids) - set(LINKED) - set(NOT_LINKED)
                     if not i.lower().startswith(tuple(NOT_BUILT)))
    if unknown:
        raise Fault("attributions named nowhere in make-notices.py (linked or not?): "
                    + ", ".join(unknown))
    missing = sorted(set(LINKED) - set(ids))
    if missing:
        raise Fault("linked parts with no attribution in this source: " + ", ".join(missing))

    sections, seen = [], {}
    for folder, entry in sorted(entries, key=lambda fe: fe[1]["Id"]):
        if entry["Id"] not in LINKED:
            continue
        head = [entry["Name"], "-" * len(entry["Name"])]
        for label, key in (("Version", "Version"), ("Home page", "Homepage"),
                           ("Licence", "License"), ("Licence id", "LicenseId")):
            if entry.get(key):
                head.append(f"{label}: {entry[key]}")
        head.append(f"In Velkaro.exe: {LINKED[entry['Id']]}")
        head.append(f"Copyright: {entry.get('Copyright', '').strip()}")
        body = []
        for path in licence_files(folder, entry):
            text = read_text(path).strip("\n")
            if text in seen:
                body.append(f"(Licence text as for {seen[text]} above.)")
            else:
                seen[text] = entry["Name"]
                body.append(text)
        if not body:
            body.append("No licence text: the copyright line above is the whole notice.")
        sections.append("\n".join(head) + "\n\n" + "\n\n".join(body))
    return sections


def notices(qt_source, qt_debian_version, debian_patches=True,
            mingw_copyright=MINGW_COPYRIGHT, gcc_copyright=GCC_COPYRIGHT):
    upstream = re.match(r"(?:\d+:)?(\d+(?:\.\d+)*)", qt_debian_version)
    if not upstream:
        raise Fault(f"not a Debian version of Qt: {qt_debian_version!r}")
    qt_version = upstream.group(1)
    qt = qt_sections(qt_source)
    mingw = read_text(mingw_copyright).strip("\n")
    exception = runtime_exception(gcc_copyright)

    intro = f"""Third-party notices for Velkaro.exe
===================================

Velkaro.exe is one program with everything it needs linked into it. Besides
Velkaro's own code (GNU GPL version 3 or later, in COPYING) it holds:

  - Qt {qt_version} (qtbase: Core, Gui, Widgets, Network, the Windows platform
    plugin, the Windows Vista style and the ICO reader), under the GNU Lesser
    General Public License version 3, in COPYING.LESSER; the LGPL adds to the
    GNU GPL version 3, whose text is COPYING.
  - the parts of Qt that come from others, below, each with its licence;
  - the mingw-w64 runtime, below;
  - the GCC runtime libraries libgcc and libstdc++, below.

Qt source package: qtbase-opensource-src {qt_debian_version} (Debian)
Debian's patches: {"applied" if debian_patches else "not applied, the upstream tarball alone"}
Qt copyright: The Qt Company Ltd. and other contributors.
mingw-w64 runtime: Debian's mingw-w64 {package_version("mingw-w64-common")}
GCC runtime: Debian's gcc-mingw-w64 {package_version("gcc-mingw-w64-base")}
"""
    gcc = f"""GCC runtime libraries (libgcc, libstdc++)
-----------------------------------------
Copyright (C) Free Software Foundation, Inc.
Licence: GNU General Public License version 3 or later (text in COPYING), with
the GCC Runtime Library Exception version 3.1, which lets a program compiled
with GCC carry these libraries under its own terms:

{exception}"""
    mingw_part = f"""mingw-w64 runtime (start-up code, libmingw32, libmingwex, import libraries)
---------------------------------------------------------------------------
Debian's copyright file for mingw-w64, as shipped:

{mingw}
"""
    return "\n".join([intro] + [f"{RULE}\n{part.rstrip()}\n" for part in qt + [mingw_part, gcc]])


def main(argv):
    args = argv[1:]
    debian_patches = "--upstream-only" not in args
    args = [arg for arg in args if arg != "--upstream-only"]
    if len(args) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    qt_source, version, output = args
    try:
        text = notices(qt_source, version, debian_patches)
    except Fault as fault:
        print(f"make-notices.py: {fault}", file=sys.stderr)
        return 1
    partial = output + ".partial"
    with open(partial, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    os.replace(partial, output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
