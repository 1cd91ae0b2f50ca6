// The browser station's page: the desk's list and a message on display,
// kept current over one live connection. Every text from the desk is put
// in as text (textContent), never as markup.
'use strict';

(function () {
  // New links made on this page give it a new token of its own.
  let token = decodeURIComponent(location.hash.slice(1));
  const element = (id) => document.getElementById(id);
  const silentAfterMs = 45000;
  const defaultPoints = 16;

  let socket = null;
  let role = null;
  let lastHeard = 0;
  let lostSince = null;
  let retryMs = 1000;
  let steps = [8, 9.75, 12, 14, 16, 18, 20, 24, 28, 32, 36];
  let points = Number(localStorage.getItem('kelvane.readingPoints')) || defaultPoints;
  let own = { key: '', text: '' };
  let desk = { key: '', text: '' };
  let noticeTimer = 0;
  let sentMessages = [];
  let listedLines = [];
  let pageTitle = document.title;
  // The announce page's keyboard cursor: the line it marks, and whether it
  // moves into view once that line is listed.
  let cursorKey = '';
  let cursorIntoView = false;
  // The keys of the last list, to tell a new message's arrival; none
  // before the first.
  let knownKeys = null;
  let sound = null;
  let otherPages = 0;
  let renewing = false;
  // The announcer's planned messages as the station last sent them, when
  // they came, and the one the form edits (0 for a new one).
  let plannedSheet = { messages: [], refusal: '' };
  let plannedAt = Date.now();
  let editingId = 0;
  // What the caption screen holds back and whether it is blanked, as the
  // announce page's buttons show it.
  let screenState = { held: [], blank: false };
  let clockTimer = 0;
  const mostShownSent = 10;
  // A send page keeps an identity of its own, by which the station tells
  // it only of its own messages, and the message it has sent until the
  // station answers: after a drop it is sent again, with the same number,
  // and the station recognises it.
  const identity = localStorage.getItem('kelvane.page') || newIdentity();
  let pending = storedPending();
  const decoder = new TextDecoder();
  // The station sends the page in the browser's language and the script's
  // texts with it; English where it has none.
  const texts = JSON.parse(document.body.dataset.texts || '{}');
  const tr = (english) => texts[english] || english;

  function storedPending() {
    try {
      const kept = JSON.parse(localStorage.getItem('kelvane.pending'));
      return kept && Number.isInteger(kept.number) && typeof kept.text === 'string' ? kept : null;
    } catch {
      return null;
    }
  }

  function newIdentity() {
      const bytes = crypto.getRandomValues(new Uint8Array(16));
      const made = btoa(String.fromCharCode(...bytes))
                       .replace(/\+/g, '-')
                       .replace(/\//g, '_')
                       .replace(/=+$/, '');
      localStorage.setItem('kelvane.page', made);
      return made;
  }

  function time(date) {
    return date.toLocaleTimeString([document.documentElement.lang], { hour: '2-digit', minute: '2-digit', hour12: false });
  }

  function showBanner(text) {
    const banner = element('banner');
    banner.textContent = text;
    banner.hidden = !text;
  }

  function showNotice(text) {
    const notice = element('notice');
    notice.textContent = text;
    notice.hidden = false;
    clearTimeout(noticeTimer);
    noticeTimer = setTimeout(() => { notice.hidden = true; }, 8000);
  }

  function setPoints(value) {
    points = value;
    for (const id of ['messages', 'chosen', 'compose', 'mine']) element(id).style.fontSize = points + 'pt';
    localStorage.setItem('kelvane.readingPoints', String(points));
  }

  function step(direction) {
    const index = steps.findIndex((s) => s >= points);
    const at = index < 0 ? steps.length - 1 : index;
    const next = Math.min(steps.length - 1, Math.max(0, steps[at] === points ? at + direction : direction > 0 ? at : at - 1));
    setPoints(steps[next]);
  }

  function connected() {
      return socket !== null && socket.readyState === WebSocket.OPEN && role !== null;
  }

  function send(request) {
    if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(request));
  }

  function announcing() {
    return role === 'announce';
  }

  function showMessage() {
    const shown = announcing() ? own : desk;
    element('message').textContent = shown.text;
    const urgent = shown.key !== '' && listedLines.some((line) => line.key === shown.key && line.urgent);
    element('message').classList.toggle('urgent', urgent);
    element('message').dataset.mark = '\u26a0\ufe0e ' + tr('Urgent');
    element('dismiss').disabled = !shown.key;
    showScreenState();
    for (const item of element('list').children)
      item.classList.toggle('chosen', item.dataset.key === shown.key && shown.key !== '');
  }

  // The message on this page's display, chosen here or put back by Undo:
  // the cursor marks it, once it is listed.
  function showOwn(message) {
    const changed = message.key !== own.key;
    own = message;
    showMessage();
    if (changed && own.key) {
      cursorKey = own.key;
      cursorIntoView = true;
      placeCursor();
    }
  }

  function lineButtons() {
    return [...element('list').querySelectorAll('button.line')];
  }

  function dialogOpen() {
    return document.querySelector('dialog[open]') !== null;
  }

  // Focus goes to the cursor's line only while the list had it (or
  // nothing had it), never away from a control the announcer is using.
  function placeCursor(fallbackIndex = -1) {
    const buttons = lineButtons();
    let button = buttons.find((candidate) => candidate.parentElement.dataset.key === cursorKey);
    if (!button && fallbackIndex >= 0 && buttons.length)
      button = buttons[Math.min(fallbackIndex, buttons.length - 1)];
    if (!button) return;
    cursorKey = button.parentElement.dataset.key;
    const active = document.activeElement;
    const free = !active || active === document.body || active.classList.contains('line') || active.disabled ||
      active.id === 'undo' || active.id === 'dismiss';
    if (!dialogOpen() && free) button.focus({ preventScroll: true });
    if (cursorIntoView) button.scrollIntoView({ block: 'nearest' });
    cursorIntoView = false;
  }

  function moveCursor(to) {
    const buttons = lineButtons();
    if (!buttons.length) return;
    const focused = buttons.indexOf(document.activeElement);
    const at = focused >= 0 ? focused : buttons.findIndex((button) => button.parentElement.dataset.key === cursorKey);
    const index = to === 'first' ? 0 : to === 'last' ? buttons.length - 1
      : at < 0 ? (to > 0 ? 0 : buttons.length - 1) : Math.min(buttons.length - 1, Math.max(0, at + to));
    cursorKey = buttons[index].parentElement.dataset.key;
    buttons[index].focus();
    buttons[index].scrollIntoView({ block: 'nearest' });
  }

  function dismissShown() {
    if (own.key) send({ type: 'dismiss', key: own.key });
  }

  // The announce page holds its own message back from the caption screen
  // (the station remembers it for that message) and blanks the screen.
  function showScreenState() {
    const held = own.key !== '' && screenState.held.includes(own.key);
    element('hold').disabled = !own.key;
    element('hold').setAttribute('aria-pressed', String(held));
    element('blank').setAttribute('aria-pressed', String(screenState.blank));
    element('blank').textContent = tr(screenState.blank ? 'Bring the screen back' : 'Blank the screen');
  }

  function toggleHold() {
    if (own.key) send({ type: 'holdBack', key: own.key, on: !screenState.held.includes(own.key) });
  }

  function toggleBlank() {
    send({ type: 'blank', on: !screenState.blank });
  }

  // The caption screen: the message in the largest type that fits, wrapped
  // by words; one too long for even the smallest scrolls slowly.
  const largestVh = 14;
  const smallestVh = 3;
  const scrollPixelsPerSecond = 40;

  function fitCaption() {
    const box = element('caption-box');
    const text = element('caption-text');
    text.classList.remove('scrolling');
    text.style.removeProperty('--scroll');
    const room = box.clientHeight - element('caption-urgent').offsetHeight;
    const fits = () => text.scrollHeight <= room && text.scrollWidth <= box.clientWidth;
    let vh = largestVh;
    for (; vh > smallestVh; vh -= 0.25) {
      text.style.fontSize = vh + 'vh';
      if (fits()) break;
    }
    text.style.fontSize = Math.max(vh, smallestVh) + 'vh';
    if (fits()) return;
    const overflow = text.scrollHeight - room;
    text.style.setProperty('--scroll', -overflow + 'px');
    text.style.setProperty('--scroll-time', Math.max(10, 2 * overflow / scrollPixelsPerSecond) + 's');
    text.classList.add('scrolling');
  }

  function showClock() {
    const now = new Date();
    const language = [document.documentElement.lang];
    element('idle-clock').textContent = time(now);
    element('idle-date').textContent =
      now.toLocaleDateString(language, { weekday: 'long', day: 'numeric', month: 'long' });
  }

  function showCaption(message) {
    document.body.dataset.face = message.face;
    document.body.classList.toggle('light', !message.dark);
    element('idle-name').textContent = message.gala || 'kelvane';
    element('caption-box').classList.toggle('urgent', message.urgent);
    element('caption-urgent').textContent = '\u26a0\ufe0e ' + tr('Urgent');
    if (message.face === 'message') {
      element('caption-text').textContent = message.text;
      fitCaption();
    }
    showClock();
    clearInterval(clockTimer);
    if (message.face === 'idle') clockTimer = setInterval(showClock, 1000);
  }

  // The desk's keys: Up and Down (Home, End) move the cursor, Enter
  // chooses the line it marks, Delete dismisses, Ctrl+Z undoes.
  function deskKey(event) {
    if (!announcing() || dialogOpen() || event.altKey || event.target.closest('input, textarea')) return;
    const control = event.ctrlKey || event.metaKey;
    const moves = { ArrowDown: 1, ArrowUp: -1, Home: 'first', End: 'last' };
    if (control && !event.shiftKey && event.key.toLowerCase() === 'z') {
      send({ type: 'undo' });
    } else if (control || event.shiftKey) {
      return;
    } else if (event.key in moves) {
      moveCursor(moves[event.key]);
    } else if (event.key === 'Delete') {
      dismissShown();
    } else if (event.key === 'F7') {
      toggleHold();
    } else if (event.key === 'F6') {
      toggleBlank();
    } else if (event.key === 'Enter' && !event.target.closest('button')) {
      if (cursorKey) send({ type: 'choose', key: cursorKey });
    } else {
      return;
    }
    event.preventDefault();
  }

  // A short tone when a new message is listed, once the announcer has
  // turned it on: a browser plays nothing before a tap.
  function toggleSound() {
    if (sound) {
      sound.close();
      sound = null;
    } else {
      sound = new AudioContext();
      beep();
    }
    element('sound').setAttribute('aria-pressed', String(sound !== null));
    element('sound').textContent = tr(sound ? 'Sound on' : 'Sound off');
  }

  function beep() {
    if (!sound) return;
    const start = sound.currentTime;
    const tone = sound.createOscillator();
    const volume = sound.createGain();
    tone.frequency.value = 880;
    volume.gain.setValueAtTime(0.0001, start);
    volume.gain.exponentialRampToValueAtTime(0.3, start + 0.02);
    volume.gain.exponentialRampToValueAtTime(0.0001, start + 0.3);
    tone.connect(volume).connect(sound.destination);
    tone.start(start);
    tone.stop(start + 0.32);
  }

  function lineElement(line) {
    const item = document.createElement('li');
    item.dataset.key = line.key;
    if (line.new) item.classList.add('new');
    const body = document.createElement(announcing() ? 'button' : 'div');
    body.className = 'line';
    if (announcing()) {
      body.type = 'button';
      body.addEventListener('click', () => {
        cursorKey = line.key;
        send({ type: 'choose', key: line.key });
      });
    }
    const text = document.createElement('span');
    text.className = 'text';
    text.textContent = line.more ? line.line + ' \u2026' : line.line;
    const arrived = document.createElement('span');
    arrived.className = 'time';
    arrived.textContent = line.arrived;
    if (line.urgent) {
      item.classList.add('urgent');
      body.append(urgentMark());
    }
    body.append(text, arrived);
    item.append(body);
    return item;
  }

  // An urgent message is marked by a word, never by colour alone.
  function urgentMark() {
    const mark = document.createElement('span');
    mark.className = 'urgent-mark';
    mark.textContent = '\u26a0\ufe0e ' + tr('Urgent');
    return mark;
  }

  // While an urgent message waits unread at the desk, the page says so in
  // its banner and its title (seen on another tab too), sound or not.
  function showUrgent() {
    const waiting = listedLines.filter((line) => line.urgent && line.new);
    const urgent = element('urgent-banner');
    urgent.textContent = waiting.length ? tr('Urgent message: %1').replace('%1', waiting[0].line) : '';
    urgent.hidden = waiting.length === 0;
    document.title = (waiting.length ? '\u26a0 ' + tr('Urgent') + ' \u2013 ' : '') + pageTitle;
  }

  function showList(message) {
    listedLines = message.lines;
    showUrgent();
    const list = element('list');
    const arrived = knownKeys !== null && message.lines.some((line) => line.new && !knownKeys.has(line.key));
    knownKeys = new Set(message.lines.map((line) => line.key));
    if (arrived) beep();
    const cursorIndex = lineButtons().findIndex((button) => button.parentElement.dataset.key === cursorKey);
    list.replaceChildren(...message.lines.map(lineElement));
    element('count').textContent = message.lines.length ? '(' + message.lines.length + ')' : '';
    element('empty').hidden = message.lines.length > 0;
    element('empty').textContent = tr(message.open ? 'No messages.' : 'The announcer screen is closed.');
    showMessage();
    if (announcing()) placeCursor(cursorIndex);
  }

  // Read out today: the whole texts, newest first; the newest one open.
  function showReadOuts(message) {
    const state = element('readouts-state');
    state.textContent = !message.open ? tr('No announcer database is open.')
      : message.entries.length ? '' : tr('Nothing has been dismissed today.');
    state.hidden = !state.textContent;
    element('readouts-list').replaceChildren(...message.entries.map((entry, index) => {
      const details = document.createElement('details');
      details.open = index === 0;
      const summary = document.createElement('summary');
      const time = document.createElement('span');
      time.className = 'time';
      time.textContent = entry.time + (entry.undone ? ' (' + tr('undone %1').replace('%1', entry.undone) + ')' : '');
      const line = document.createElement('span');
      line.className = 'line-text';
      line.textContent = entry.line;
      summary.append(time, ' ', line);
      const whole = document.createElement('div');
      whole.className = 'message';
      whole.textContent = entry.text;
      details.append(summary, whole);
      if (entry.left > 0) {
        const rest = document.createElement('p');
        rest.className = 'rest';
        rest.textContent = tr('The rest, %1 characters, is in the read-out log at the desk.').replace('%1', entry.left);
        details.append(rest);
      }
      const item = document.createElement('li');
      item.append(details);
      return item;
    }));
    element('readouts-older').textContent =
      tr('Older dismissals of today, in the read-out log at the desk: %1').replace('%1', message.older);
    element('readouts-older').hidden = !message.older;
  }

  function openReadOuts() {
    element('readouts-state').textContent = tr('Reading the read-out log\u2026');
    element('readouts-state').hidden = false;
    element('readouts-list').replaceChildren();
    element('readouts-older').hidden = true;
    element('readouts').showModal();
    send({ type: 'readOuts' });
  }

  // A QR code as squares of an SVG picture, with its quiet zone.
  function qrPicture(link) {
    const ns = 'http://www.w3.org/2000/svg';
    const quiet = 4;
    const side = link.size + 2 * quiet;
    const picture = document.createElementNS(ns, 'svg');
    picture.setAttribute('viewBox', `0 0 ${side} ${side}`);
    picture.setAttribute('class', 'qr');
    picture.setAttribute('role', 'img');
    picture.setAttribute('aria-label', link.url);
    const paper = document.createElementNS(ns, 'rect');
    paper.setAttribute('width', side);
    paper.setAttribute('height', side);
    paper.setAttribute('fill', '#fff');
    let squares = '';
    for (let y = 0; y < link.size; ++y)
      for (let x = 0; x < link.size; ++x)
        if (link.dark[y * link.size + x] === '1') squares += `M${x + quiet} ${y + quiet}h1v1h-1z`;
    const ink = document.createElementNS(ns, 'path');
    ink.setAttribute('d', squares);
    ink.setAttribute('fill', '#000');
    ink.setAttribute('shape-rendering', 'crispEdges');
    picture.append(paper, ink);
    return picture;
  }

  const roleTexts = {
    watch: 'The list and the message on display, read only',
    announce: 'Also choose, dismiss and undo',
    send: 'Officials send messages to the list, and see them read out',
    screen: 'The pool\u2019s caption screen: what is read out, in large type',
  };

  function showLinks(message) {
    for (const link of message.links) {
      if (link.role === role) {
        token = new URL(link.url).hash.slice(1);
        history.replaceState(null, '', '#' + token);
      }
    }
    element('links-list').replaceChildren(...message.links.map((link) => {
      const card = document.createElement('figure');
      card.className = 'link';
      const caption = document.createElement('figcaption');
      const name = document.createElement('strong');
      name.textContent = tr(link.role);
      const what = document.createElement('span');
      what.textContent = tr(roleTexts[link.role]);
      const url = document.createElement('code');
      url.textContent = link.url;
      caption.append(name, what, url);
      card.append(qrPicture(link), caption);
      return card;
    }));
    if (renewing) showNotice(tr('New links are made: the old ones no longer work.'));
    renewing = false;
    otherPages = message.pages;
    element('links-pages').textContent = tr('Pages connected now besides this one: %1').replace('%1', otherPages);
    element('renew-question').textContent = tr('Make new links?') + ' ' +
      tr('The old links stop working on every device. Pages dropped now: %1').replace('%1', otherPages);
  }

  // The planned messages: each with its times and its state; the form
  // below plans a new one or changes the one being edited. The station
  // checks everything; what it refuses comes back as a notice.
  function plannedWhen(message) {
    const span = message.notAfter ? message.notBefore + '\u2013' + message.notAfter : message.notBefore;
    const repeat = message.repeatMinutes > 0
      ? tr('every %1 min').replace('%1', message.repeatMinutes) : tr('once');
    return span + ', ' + repeat;
  }

  function plannedStateText(message) {
    switch (message.state) {
      case 'listed': return tr('on the list (since %1)').replace('%1', message.since);
      case 'readOut': {
        const minutes = Math.floor((message.readAgo + (Date.now() - plannedAt) / 1000) / 60);
        const read = tr('read out at %1 (%2 min ago)').replace('%1', message.readAt).replace('%2', minutes);
        return message.due ? read + ', ' + tr('due again at %1').replace('%1', message.due) : read;
      }
      case 'expired': return tr('expired');
      case 'done': return tr('done');
      default: return tr('waiting (due at %1)').replace('%1', message.due);
    }
  }

  function plannedButton(text, action) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = tr(text);
    button.addEventListener('click', action);
    return button;
  }

  function plannedElement(message) {
    const item = document.createElement('li');
    item.className = message.state + (message.id === editingId ? ' editing' : '');
    item.dataset.id = message.id;
    const when = document.createElement('span');
    when.className = 'when';
    when.textContent = plannedWhen(message);
    const text = markedText('span', message);
    const state = document.createElement('span');
    state.className = 'state';
    state.textContent = plannedStateText(message);
    const buttons = document.createElement('span');
    buttons.className = 'row-buttons';
    buttons.append(plannedButton('Edit', () => editPlanned(message)),
                   plannedButton('Duplicate', () => send({ type: 'plan', edit: 'duplicate', id: message.id })),
                   plannedButton('Remove', () => send({ type: 'plan', edit: 'remove', id: message.id })));
    item.append(when, text, state, buttons);
    return item;
  }

  function showPlanned(message) {
    if (message) {
      plannedSheet = message;
      plannedAt = Date.now();
    }
    if (!plannedSheet.messages.some((m) => m.id === editingId)) newPlanned(false);
    element('planned-list').replaceChildren(...plannedSheet.messages.map(plannedElement));
    element('planned-none').hidden = plannedSheet.messages.length > 0;
    const refused = Boolean(plannedSheet.refusal);
    element('planned-state').textContent = refused
      ? tr('Nothing is added to the list now.') + ' ' + plannedSheet.refusal
      : tr('Each message is added to the list when it is due.');
    element('planned-state').classList.toggle('refused', refused);
  }

  function editPlanned(message) {
    editingId = message.id;
    element('planned-text').value = message.text;
    element('planned-not-before').value = message.notBefore;
    element('planned-not-after').value = message.notAfter;
    element('planned-repeat').value = message.repeatMinutes;
    element('planned-urgent').checked = message.urgent;
    element('planned-save').disabled = false;
    showPlanned();
    element('planned-text').focus();
  }

  function newPlanned(clear = true) {
    editingId = 0;
    element('planned-save').disabled = true;
    if (!clear) return;
    element('planned-text').value = '';
    element('planned-not-after').value = '';
    element('planned-repeat').value = 0;
    element('planned-urgent').checked = false;
    showPlanned();
  }

  function sendPlan(edit) {
    send({
      type: 'plan', edit, id: editingId,
      text: element('planned-text').value,
      notBefore: element('planned-not-before').value.slice(0, 5),
      notAfter: element('planned-not-after').value.slice(0, 5),
      repeatMinutes: Number(element('planned-repeat').value) || 0,
      urgent: element('planned-urgent').checked
    });
  }

  function openLinks() {
    element('renew-confirm').hidden = true;
    element('links').showModal();
    send({ type: 'links' });
  }

  // The send page: the official's name (kept by the browser), the message,
  // and their own recent messages with where each is now.
  function senderName() {
    return element('sender').value.trim();
  }

  function stateText(message) {
    switch (message.state) {
      case 'read': return tr('read out at %1').replace('%1', message.readAt);
      case 'unread': return tr('dismissed unread');
      case 'back': return tr('put back on the announcer\u2019s list');
      default: return tr('on the announcer\u2019s list');
    }
  }

  // A message's text, marked when urgent.
  function markedText(tag, message) {
    const text = document.createElement(tag);
    text.className = 'text';
    if (message.urgent) text.append(urgentMark());
    text.append(document.createTextNode(message.text));
    return text;
  }

  function sentElement(message) {
    const item = document.createElement('li');
    item.className = message.state;
    const text = markedText('div', message);
    const state = document.createElement('div');
    state.className = 'state';
    state.textContent = message.sent + ' \u2013 ' + stateText(message);
    item.append(text, state);
    return item;
  }

  function showSent() {
      const mine = sentMessages.slice(-mostShownSent).reverse();
      element('sent').replaceChildren(...mine.map(sentElement));
      element('none-sent').hidden = mine.length > 0;
  }

  function showAnswer(text, refused) {
    element('answer').textContent = text;
    element('answer').classList.toggle('refused', refused);
  }

  function showTaking(message) {
    element('taking').textContent = message.refusal;
    element('taking').hidden = !message.refusal;
    element('send').disabled = Boolean(message.refusal) || pending !== null;
    element('ready').replaceChildren(...message.ready.map((text) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = text;
      button.addEventListener('click', () => { element('text').value = text; element('text').focus(); });
      return button;
    }));
  }

  function keepPending(message) {
      pending = message;
      if (message)
          localStorage.setItem('kelvane.pending', JSON.stringify(message));
      else
          localStorage.removeItem('kelvane.pending');
      element('send').disabled = message !== null || !element('taking').hidden;
  }

  // The message goes now, or as soon as the page is connected again.
  function sendPending() {
      if (!connected()) {
          showAnswer(tr('Not connected: the message goes as soon as the connection is back.'),
                     false);
          return;
      }
      showAnswer(tr('Sending\u2026'), false);
      send({type : 'send', ...pending});
  }

  // The text stays in its box until the desk has taken it.
  function answered(message) {
      if (!pending || message.number !== pending.number)
          return;
      const text = pending.text;
      keepPending(null);
      if (message.refusal) {
          showAnswer(message.refusal, true);
          return;
      }
      if (element('text').value === text)
          element('text').value = '';
      element('urgent').checked = false;
      showAnswer(tr('Sent.'), false);
  }

  function sendMessage() {
      if (pending)
          return;
      if (!senderName()) {
          showAnswer(tr('Say who is sending: your name or post.'), true);
          element('sender').focus();
          return;
      }
      const number = Number(localStorage.getItem('kelvane.sendNumber') || 0) + 1;
      localStorage.setItem('kelvane.sendNumber', String(number));
      keepPending({
          number : number,
          sender : senderName(),
          text : element('text').value,
          urgent : element('urgent').checked
      });
      sendPending();
  }

  function welcome(message) {
    role = message.role;
    document.body.dataset.role = role;
    if (Array.isArray(message.readingSteps) && message.readingSteps.length) steps = message.readingSteps;
    lostSince = null;
    retryMs = 1000;
    showBanner('');
    element('role').textContent = 'kelvane \u2013 ' + tr(role);
    element('chosen-title').textContent = tr(announcing() ? 'Your message' : 'On the announcer\u2019s display');
    element('actions').hidden = !announcing();
    for (const id of ['readouts-open', 'planned-open', 'links-open']) element(id).hidden = !announcing();
    const sending = role === 'send';
    element('sound').hidden = sending;
    for (const id of ['compose', 'mine']) element(id).hidden = !sending;
    const screen = role === 'screen';
    for (const id of ['chosen', 'messages'])
        element(id).hidden = sending || screen;
    element('caption').hidden = !screen;
    document.querySelector('header').hidden = screen;
    pageTitle = 'kelvane ' + tr(role);
    document.title = pageTitle;
    if (sending && pending)
        sendPending();
  }

  function handle(message) {
    switch (message.type) {
      case 'welcome': welcome(message); break;
      case 'list': showList(message); break;
      case 'desk': desk = message; showMessage(); break;
      case 'shown': showOwn(message); break;
      case 'trouble':
        element('trouble').textContent = message.text;
        element('trouble').hidden = !message.text;
        break;
      case 'notice': showNotice(message.text); break;
      case 'taking': showTaking(message); break;
      case 'sent': sentMessages = message.messages; showSent(); break;
      case 'answer': answered(message); break;
      case 'readOuts': showReadOuts(message); break;
      case 'links': showLinks(message); break;
      case 'planned': showPlanned(message); break;
      case 'caption': showCaption(message); break;
      case 'screen': screenState = message; showScreenState(); break;
      case 'ping': send({ type: 'pong' }); break;
    }
  }

  // A page the station will not take back does nothing more: no button
  // looks as if it would; typed text stays to be copied.
  function closeForGood(text) {
    showBanner(text);
    for (const control of document.querySelectorAll('main button, main input[type=checkbox]')) control.disabled = true;
    for (const field of document.querySelectorAll('main input[type=text], main textarea')) field.readOnly = true;
  }

  function closed(code) {
    socket = null;
    role = null;
    if (code === 4001) {
      closeForGood(tr('This link no longer works. Ask the announcer for the new one.'));
      return;
    }
    if (code === 4003) {
      closeForGood(tr('The station closed this page: this link does not allow that.'));
      return;
    }
    if (pending)
        sendPending();
    if (lostSince === null) lostSince = new Date();
    showBanner(tr('Not connected since %1, trying again').replace('%1', time(lostSince)));
    setTimeout(connect, retryMs);
    retryMs = Math.min(retryMs * 2, 5000);
  }

  function connect() {
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    socket = new WebSocket(scheme + '//' + location.host + '/live');
    socket.binaryType = 'arraybuffer';
    lastHeard = Date.now();
    socket.addEventListener('open', () => send({
                                        type : 'hello',
                                        token : token,
                                        language : document.documentElement.lang,
                                        page : identity
                                    }));
    socket.addEventListener('message', (event) => {
      lastHeard = Date.now();
      handle(JSON.parse(typeof event.data === 'string' ? event.data : decoder.decode(event.data)));
    });
    socket.addEventListener('close', (event) => closed(event.code));
  }

  // A station that vanished without closing (its computer left the
  // network) is noticed by its silence: it pings every 20 seconds.
  setInterval(() => {
    if (socket && socket.readyState === WebSocket.OPEN && Date.now() - lastHeard > silentAfterMs) socket.close();
  }, 5000);

  element('smaller').addEventListener('click', () => step(-1));
  element('larger').addEventListener('click', () => step(1));
  element('dismiss').addEventListener('click', dismissShown);
  element('undo').addEventListener('click', () => send({ type: 'undo' }));
  element('hold').addEventListener('click', toggleHold);
  element('blank').addEventListener('click', toggleBlank);
  window.addEventListener('resize', () => {
    if (document.body.dataset.face === 'message') fitCaption();
  });
  element('sound').addEventListener('click', toggleSound);
  element('readouts-open').addEventListener('click', openReadOuts);
  element('links-open').addEventListener('click', openLinks);
  element('planned-open').addEventListener('click', () => {
    showPlanned();
    element('planned').showModal();
  });
  element('planned-add').addEventListener('click', () => sendPlan('add'));
  element('planned-save').addEventListener('click', () => sendPlan('change'));
  element('planned-new').addEventListener('click', () => newPlanned());
  // The ages of read-out messages move on while the sheet is open.
  setInterval(() => { if (element('planned').open) showPlanned(); }, 30000);
  for (const close of document.querySelectorAll('dialog .close'))
    close.addEventListener('click', () => close.closest('dialog').close());
  element('renew').addEventListener('click', () => {
    element('renew-confirm').hidden = false;
    element('renew-no').focus();
  });
  element('renew-no').addEventListener('click', () => { element('renew-confirm').hidden = true; });
  element('renew-yes').addEventListener('click', () => {
    element('renew-confirm').hidden = true;
    renewing = true;
    send({ type: 'newLinks' });
  });
  document.addEventListener('keydown', deskKey);
  element('send').addEventListener('click', sendMessage);
  element('sender').value = localStorage.getItem('kelvane.sender') || '';
  element('sender').addEventListener('input',
                                     () => localStorage.setItem('kelvane.sender', senderName()));
  // A message that was on its way when the page was left is still there.
  if (pending && !element('text').value)
      element('text').value = pending.text;
  setPoints(points);
  if (!token) {
    showBanner(tr('Open this page with a link from the announcer\u2019s station window.'));
    return;
  }
  connect();
})();
