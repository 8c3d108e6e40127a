// wasi-run.mjs PROGRAM.wasm [ARGUMENT...]: runs a WASI program (a command) under Node, with
// the arguments, the environment and the standard streams of this process, and the current
// folder as its only folder; ends with the program's exit status.
import { readFile } from 'node:fs/promises';
import { WASI } from 'node:wasi';

const [program, ...args] = process.argv.slice(2);
const wasi = new WASI({
    version: 'preview1',
    args: [program, ...args],
    env: process.env,
    preopens: { '.': process.cwd() },
    returnOnExit: true,
});
const module = await WebAssembly.compile(await readFile(program));
const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi.wasiImport });
process.exitCode = wasi.start(instance);
