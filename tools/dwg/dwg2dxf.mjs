// Writes a DWG drawing as DXF for the CAD host, which renders DXF:
//   node dwg2dxf.mjs DRAWING.dwg OUT.dxf REPORT
// On success REPORT holds, one a line, the names of the layers that the drawing's database
// has switched off: the DXF writer marks more layers off than that, and the host repairs
// them. On failure REPORT (and the standard error) ends with the reason, and the exit code
// is 1.
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { createModule, Dwg_File_Type, LibreDwg } from '@mlightcad/libredwg-web';

// The module's WebAssembly lies in the package installed beside this script.
const wasmDir = join(dirname(fileURLToPath(import.meta.url)), 'node_modules', '@mlightcad',
                     'libredwg-web', 'wasm');

// Errors from CLASSESNOTFOUND up leave no usable drawing; the lesser ones are reported
// but a partly damaged drawing still converts.
const CRITICAL = 128;
const REASONS = [
  [8192, 'the drawing is too large to read'],
  [4096, 'it could not be read'],
  [2048, 'it is not a valid DWG drawing'],
  [1024, 'the reader failed inside'],
  [512, 'a page of it is missing'],
  [256, 'a section of it is missing'],
  [128, 'its class section is missing'],
];

function reason(code) {
  const found = REASONS.filter(([bit]) => code & bit).map(([, text]) => text);
  if (found.length === 0) found.push('it wrote no DXF');
  return `${found.join('; ')} (LibreDWG error code ${code})`;
}

const [input, output, report] = process.argv.slice(2);

function fail(message) {
  process.stderr.write(`${message}\n`);
  if (report) writeFileSync(report, `${message}\n`);
  process.exit(1);
}

// The library talks through the console; the report says what counts.
console.log = console.warn = () => {};

if (!input || !output || !report) fail('usage: dwg2dxf.mjs DRAWING.dwg OUT.dxf REPORT');

let content;
try {
  content = readFileSync(input);
} catch (error) {
  fail(`The drawing cannot be read: ${error.message}`);
}
if (!content.subarray(0, 2).toString('latin1').startsWith('AC')) {
  fail('It is not a DWG drawing: it does not start with a DWG version ("AC10..").');
}

const wasm = await createModule({ locateFile: (name) => join(wasmDir, name) });
const fs = wasm.FS;
fs.writeFile('in.dwg', new Uint8Array(content));
let code;
try {
  code = wasm.dwg_write_dxf('in.dwg', 'out.dxf');
} catch (error) {
  fail(`LibreDWG failed on the drawing: ${error.message}.`);
}
if (code >= CRITICAL || !fs.analyzePath('out.dxf', false).exists) {
  fail(`LibreDWG cannot read the drawing: ${reason(code)}.`);
}
writeFileSync(output, fs.readFile('out.dxf'));

// Which layers are off, as the drawing's database says; when it cannot be read again, none.
let layers = [];
try {
  const libredwg = LibreDwg.createByWasmInstance(wasm);
  const data = libredwg.dwg_read_data(content, Dwg_File_Type.DWG);
  if (data) layers = libredwg.convert(data).tables.LAYER.entries;
} catch {
  layers = [];
}
writeFileSync(report, layers.filter((layer) => layer.off).map((layer) => `${layer.name}\n`).join(''));
