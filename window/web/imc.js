// imc in the browser: the page (drawn whole from the window's description before this runs)
// wired to the window's commands in imc.wasm. A press runs its command in the module to its
// end; then its message boxes follow one another, each a modal dialog, the next shown as the
// one before is dismissed, and the focus goes back where it was. Nothing typed leaves the page
// or is kept anywhere.
'use strict';

const caption = document.title;
const encoder = new TextEncoder();
const decoder = new TextDecoder();
let module = null; // its exports, once it has arrived
let failed = false;

// The module, a WASI reactor that asks the system for nothing: anything it would import ends it.
const loading = fetch('imc.wasm')
    .then(response => {
        if (!response.ok)
            throw new Error(response.statusText);
        return response.arrayBuffer();
    })
    .then(bytes => WebAssembly.instantiate(bytes, {
        wasi_snapshot_preview1: new Proxy({}, {
            get: (_, name) => () => { throw new Error(`imc.wasm called ${String(name)}`); },
        }),
    }))
    .then(({ instance }) => {
        instance.exports._initialize();
        module = instance.exports;
        document.getElementById('Tellun').removeAttribute('aria-busy'); // its commands work
        performance.mark('imc-ready'); // for bench/web_paint.py
    })
    .catch(() => fail('Impossibile caricare il programma.'));

function put(text) {
    const bytes = encoder.encode(text);
    const at = module.imc_incoming(bytes.length);
    new Uint8Array(module.memory.buffer, at, bytes.length).set(bytes);
}
function take(at, size) {
    return decoder.decode(new Uint8Array(module.memory.buffer, at, size));
}

// The decimal separator of the browser's language, which the result takes.
function decimalSeparator() {
    return new Intl.NumberFormat(navigator.language).formatToParts(1.5)
        .find(part => part.type === 'decimal').value;
}

const inputs = [...document.querySelectorAll('input[data-box]')];
const dialog = document.getElementById('box');
const queue = []; // the boxes still to show: [title, prompt, critical]
let returnFocus = null;

const ok = document.getElementById('boxOk');
function showNext() {
    const [title, prompt, critical] = queue.shift();
    document.getElementById('boxTitle').textContent = title;
    document.getElementById('boxPrompt').textContent = prompt;
    dialog.classList.toggle('critical', critical);
    document.getElementById('boxIcon').setAttribute('aria-label',
        critical ? 'Errore' : 'Informazione');
    document.getElementById('boxSign').setAttribute('d',
        critical ? 'M10 10L22 22M22 10L10 22' : 'M16 14V24M16 8V11');
    dialog.showModal();
    ok.focus();
}
function show(boxes) {
    if (!boxes.length)
        return;
    returnFocus = document.activeElement;
    queue.push(...boxes);
    showNext();
}
// OK, Enter, Space or Escape: the next box at once, in the same task, so that nothing of the
// page can be reached between two; after the last, the focus goes back where it was.
function dismiss() {
    dialog.close();
    if (queue.length)
        showNext();
    else if (failed)
        end();
    else if (returnFocus)
        returnFocus.focus();
}
ok.addEventListener('click', dismiss);
dialog.addEventListener('cancel', event => {
    event.preventDefault();
    dismiss();
});

// Where the program cannot go on: a box says so, and then it ends.
function fail(why) {
    if (failed)
        return;
    failed = true;
    queue.length = 0;
    dialog.close();
    show([[caption, why, true]]);
}

// Ends the program at once: the page closes where the browser lets a page close itself;
// elsewhere it leaves for an empty page, and going back to it starts the program again.
function end() {
    window.close();
    location.assign('about:blank');
}
window.addEventListener('pageshow', event => {
    if (event.persisted)
        location.reload();
});

// In an app's window, as in a desktop's, Tab past the last control comes back to the first and
// Shift+Tab before the first goes to the last; in a browser's tab they lead on to the browser.
const stops = [...document.querySelectorAll('#Tellun :is(input, button)')];
document.addEventListener('keydown', event => {
    if (event.key !== 'Tab' || dialog.open || matchMedia('(display-mode: browser)').matches)
        return;
    const edge = event.shiftKey ? 0 : stops.length - 1;
    if (stops.indexOf(document.activeElement) === edge) {
        event.preventDefault();
        stops[stops.length - 1 - edge].focus();
    }
});

// As in a window, a click on a label or on the window's background leaves the focus where it is.
document.addEventListener('mousedown', event => {
    if (!event.target.closest('input, button, dialog'))
        event.preventDefault();
});

function run(command) {
    if (failed)
        return;
    try {
        inputs.forEach(input => {
            put(input.value);
            module.imc_take(Number(input.dataset.box));
        });
        put(decimalSeparator());
        module.imc_take(-1);
        const count = module.imc_run(command);
        inputs.forEach(input => {
            const box = Number(input.dataset.box);
            if (module.imc_written(box)) {
                input.value = take(module.imc_text(box), module.imc_text_size(box));
                input.setSelectionRange(0, 0); // read from its start
            }
        });
        const boxes = [];
        for (let i = 0; i < count; ++i) {
            boxes.push([take(module.imc_box(i, 0), module.imc_box_size(i, 0)),
                take(module.imc_box(i, 1), module.imc_box_size(i, 1)),
                Boolean(module.imc_box_critical(i))]);
        }
        if (module.imc_ended())
            end();
        else
            show(boxes);
    } catch (error) {
        fail('Errore imprevisto.');
    }
}

for (const button of document.querySelectorAll('button[data-command]')) {
    const command = Number(button.dataset.command);
    // A press before the module has arrived runs once it has.
    button.addEventListener('click',
        () => module ? run(command) : loading.then(() => run(command)));
}

if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(() => {});
