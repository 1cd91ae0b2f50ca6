// The browser station in Debian's headless Chromium: pages on a desk that
// the station harness serves on 127.0.0.1, a database that kelvane-feed
// writes, and the read-out log the desk keeps.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { chromium } from 'playwright-core';

const feed = process.env.KELVANE_FEED;
const harnessProgram = process.env.KELVANE_STATION_HARNESS;
const shots = process.env.KELVANE_SCREENSHOTS || os.tmpdir();
const home = fs.mkdtempSync(path.join(os.tmpdir(), 'kelvane-web-'));
const database = path.join(home, 'announcer.sqlite');
const within = 1000;

let browser;
let harness;

function addMessage(sequence, text) {
  execFileSync(feed, ['add', database, String(sequence), text]);
}

function rows() {
  return execFileSync(feed, ['list', database], { encoding: 'utf8' })
    .split('\n').filter(Boolean).map((line) => line.split('\t'));
}

function readOutLog() {
  const folder = path.join(home, 'data', 'kelvane');
  return fs.readdirSync(folder).map((name) => fs.readFileSync(path.join(folder, name), 'utf8')).join('');
}

// The harness: a desk on the database with its station; commands on its
// standard input are answered with "ok COMMAND" once carried out.
class Harness {
  constructor(file = database) {
    this.process = spawn(harnessProgram, [file], {
      env: { ...process.env, XDG_DATA_HOME: path.join(home, 'data'), XDG_CONFIG_HOME: path.join(home, 'config') },
      stdio: ['pipe', 'pipe', 'inherit'],
    });
    this.links = {};
    this.waiting = [];
    readline.createInterface({ input: this.process.stdout }).on('line', (line) => {
      const [word, value] = line.split(' ');
      if (['watch', 'announce', 'send', 'screen'].includes(word)) this.links[word] = value;
      if (word === 'ok') this.waiting.shift()?.();
    });
  }

  command(text) {
    return new Promise((resolve) => {
      this.waiting.push(resolve);
      this.process.stdin.write(text + '\n');
    });
  }

  stop() {
    this.process.stdin.end('quit\n');
  }
}

async function open(link, width = 800, languages = '', ready = '#list li, #empty:not([hidden])', height = 740) {
  const page = await browser.newPage();
  if (languages) await page.setExtraHTTPHeaders({ 'Accept-Language': languages });
  await page.setViewportSize({ width, height });
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('dialog', (dialog) => { page.errors.push('dialog ' + dialog.message()); dialog.dismiss(); });
  await page.goto(link);
  await page.waitForSelector(ready);
  return page;
}

const openSend = (link, width = 360) => open(link, width, '', '#compose:not([hidden]) #ready button');
const listed = (page) => page.$$eval('#list li .text', (items) => items.map((item) => item.textContent));

// Waits until every page lists (or no longer lists) the line; returns how
// long the slowest page took, in milliseconds.
async function allSee(pages, line, present = true) {
  const started = Date.now();
  await Promise.all(pages.map((page) => page.waitForFunction(
    ([text, wanted]) => [...document.querySelectorAll('#list li .text')].some((item) => item.textContent === text) === wanted,
    [line, present], { polling: 10, timeout: 5000 })));
  return Date.now() - started;
}

