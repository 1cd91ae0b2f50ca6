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
  constructor() {
    this.process = spawn(harnessProgram, [database], {
      env: { ...process.env, XDG_DATA_HOME: path.join(home, 'data'), XDG_CONFIG_HOME: path.join(home, 'config') },
      stdio: ['pipe', 'pipe', 'inherit'],
    });
    this.links = {};
    this.waiting = [];
    readline.createInterface({ input: this.process.stdout }).on('line', (line) => {
      const [word, value] = line.split(' ');
      if (word === 'watch' || word === 'announce') this.links[word] = value;
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

async function open(link, width = 800, languages = '') {
  const page = await browser.newPage();
  if (languages) await page.setExtraHTTPHeaders({ 'Accept-Language': languages });
  await page.setViewportSize({ width, height: 740 });
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('dialog', (dialog) => { page.errors.push('dialog ' + dialog.message()); dialog.dismiss(); });
  await page.goto(link);
  await page.waitForSelector('#list li, #empty:not([hidden])');
  return page;
}

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
  assert.ok(rows().some((row) => row[2] === 'Lost property: a blue towel'));
  assert.match(readOutLog(), /undone,.*browser 127\.0\.0\.1/);
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

test('New links closes the old pages and the new link works', async () => {
  const old = await open(harness.links.watch);
  const oldLink = harness.links.watch;
  const renewed = Date.now();
  await harness.command('renew');
  await old.waitForFunction(() => document.getElementById('banner').textContent.includes('no longer works'),
    null, { timeout: 2000 });
  assert.ok(Date.now() - renewed < 2000);
  assert.notEqual(harness.links.watch, oldLink);
  const fresh = await open(harness.links.watch);
  assert.ok((await listed(fresh)).length > 0);
  await old.close();
  await fresh.close();
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
  assert.ok(await page.evaluate(() => document.scrollingElement.scrollWidth <= 360), 'no sideways scrolling');
  await page.screenshot({ path: path.join(shots, 'station-phone.png') });
  await page.close();
});
