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
  let asking = 0;
  let numbered = 0;
  const mostShownSent = 10;
  const decoder = new TextDecoder();
  // The station sends the page in the browser's language and the script's
  // texts with it; English where it has none.
  const texts = JSON.parse(document.body.dataset.texts || '{}');
  const tr = (english) => texts[english] || english;

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
    const name = senderName();
    const mine = sentMessages.filter((message) => message.sender === name).slice(-mostShownSent).reverse();
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
    element('send').disabled = Boolean(message.refusal) || asking !== 0;
    element('ready').replaceChildren(...message.ready.map((text) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = text;
      button.addEventListener('click', () => { element('text').value = text; element('text').focus(); });
      return button;
    }));
  }

  // The text stays in its box until the desk has taken it.
  function answered(message) {
    if (message.number !== asking) return;
    asking = 0;
    element('send').disabled = !element('taking').hidden;
    if (message.refusal) {
      showAnswer(message.refusal, true);
      return;
    }
    element('text').value = '';
    element('urgent').checked = false;
    showAnswer(tr('Sent.'), false);
  }

  function sendMessage() {
    if (!senderName()) {
      showAnswer(tr('Say who is sending: your name or post.'), true);
      element('sender').focus();
      return;
    }
    asking = ++numbered;
    element('send').disabled = true;
    showAnswer(tr('Sending\u2026'), false);
    send({ type: 'send', number: asking, sender: senderName(), text: element('text').value, urgent: element('urgent').checked });
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
    for (const id of ['chosen', 'messages']) element(id).hidden = sending;
    // An answer lost with the connection leaves the text to send again.
    asking = 0;
    document.title = 'kelvane ' + tr(role);
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
    socket.addEventListener('open', () => send({ type: 'hello', token: token, language: document.documentElement.lang }));
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
  element('sender').addEventListener('input', () => {
    localStorage.setItem('kelvane.sender', senderName());
    showSent();
  });
  setPoints(points);
  if (!token) {
    showBanner(tr('Open this page with a link from the announcer\u2019s station window.'));
    return;
  }
  connect();
})();