before(async () => {
  execFileSync(feed, ['init', database]);
  // A caption screen that keeps a dismissed message one second.
  fs.mkdirSync(path.join(home, 'config', 'kelvane'), { recursive: true });
  fs.writeFileSync(path.join(home, 'config', 'kelvane', 'desk.ini'), '[screen]\nlingerSeconds=1\ngala=Riverside Open\n');
  addMessage(1, 'Event 1 results\r\n1st Amy Hartley 1:04.32');
  harness = new Harness();
  await harness.command('links');
  // Debian's browser with a fresh profile; nothing is ever downloaded.
  browser = await chromium.launchPersistentContext(path.join(home, 'chromium'), {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
});

after(async () => {
  await browser?.close();
  harness?.stop();
  fs.rmSync(home, { recursive: true, force: true });
});

test('three watch pages see a new message and a desk dismissal within a second', async (t) => {
  const pages = await Promise.all([1, 2, 3].map(() => open(harness.links.watch)));
  const committed = Date.now();
  addMessage(2, 'Marshalling: event 4 to the call room');
  const arrival = Date.now() - committed + await allSee(pages, '2:Marshalling: event 4 to the call room');
  assert.ok(arrival < within, `new message after ${arrival} ms`);
  assert.ok(await pages[0].$eval('#list li:last-child', (item) => item.classList.contains('new')));
  await harness.command('desk-choose 1');
  await pages[0].waitForFunction(() => document.getElementById('message').textContent.startsWith('Marshalling'));
  const dismissed = Date.now();
  await harness.command('desk-dismiss');
  const gone = Date.now() - dismissed + await allSee(pages, '2:Marshalling: event 4 to the call room', false);
  assert.ok(gone < within, `dismissal after ${gone} ms`);
  t.diagnostic(`commit to three pages: ${arrival} ms; desk dismissal to three pages: ${gone} ms`);
  for (const page of pages) await page.close();
});

test('an announce page chooses, dismisses and undoes', async () => {
  addMessage(3, 'Lost property: a blue towel');
  const page = await open(harness.links.announce);
  await page.click('#list li:has-text("Lost property") button');
  await page.waitForFunction(() => document.getElementById('message').textContent === 'Lost property: a blue towel');
  const id = rows().find((row) => row[2] === 'Lost property: a blue towel')[0];
  await page.click('#dismiss');
  await allSee([page], '3:Lost property: a blue towel', false);
  assert.ok(!rows().some((row) => row[0] === id));
  assert.match(readOutLog(), /dismissed,".*","\d+",3,"Lost property: a blue towel",browser 127\.0\.0\.1 #\d+/);
  await page.click('#undo');
  await allSee([page], '3:Lost property: a blue towel');
  // What came back is on display again, and the cursor marks it.
  await page.waitForFunction(() => document.activeElement.closest('li.chosen')?.textContent.startsWith('3:Lost property'));
  assert.equal(await page.textContent('#message'), 'Lost property: a blue towel');
  assert.ok(rows().some((row) => row[2] === 'Lost property: a blue towel'));
  assert.match(readOutLog(), /undone,.*browser 127\.0\.0\.1/);
  await page.close();
});

// A stand-in for the browser's audio that counts the tones played.
function countTones() {
  window.tones = 0;
  window.AudioContext = class {
    constructor() { this.currentTime = 0; this.destination = {}; }
    createOscillator() { return { frequency: {}, connect: (to) => to, start: () => { window.tones += 1; }, stop() {} }; }
    createGain() { return { gain: { setValueAtTime() {}, exponentialRampToValueAtTime() {} }, connect: (to) => to }; }
    close() {}
  };
}

const noSidewaysScrolling = (page) => page.evaluate(() => document.scrollingElement.scrollWidth <= innerWidth);

test('the announce page works the desk without a window: keys, sound, read out today, links', async () => {
  addMessage(6, 'Keyboard: first');
  addMessage(7, 'Keyboard: second\r\nwhole text');
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.addInitScript(countTones);
  await page.setViewportSize({ width: 1024, height: 600 });
  await page.goto(harness.links.announce);
  await page.waitForSelector('#list li');
  await page.click('#sound');
  assert.equal(await page.evaluate(() => window.tones), 1, 'turning the sound on plays it once');
  addMessage(8, 'Keyboard: third');
  await allSee([page], '8:Keyboard: third');
  await page.waitForFunction(() => window.tones === 2);

  await page.click('#list li:has-text("Keyboard: first") button');
  await page.waitForFunction(() => document.getElementById('message').textContent === 'Keyboard: first');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.getElementById('message').textContent === 'Keyboard: second\nwhole text');
  await page.keyboard.press('Delete');
  await allSee([page], '7:Keyboard: second', false);
  await page.keyboard.press('Control+z');
  await page.waitForFunction(() => document.activeElement.closest('li.chosen')?.textContent.startsWith('7:Keyboard: second'));
  assert.equal(await page.evaluate(() => window.tones), 2, 'a message put back is no arrival');

  await page.click('#readouts-open');
  await page.waitForSelector('#readouts-list li');
  const first = await page.$eval('#readouts-list details', (details) => [details.open, details.textContent]);
  assert.ok(first[0] && /^\d\d:\d\d:\d\d \(undone \d\d:\d\d:\d\d\) 7:Keyboard: secondKeyboard: second\nwhole text$/.test(first[1]), first[1]);
  assert.ok(await noSidewaysScrolling(page));
  await page.screenshot({ path: path.join(shots, 'station-readouts-tablet.png') });
  await page.keyboard.press('Escape');

  const watch = await open(harness.links.watch);
  await page.click('#links-open');
  await page.waitForFunction(() => document.querySelectorAll('#links-list svg.qr path').length === 4 &&
    document.getElementById('links-pages').textContent.endsWith(': 1'));
  assert.equal(await page.$eval('#links-list figure:nth-child(3) code', (code) => code.textContent), harness.links.send);
  await page.click('#renew');
  assert.match(await page.textContent('#renew-question'), /dropped now: 1$/);
  assert.ok(await noSidewaysScrolling(page));
  await page.screenshot({ path: path.join(shots, 'station-links-tablet.png') });
  const oldHash = new URL(harness.links.announce).hash;
  await page.click('#renew-yes');
  await watch.waitForFunction(() => document.getElementById('banner').textContent.includes('no longer works'));
  await page.waitForFunction((old) => location.hash !== old, oldHash);
  await page.waitForFunction(() => document.getElementById('links-pages').textContent.endsWith(': 0'));
  while (new URL(harness.links.announce).hash === oldHash) await new Promise((resolve) => setTimeout(resolve, 20));
  assert.equal(await page.evaluate(() => location.hash), new URL(harness.links.announce).hash);
  await page.reload();
  await page.waitForSelector('#list li');
  assert.ok(await page.isHidden('#banner'), 'the page that made the new links works on its own new one');
  assert.deepEqual(page.errors, []);
  await watch.close();
  await page.close();
});

test('a watch page that forges a dismissal is refused and closed', async () => {
  const page = await open(harness.links.watch);
  assert.ok(await page.isHidden('#actions'), 'a watch page offers no Dismiss or Undo');
  const before = rows().length;
  const key = await page.$eval('#list li', (item) => item.dataset.key);
  const code = await page.evaluate(([token, key]) => new Promise((resolve) => {
    const forged = new WebSocket(`ws://${location.host}/live`);
    forged.onopen = () => forged.send(JSON.stringify({ type: 'hello', token }));
    forged.binaryType = 'arraybuffer';
    forged.onmessage = (event) => {
      if (JSON.parse(new TextDecoder().decode(event.data)).type === 'welcome') {
        forged.send(JSON.stringify({ type: 'choose', key }));
        forged.send(JSON.stringify({ type: 'dismiss', key }));
      }
    };
    forged.onclose = (event) => resolve(event.code);
  }), [new URL(harness.links.watch).hash.slice(1), key]);
  assert.equal(code, 4003);
  assert.equal(rows().length, before);
  await page.close();
});

test('New links closes the old pages, which offer nothing more, and the new link works', async () => {
  const old = await open(harness.links.watch);
  const oldSend = await openSend(harness.links.send);
  const oldLink = harness.links.watch;
  const renewed = Date.now();
  await harness.command('renew');
  for (const page of [old, oldSend]) {
    await page.waitForFunction(() => document.getElementById('banner').textContent.includes('no longer works'),
      null, { timeout: 2000 });
  }
  assert.ok(Date.now() - renewed < 2000);
  assert.ok(await oldSend.isDisabled('#send'), 'a dead send page offers no Send');
  assert.ok(await oldSend.isDisabled('#ready button'));
  assert.notEqual(harness.links.watch, oldLink);
  const fresh = await open(harness.links.watch);
  assert.ok((await listed(fresh)).length > 0);
  for (const page of [old, oldSend, fresh]) await page.close();
});

test('the page reconnects by itself when the station stops and starts', async () => {
  const page = await open(harness.links.watch);
  await harness.command('stop');
  await page.waitForFunction(() => /^Not connected since \d\d:\d\d, trying again$/.test(
    document.getElementById('banner').textContent));
  await harness.command('start');
  addMessage(4, 'Back after the restart');
  await page.waitForFunction(() => document.getElementById('banner').hidden, null, { timeout: 10000 });
  await allSee([page], '4:Back after the restart');
  await page.close();
});

test('a message with markup stays text and runs no script', async () => {
  const markup = '<img src=x onerror="window.pwned=1"><script>window.pwned=2</script>';
  addMessage(5, markup);
  const page = await open(harness.links.announce);
  await allSee([page], '5:' + markup);
  await page.click(`#list li:has-text("onerror") button`);
  await page.waitForFunction((text) => document.getElementById('message').textContent === text, markup);
  assert.equal(await page.evaluate(() => window.pwned), undefined);
  assert.equal(await page.$$eval('main img, main script', (found) => found.length), 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the page speaks the browser\'s language, its script too', async () => {
  const page = await open(harness.links.announce, 800, 'de-AT,de;q=0.9,en;q=0.5');
  await page.waitForFunction(() => document.getElementById('chosen-title').textContent === 'Ihre Meldung');
  assert.equal(await page.textContent('#role'), 'kelvane \u2013 ansagen');
  assert.equal(await page.textContent('#dismiss'), 'Meldung erledigt');
  assert.equal(await page.getAttribute('#larger', 'title'), 'Größere Schrift');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the page on a 360-pixel phone', async () => {
  const page = await open(harness.links.announce, 360);
  await page.click('#list li:first-child button');
  await page.waitForFunction(() => document.getElementById('message').textContent !== '');
  assert.ok(await noSidewaysScrolling(page), 'no sideways scrolling');
  await page.screenshot({ path: path.join(shots, 'station-phone.png') });
  await page.click('#links-open');
  await page.waitForSelector('#links-list svg.qr');
  assert.ok(await noSidewaysScrolling(page), 'no sideways scrolling with the links open');
  await page.screenshot({ path: path.join(shots, 'station-links-phone.png') });
  await page.close();
});

test('a watch page on a pool screen leads with the message on display in big type; a phone shows it as before', async () => {
  await harness.command('desk-choose 0');
  for (const [width, height, big] of [[1920, 1080, true], [360, 740, false]]) {
    const page = await open(harness.links.watch, width);
    await page.setViewportSize({ width, height });
    await page.waitForFunction(() => document.getElementById('message').textContent !== '');
    const size = await page.$eval('#message', (shown) => parseFloat(getComputedStyle(shown).fontSize));
    const [chosen, list] = await Promise.all(['#chosen', '#messages'].map(async (id) => (await page.$(id)).boundingBox()));
    assert.equal(size >= 0.04 * height, big, `text of ${size} px at ${width}×${height}`);
    assert.ok(big ? chosen.y < list.y : true);
    assert.ok(await page.evaluate(() => document.scrollingElement.scrollWidth <= innerWidth), 'no sideways scrolling');
    await page.screenshot({ path: path.join(shots, `station-watch-${width}.png`) });
    await page.close();
  }
});

test('the caption screen shows what the desk reads out, holds back, lingers, then idles, and blanks', async (t) => {
  const text = 'Event 12, women 200 m individual medley, final: lane 1 Nadia Ferreira, lane 2 Olga Brandt, ' +
    'lane 3 Mei Tanaka, lane 4 Clara Whitfield, lane 5 Inès Moreau, lane 6 Sophie Lindqvist, please. Thank you.';
  addMessage(12, text);
  addMessage(13, 'Lane 7 timekeeper to the start');
  const key = (wanted) => rows().find((row) => row[2] === wanted)[0];
  // The announce page makes the desk list them.
  const announce = await open(harness.links.announce);
  await allSee([announce], '13:Lane 7 timekeeper to the start');
  const screen = await open(harness.links.screen, 1920, '', 'body[data-face]', 1080);
  const faceIs = (face, shown = '') => screen.waitForFunction(([f, s]) => document.body.dataset.face === f &&
    (f !== 'message' || document.getElementById('caption-text').textContent === s), [face, shown], { polling: 10, timeout: 5000 });
  let started = Date.now();
  await harness.command('desk-choose-key ' + key(text));
  await faceIs('message', text);
  const shownAfter = Date.now() - started;
  assert.ok(shownAfter < within, `shown after ${shownAfter} ms`);
  const size = await screen.$eval('#caption-text', (box) => parseFloat(getComputedStyle(box).fontSize));
  assert.ok(size >= 0.06 * 1080, `${text.length} characters at ${size} px`);
  t.diagnostic(`chosen to the screen: ${shownAfter} ms; ${text.length} characters at ${(size / 10.8).toFixed(1)} % of the height`);
  await screen.waitForTimeout(900); // the fade
  await screen.screenshot({ path: path.join(shots, 'station-screen-1920.png') });
  await screen.setViewportSize({ width: 1080, height: 1920 });
  await screen.waitForTimeout(100);
  assert.ok(await screen.$eval('#caption-text', (box) => box.scrollHeight <= box.parentElement.clientHeight), 'not cut in portrait');
  await screen.waitForTimeout(900); // the fade
  await screen.screenshot({ path: path.join(shots, 'station-screen-portrait.png') });
  await screen.setViewportSize({ width: 1920, height: 1080 });

  // Held back at the announce page: the desk's choice of it shows nothing.
  await announce.click(`#list li[data-key="${key('Lane 7 timekeeper to the start')}"] button`);
  await announce.waitForFunction(() => !document.getElementById('hold').disabled);
  await announce.click('#hold');
  await announce.waitForFunction(() => document.getElementById('hold').getAttribute('aria-pressed') === 'true');
  await harness.command('desk-choose-key ' + key('Lane 7 timekeeper to the start'));
  await faceIs('idle');
  await screen.waitForTimeout(300);
  assert.equal(await screen.evaluate(() => document.body.dataset.face), 'idle');

  // Dismissed: shown for the setting's second more, then the idle face.
  await harness.command('desk-choose-key ' + key(text));
  await faceIs('message', text);
  started = Date.now();
  await harness.command('desk-dismiss');
  await faceIs('idle');
  const lingered = Date.now() - started;
  assert.ok(lingered >= 900 && lingered < 2000, `lingered ${lingered} ms`);
  assert.equal(await screen.textContent('#idle-name'), 'Riverside Open');

  // Blanked from the announce page, and back at once.
  await announce.click('#blank');
  await faceIs('blank');
  await screen.screenshot({ path: path.join(shots, 'station-screen-blank.png') });
  await announce.click('#blank');
  await faceIs('idle');
  await screen.waitForTimeout(900); // the fade
  await screen.screenshot({ path: path.join(shots, 'station-screen-idle.png') });
  assert.deepEqual([...screen.errors, ...announce.errors], []);
  await announce.close();
  await screen.close();
});

// The send page: an official's messages go to the list, and the page
// follows each one until it is read out.

async function sendFrom(page, sender, text, urgent = false) {
  await page.fill('#sender', sender);
  await page.fill('#text', text);
  await page.setChecked('#urgent', urgent);
  await page.click('#send');
}

// Waits until the sender's page shows the message (by its end) in a state
// that ends with state.
const showsState = (page, text, state) => page.waitForFunction(([wanted, ending]) => {
  const item = [...document.querySelectorAll('#sent li')].find((li) => li.querySelector('.text').textContent.endsWith(wanted));
  return item && item.querySelector('.state').textContent.endsWith(ending);
}, [text, state], { polling: 10, timeout: 5000 });

test('a sent message is on the desk within a second with its sender, and its sender sees it read out', async (t) => {
  const watch = await open(harness.links.watch);
  const sender = await openSend(harness.links.send);
  const text = 'Lane 4 timekeeper to the start\nplease';
  const clicked = Date.now();
  await sendFrom(sender, 'Referee', text);
  const arrival = Date.now() - clicked + await allSee([watch], 'From Referee: Lane 4 timekeeper to the start');
  assert.ok(arrival < within, `sent message on the desk after ${arrival} ms`);
  await showsState(sender, 'please', 'on the announcer’s list');
  assert.equal(await sender.inputValue('#text'), '', 'the text box is emptied once the desk has it');
  const row = rows().find((r) => r[2] === 'From Referee: Lane 4 timekeeper to the start\\r\\nplease');
  assert.ok(row, 'one row with the sender on its first line');
  assert.equal(row[1], '0');

  await harness.command('desk-choose-key ' + row[0]);
  await watch.waitForFunction(() => document.getElementById('message').textContent.startsWith('From Referee'));
  const dismissed = Date.now();
  await harness.command('desk-dismiss');
  await sender.waitForFunction(() => /read out at \d\d:\d\d$/.test(document.querySelector('#sent li .state').textContent),
    null, { polling: 10, timeout: 5000 });
  const readOut = Date.now() - dismissed;
  assert.ok(readOut < within, `"read out at" after ${readOut} ms`);
  await sender.fill('#text', 'Medal ceremony in 5 minutes');
  await sender.screenshot({ path: path.join(shots, 'station-send-phone.png') });
  assert.match(readOutLog(), /sent,.*,0,"From Referee: Lane 4 timekeeper to the start\r\nplease",Referee \(browser 127\.0\.0\.1 #\d+\)/);
  assert.match(readOutLog(), /dismissed,.*,0,"From Referee: Lane 4.*\r\nplease",desk/);
  await harness.command('desk-undo');
  await showsState(sender, 'please', 'put back on the announcer’s list');
  t.diagnostic(`send to desk: ${arrival} ms; desk dismissal to the sender: ${readOut} ms`);
  await watch.close();
  await sender.close();
});

test('an urgent message is listed first, marked and announced until shown, and markup in it stays text on every page', async () => {
  const markup = '<img src=x onerror="window.pwned=1"><b>now</b>';
  const watch = await open(harness.links.watch);
  const announce = await open(harness.links.announce);
  const sender = await openSend(harness.links.send);
  await sender.click('#ready button:has-text("Medal ceremony")');
  assert.equal(await sender.inputValue('#text'), 'Medal ceremony in 5 minutes');
  await sendFrom(sender, 'Meet director', markup, true);
  const line = 'From Meet director: ' + markup;
  await allSee([watch, announce], line);
  assert.equal((await listed(watch))[0], line, 'urgent first');
  for (const page of [watch, announce]) {
    assert.equal(await page.textContent('#list li.urgent:first-child .urgent-mark'), '\u26a0\ufe0e Urgent');
    assert.equal(await page.textContent('#urgent-banner'), 'Urgent message: ' + line);
    assert.match(await page.title(), /^\u26a0 Urgent \u2013 kelvane /);
  }
  await showsState(sender, markup, 'on the announcer’s list');
  await announce.click('#list li:first-child button');
  await announce.waitForFunction((text) => document.getElementById('message').textContent === text, 'From Meet director: ' + markup);
  assert.ok(await announce.$eval('#message', (shown) => shown.classList.contains('urgent')));
  await watch.waitForSelector('#urgent-banner', { state: 'hidden' });
  assert.equal(await watch.title(), 'kelvane watch');
  for (const page of [watch, announce, sender]) {
    assert.equal(await page.evaluate(() => window.pwned), undefined);
    assert.equal(await page.$$eval('main img, main b', (found) => found.length), 0);
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});

test('the length bound and the rate limit hold against a forged client, which blocks no other page', async () => {
  await harness.command('renew');
  const sender = await openSend(harness.links.send);
  const before = rows().length;
  const answers = await sender.evaluate((token) => new Promise((resolve) => {
    const forged = new WebSocket(`ws://${location.host}/live`);
    const requests = [' '.repeat(3), 'x'.repeat(1001), 'bell\u0007', 'tab\there', 'half \ud800 a pair'];
    for (let i = 1; i <= 12; ++i) requests.push('Forged message ' + i);
    const answers = [];
    forged.binaryType = 'arraybuffer';
    forged.onopen = () => forged.send(JSON.stringify({ type: 'hello', token, page: 'forgedForgedForged' }));
    forged.onmessage = (event) => {
      const message = JSON.parse(new TextDecoder().decode(event.data));
      if (message.type === 'welcome')
        requests.forEach((text, number) => forged.send(JSON.stringify({ type: 'send', number, sender: 'Forger', text })));
      if (message.type === 'answer' && answers.push(message) === requests.length) resolve(answers);
    };
  }), new URL(harness.links.send).hash.slice(1));
  const refusals = answers.sort((a, b) => a.number - b.number).map((answer) => answer.refusal);
  assert.match(refusals[0], /empty/);
  assert.match(refusals[1], /1,000 characters/);
  assert.match(refusals[2], /control characters/);
  assert.match(refusals[3], /control characters/);
  assert.match(refusals[4], /not valid text/);
  assert.deepEqual(refusals.slice(5, 15), Array(10).fill(''));
  assert.match(refusals[15], /^Ten messages have been sent from this page in the last minute/);
  assert.match(refusals[16], /^Ten messages/);
  assert.equal(rows().length, before + 10);
  await sendFrom(sender, 'Referee', 'One more');
  await showsState(sender, 'One more', 'on the announcer’s list');
  assert.equal(rows().length, before + 11);
  assert.ok(!(await sender.textContent('#sent')).includes('Forged'), 'a send page is told only of its own messages');
  await sender.fill('#text', '\u202eOne more');
  await sender.fill('#sender', '\u202eeerefeR');
  await sender.click('#send');
  await sender.waitForFunction(() => document.getElementById('answer').classList.contains('refused'));
  assert.match(await sender.textContent('#answer'), /writing direction/);
  assert.equal(await sender.inputValue('#text'), '\u202eOne more', 'a refused message stays to be sent again');
  await sender.fill('#sender', 'Referee');
  await sender.close();
});

// A send page whose connection drops as it sends, on the way to the
// station or on the way back: the message is sent again with the same
// number once the page is connected again, and listed once.
for (const lost of ['send', 'answer']) {
  test(`a message whose ${lost} is lost in a Wi-Fi drop is listed once, and the page says so`, async () => {
    const sender = await browser.newPage();
    await sender.setViewportSize({ width: 360, height: 740 });
    let cut = lost;
    await sender.routeWebSocket(/\/live$/, (page) => {
      const station = page.connectToServer();
      // Passes each message on, but cuts the connection at the first of type.
      const passOrCut = (to, type) => (message) => {
        if (cut !== type || JSON.parse(message.toString()).type !== type) return to.send(message);
        cut = null;
        page.close();
        station.close();
      };
      page.onMessage(passOrCut(station, 'send'));
      station.onMessage(passOrCut(page, 'answer'));
    });
    await sender.goto(harness.links.send);
    await sender.waitForSelector('#compose:not([hidden]) #ready button');
    const text = `Timekeeper, lane 5: the ${lost} was lost`;
    await sendFrom(sender, 'Referee', text);
    await showsState(sender, text, 'on the announcer’s list');
    await sender.waitForFunction(() => document.getElementById('answer').textContent === 'Sent.');
    assert.equal(cut, null, 'the connection was cut');
    assert.equal(await sender.inputValue('#text'), '');
    assert.equal(rows().filter((row) => row[2] === 'From Referee: ' + text).length, 1);
    if (lost === 'answer') await sender.screenshot({ path: path.join(shots, 'station-send-after-drop.png') });
    await sender.close();
  });
}

// The announcer plans on the page what the desk adds when it is due: a
// message due now is listed at once, and the sheet is changed and pruned
// from the page; what the station refuses stays in the form.
test('the announce page keeps the planned messages', async () => {
  const page = await open(harness.links.announce, 1366);
  await page.setViewportSize({ width: 1366, height: 768 });
  await page.click('#planned-open');
  const now = new Date(Date.now() - 60000);
  const hhmm = (date) => date.toTimeString().slice(0, 5);
  await page.fill('#planned-text', 'Thanks to our sponsor, Harbour Bakery');
  await page.fill('#planned-not-before', hhmm(now));
  await page.fill('#planned-repeat', '30');
  await page.click('#planned-add');
  await allSee([page], 'Thanks to our sponsor, Harbour Bakery');
  await page.waitForSelector('#planned-list li.listed');
  await page.fill('#planned-text', '=1+1 the café closes at 16:00');
  await page.fill('#planned-not-before', '23:58');
  await page.fill('#planned-repeat', '0');
  await page.click('#planned-add');
  await page.waitForFunction(() => document.querySelectorAll('#planned-list li').length === 2);
  assert.match(await page.textContent('#planned-list li:nth-child(2) .state'), /waiting \(due at 23:58\)/);
  await page.screenshot({ path: path.join(shots, 'station-planned-1366.png') });
  await page.click('#planned-list li:nth-child(2) button:text("Edit")');
  await page.fill('#planned-text', 'The café closes at 16:00');
  await page.click('#planned-save');
  await page.waitForFunction(() => document.querySelector('#planned-list li:nth-child(2) .text').textContent ===
    'The café closes at 16:00');
  await page.fill('#planned-text', ' ');
  await page.click('#planned-save');
  await page.waitForSelector('#notice:not([hidden])');
  assert.equal(await page.textContent('#notice'), 'The message has no text.');
  await page.click('#planned-list li:nth-child(2) button:text("Duplicate")');
  await page.waitForFunction(() => document.querySelectorAll('#planned-list li').length === 3);
  await page.click('#planned-list li:nth-child(3) button:text("Remove")');
  await page.click('#planned-list li:nth-child(2) button:text("Remove")');
  await page.waitForFunction(() => document.querySelectorAll('#planned-list li').length === 1);
  await page.setViewportSize({ width: 360, height: 740 });
  await page.screenshot({ path: path.join(shots, 'station-planned-360.png') });
  const hasOverflow = await page.$eval('#planned', (dialog) => dialog.scrollWidth > dialog.clientWidth);
  assert.ok(!hasOverflow, 'the sheet scrolls sideways on a phone');
  const today = new Date();
  const day = [today.getFullYear(), today.getMonth() + 1, today.getDate()]
    .map((part) => String(part).padStart(2, '0')).join('-');
  const sheet = fs.readFileSync(path.join(home, 'data', 'kelvane', `planned-${day}.json`), 'utf8');
  assert.match(sheet, /Harbour Bakery/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a desk on a Jet file says on the send page that it cannot take messages', async () => {
  const jet = path.join(home, 'announcer.mdb');
  fs.copyFileSync(process.env.KELVANE_JET_FIXTURE, jet);
  const bytes = fs.readFileSync(jet);
  const jetHarness = new Harness(jet);
  await jetHarness.command('links');
  const sender = await openSend(jetHarness.links.send);
  await sender.waitForSelector('#taking:not([hidden])');
  assert.match(await sender.textContent('#taking'), /^This desk cannot take messages/);
  assert.ok(await sender.isDisabled('#send'));
  await sender.evaluate(() => { document.getElementById('send').disabled = false; });
  await sendFrom(sender, 'Referee', 'Anyone there?');
  await sender.waitForFunction(() => document.getElementById('answer').classList.contains('refused'));
  assert.match(await sender.textContent('#answer'), /cannot take messages/);
  assert.equal(await sender.inputValue('#text'), 'Anyone there?');
  assert.ok(fs.readFileSync(jet).equals(bytes), 'the file is untouched');
  await sender.close();
  jetHarness.stop();
});
