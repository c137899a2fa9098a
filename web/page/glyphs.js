// SPDX-License-Identifier: GPL-3.0-or-later
// The speed buttons' small pictures, drawn on a 16 x 16 canvas in the same
// shapes and colours as the desktop program's.
'use strict';

const Glyphs = (() => {
  const pen = (c, colour, width = 1, dash = null) => {
    c.strokeStyle = colour; c.lineWidth = width; c.setLineDash(dash || []);
  };
  const line = (c, x1, y1, x2, y2) => { c.beginPath(); c.moveTo(x1, y1); c.lineTo(x2, y2); c.stroke(); };
  const rect = (c, x, y, w, h, fill) => {
    if (fill) { c.fillStyle = fill; c.fillRect(x, y, w, h); }
    c.strokeRect(x + 0.5, y + 0.5, w, h);
  };
  const ellipse = (c, cx, cy, rx, ry, fill, stroke = true) => {
    c.beginPath(); c.ellipse(cx, cy, rx, ry, 0, 0, 2 * Math.PI);
    if (fill) { c.fillStyle = fill; c.fill(); }
    if (stroke) c.stroke();
  };
  const dot = (c, cx, cy, r, fill) => ellipse(c, cx, cy, r, r, fill, false);
  const folder = (c) => { pen(c, 'rgb(120,90,0)'); rect(c, 1, 4, 12, 9, 'rgb(250,210,90)'); rect(c, 1, 3, 5, 1, 'rgb(250,210,90)'); };
  const documentShape = (c) => { pen(c, 'rgb(60,60,60)'); rect(c, 2, 1, 9, 13, 'white'); };
  const redCross = (c) => { pen(c, 'rgb(190,0,0)', 2); line(c, 3, 3, 13, 13); line(c, 13, 3, 3, 13); };
  const shadedBall = (c) => {
    const g = c.createRadialGradient(6, 6, 0, 6, 6, 9);
    g.addColorStop(0, 'rgb(255,255,255)'); g.addColorStop(1, 'rgb(90,90,90)');
    dot(c, 8, 8, 6, g);
  };
  const meridian = (c) => { ellipse(c, 8, 8, 3, 6, null); line(c, 2, 8, 14, 8); };
  const green = 'rgb(0,100,0)', blue = 'rgb(0,0,140)', red = 'rgb(200,0,0)';
  const painters = {
    load: (c) => { folder(c); pen(c, 'rgb(0,110,0)', 2); line(c, 10, 1, 10, 7); line(c, 8, 5, 10, 7); line(c, 12, 5, 10, 7); },
    add: (c) => { documentShape(c); pen(c, 'rgb(0,110,0)', 2); line(c, 11, 8, 11, 14); line(c, 8, 11, 14, 11); },
    save: (c) => {
      pen(c, 'rgb(20,20,90)'); rect(c, 1, 1, 13, 13, 'rgb(60,80,170)');
      rect(c, 4, 1, 7, 5, 'white'); rect(c, 4, 9, 7, 5, 'rgb(200,200,200)');
    },
    editor: (c) => {
      pen(c, 'rgb(40,40,40)'); line(c, 13.5, 1, 13.5, 14);
      pen(c, 'rgb(200,60,0)', 2); line(c, 3, 13, 10, 3);
      c.fillStyle = 'rgb(30,30,30)'; c.fillRect(2, 14, 1, 1);
    },
    rotate: (c) => {
      const g = c.createLinearGradient(2, 0, 14, 0);
      g.addColorStop(0, 'rgb(90,40,10)'); g.addColorStop(0.4, 'rgb(240,190,120)'); g.addColorStop(1, 'rgb(110,50,15)');
      c.beginPath(); c.moveTo(5, 2); c.bezierCurveTo(2, 7, 3, 12, 6, 14); c.lineTo(10, 14);
      c.bezierCurveTo(13, 12, 14, 7, 11, 2); c.closePath(); c.fillStyle = g; c.fill();
      pen(c, 'rgb(0,0,160)'); c.beginPath(); c.ellipse(8, 2.5, 7, 2.5, 0, Math.PI * 20 / 180, Math.PI * 160 / 180); c.stroke();
    },
    freecurve: (c) => { pen(c, green, 1.6); c.beginPath(); c.moveTo(2, 12); c.bezierCurveTo(4, 2, 9, 16, 14, 4); c.stroke(); },
    line: (c) => { pen(c, green, 1.6); line(c, 2, 13, 14, 3); },
    vline: (c) => { pen(c, green, 1.6); line(c, 8, 2, 8, 14); },
    hline: (c) => { pen(c, green, 1.6); line(c, 2, 8, 14, 8); },
    point: (c) => dot(c, 8, 8, 2.2, green),
    circle: (c) => { pen(c, green, 1.4); ellipse(c, 8, 8, 5.5, 5.5, null); },
    ellipse: (c) => { pen(c, green, 1.4); ellipse(c, 8, 8, 6.5, 3.8, null); },
    rect: (c) => { pen(c, green, 1.4); c.strokeRect(2.5, 4.5, 11, 7); },
    move: (c) => {
      pen(c, blue, 1.4); line(c, 2, 8, 14, 8); line(c, 8, 2, 8, 14); line(c, 12, 6, 14, 8); line(c, 12, 10, 14, 8);
      line(c, 6, 4, 8, 2); line(c, 10, 4, 8, 2);
    },
    scale: (c) => { pen(c, blue, 1.2); c.strokeRect(1.5, 7.5, 5, 5); c.strokeRect(5.5, 2.5, 9, 10); },
    turn: (c) => {
      pen(c, blue, 1.4); c.beginPath(); c.arc(8, 8, 5, -Math.PI * 30 / 180, -Math.PI * 310 / 180, true); c.stroke();
      line(c, 12, 3, 12, 6); line(c, 12, 6, 9, 6);
    },
    split: (c) => { pen(c, green, 1.4); line(c, 2, 12, 6, 8); line(c, 10, 8, 14, 4); pen(c, red, 1.2); line(c, 8, 3, 8, 13); },
    join: (c) => { pen(c, green, 1.4); line(c, 2, 12, 8, 8); line(c, 8, 8, 14, 4); dot(c, 8, 8, 2, red); },
    movevertex: (c) => {
      pen(c, green, 1.2); line(c, 2, 13, 7, 5); line(c, 7, 5, 14, 12); c.fillStyle = red; c.fillRect(5, 3, 4, 4);
    },
    property: (c) => { dot(c, 6, 6, 4, 'rgb(220,40,40)'); dot(c, 10, 6, 4, 'rgb(40,160,40)'); dot(c, 8, 10, 4, 'rgb(40,60,220)'); },
    delete: redCross,
    updown: (c) => {
      pen(c, blue, 1.4); line(c, 8, 1, 8, 15); line(c, 5, 4, 8, 1); line(c, 11, 4, 8, 1);
      line(c, 5, 12, 8, 15); line(c, 11, 12, 8, 15);
    },
    clearall: (c) => { documentShape(c); redCross(c); },
    setcolor: (c) => {
      const g = c.createConicGradient ? c.createConicGradient(0, 8, 8) : 'rgb(200,80,80)';
      if (g.addColorStop) {
        g.addColorStop(0, 'red'); g.addColorStop(0.33, 'lime'); g.addColorStop(0.66, 'blue'); g.addColorStop(1, 'red');
      }
      dot(c, 8, 8, 6.5, g);
    },
    stdcolor: (c) => { pen(c, 'rgb(80,80,80)'); ellipse(c, 8, 8, 6, 6, 'rgb(250,250,250)'); },
    wire: (c) => { pen(c, 'black'); ellipse(c, 8, 8, 6, 6, null); meridian(c); },
    surface: shadedBall,
    mesh: (c) => { shadedBall(c); pen(c, 'black', 0.8); meridian(c); },
    stdmethod: (c) => { pen(c, 'rgb(80,80,80)', 1, [3, 2]); ellipse(c, 8, 8, 6, 6, null); },
  };
  return { painters };
})();

// Draws the named glyph once per canvas (nothing for an unknown name).
function drawGlyph(canvas, name) {
  if (canvas.dataset.glyph === name) return;
  canvas.dataset.glyph = name;
  const c = canvas.getContext('2d');
  c.clearRect(0, 0, 16, 16);
  const paint = Glyphs.painters[name];
  if (paint) { c.save(); paint(c); c.restore(); }
}
