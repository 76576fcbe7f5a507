// Reads a saved Adobe swatch exchange file with the npm library ase-utils, or a Photoshop swatch
// file with the npm library adobe-aco (npm/README.md: unpacked from the published tarballs, nothing
// of the program's code), and prints what the library read as JSON:
//   [[red, green, blue, name, extra], ...] top row first, where extra is
//   - ase: the name of the group the colour is in ("" outside any group);
//   - aco: the colour version 1 gives, [red, green, blue], beside the name version 2 gives.
//
// Usage: node read_swatches.mjs ase|aco NODE_MODULES FILE
//
// - ase: version 1.0; RGB colours of the normal type whose 32-bit floats are an 8-bit value
//   divided by 255.
// - aco: version 1 followed by version 2, every colour RGB with 16-bit values v * 257.
// A file that breaks these rules, or that the library refuses, ends the script with status 1 and
// the reason.

import { readFileSync } from "node:fs";
import { createRequire, register } from "node:module";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const [kind, folder, path] = process.argv.slice(2);
const modules = resolve(folder);

function fail(reason) {
    process.stderr.write("not a valid palette: " + reason + "\n");
    process.exit(1);
}

// A float of 0 to 1 that must be an 8-bit value over 255, at a 32-bit float's precision.
function eighth(value) {
    const channel = Math.round(value * 255);
    if (!(Math.abs(value * 255 - channel) < 1e-4) || channel < 0 || channel > 255) {
        fail("the value " + value + " is no 8-bit channel");
    }
    return channel;
}

function ase(bytes) {
    // The decoder alone: the package's index also loads its encoder, which needs a library this
    // test does not ship.
    const decode = createRequire(join(modules, "ase-utils", "index.js"))("./decode.js");
    const read = decode(bytes);
    if (read.version !== "1.0") {
        fail("version " + read.version);
    }
    const groupOf = new Map();
    for (const group of read.groups) {
        for (const color of group.colors) {
            groupOf.set(color, group.name);
        }
    }
    return read.colors.map((color) => {
        if (color.model !== "RGB" || color.type !== "normal" || color.color.length !== 3) {
            fail("colour " + JSON.stringify(color));
        }
        return [...color.color.map(eighth), color.name, groupOf.get(color) ?? ""];
    });
}

// adobe-aco 0.1.1 loads @szydlovski/binary-file 0.1.0, whose published writer imports two of its
// own modules without the ".js" that Node's module loader needs: such an import is resolved here
// as the ".js" file, as the TypeScript compiler that built it meant. The reader's own imports
// are whole.
const completeImports = `export async function resolve(specifier, context, next) {
    try {
        return await next(specifier, context);
    } catch (error) {
        if (error.code !== "ERR_MODULE_NOT_FOUND" || !specifier.startsWith(".") ||
            specifier.endsWith(".js")) {
            throw error;
        }
        return next(specifier + ".js", context);
    }
}`;

async function aco(bytes) {
    register("data:text/javascript," + encodeURIComponent(completeImports));
    const { readAcoFile } = await import(
        pathToFileURL(join(modules, "adobe-aco", "build", "index.js")).href);
    const sixteenths = (values, space) => {
        if (space !== "rgb" || values.slice(0, 3).some((v) => v % 257 !== 0)) {
            fail("colour " + JSON.stringify([values, space]));
        }
        return values.slice(0, 3).map((v) => v / 257);
    };
    const buffer = bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length);
    // With version 2 present the library reads it; cut after version 1, it reads version 1.
    const count = bytes.readUInt16BE(2);
    const second = readAcoFile(buffer, true);
    const first = readAcoFile(buffer.slice(0, 4 + 10 * count), true);
    if (bytes.readUInt16BE(0) !== 1 || bytes.readUInt16BE(4 + 10 * count) !== 2 ||
        first.length !== second.length) {
        fail("not version 1 followed by version 2 with as many colours");
    }
    return second.map(([values, space, name], i) => {
        if (first[i][2] !== "") {
            fail("version 1 has a name");
        }
        return [...sixteenths(values, space), name, sixteenths(first[i][0], first[i][1])];
    });
}

const bytes = readFileSync(path);
let rows;
try {
    rows = kind === "ase" ? ase(bytes) : kind === "aco" ? await aco(bytes) : fail("kind " + kind);
} catch (error) {
    fail(String(error && error.message ? error.message : error));
}
process.stdout.write(JSON.stringify(rows));
