// The browser station's page: the desk's list and a message on display,
// kept current over one live connection. Every text from the desk is put
// in as text (textContent), never as markup.
'use strict';

(function () {
  const token = decodeURIComponent(location.hash.slice(1));
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
    element('dismiss').disabled = !shown.key;
    for (const item of element('list').children)
      item.classList.toggle('chosen', item.dataset.key === shown.key && shown.key !== '');
  }

  function lineElement(line) {
    const item = document.createElement('li');
    item.dataset.key = line.key;
    if (line.new) item.classList.add('new');
    const body = document.createElement(announcing() ? 'button' : 'div');
    body.className = 'line';
    if (announcing()) {
      body.type = 'button';
      body.addEventListener('click', () => send({ type: 'choose', key: line.key }));
    }
    const text = document.createElement('span');
    text.className = 'text';
    text.textContent = line.more ? line.line + ' \u2026' : line.line;
    const arrived = document.createElement('span');
    arrived.className = 'time';
    arrived.textContent = line.arrived;
    body.append(text, arrived);
    item.append(body);
    return item;
  }

  function showList(message) {
    const list = element('list');
    list.replaceChildren(...message.lines.map(lineElement));
    element('count').textContent = message.lines.length ? '(' + message.lines.length + ')' : '';
    element('empty').hidden = message.lines.length > 0;
    element('empty').textContent = tr(message.open ? 'No messages.' : 'The announcer screen is closed.');
    showMessage();
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

  function sentElement(message) {
    const item = document.createElement('li');
    item.className = message.state;
    const text = document.createElement('div');
    text.className = 'text';
    if (message.urgent) {
      const mark = document.createElement('span');
      mark.className = 'urgent-mark';
      mark.textContent = tr('Urgent');
      text.append(mark);
    }
    text.append(document.createTextNode(message.text));
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
    if (Array.isArray(message.readingSteps) && message.readingSteps.length) steps = message.readingSteps;
    lostSince = null;
    retryMs = 1000;
    showBanner('');
    element('role').textContent = 'kelvane \u2013 ' + tr(role);
    element('chosen-title').textContent = tr(announcing() ? 'Your message' : 'On the announcer\u2019s display');
    element('actions').hidden = !announcing();
    const sending = role === 'send';
    for (const id of ['compose', 'mine']) element(id).hidden = !sending;
    for (const id of ['chosen', 'messages'])
        element(id).hidden = sending;
    document.title = 'kelvane ' + tr(role);
    if (sending && pending)
        sendPending();
  }

  function handle(message) {
    switch (message.type) {
      case 'welcome': welcome(message); break;
      case 'list': showList(message); break;
      case 'desk': desk = message; showMessage(); break;
      case 'shown': own = message; showMessage(); break;
      case 'trouble':
        element('trouble').textContent = message.text;
        element('trouble').hidden = !message.text;
        break;
      case 'notice': showNotice(message.text); break;
      case 'taking': showTaking(message); break;
      case 'sent': sentMessages = message.messages; showSent(); break;
      case 'answer': answered(message); break;
      case 'ping': send({ type: 'pong' }); break;
    }
  }

  function closed(code) {
    socket = null;
    role = null;
    if (pending)
        sendPending();
    if (code === 4001) {
      showBanner(tr('This link no longer works. Ask the announcer for the new one.'));
      return;
    }
    if (code === 4003) {
      showBanner(tr('The station closed this page: this link does not allow that.'));
      return;
    }
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
  element('dismiss').addEventListener('click', () => send({ type: 'dismiss', key: own.key }));
  element('undo').addEventListener('click', () => send({ type: 'undo' }));
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
