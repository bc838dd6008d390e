// Screenshots of the dashboard sites built by scripts/check-dashboards.sh, for a person to look at: each Allure
// version's overview and one failure of the second run, served from loopback and taken in headless Chromium.
// usage: NODE_PATH=<viewers' node_modules> node dashboard-screenshots.js WORK_DIR OUT_DIR
const fs = require('fs');
const http = require('http');
const path = require('path');
const { chromium } = require('playwright-core');

const [work, out] = process.argv.slice(2);
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
                '.svg': 'image/svg+xml', '.png': 'image/png', '.ico': 'image/x-icon', '.txt': 'text/plain' };

function serve(root) {
  return http.createServer((request, response) => {
    const file = path.join(root, decodeURIComponent(request.url.split('?')[0]));
    const within = file.startsWith(root) && fs.existsSync(file) && fs.statSync(file).isFile();
    response.writeHead(within ? 200 : 404, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
    response.end(within ? fs.readFileSync(file) : '');
  });
}

// A failed test of the faulty corpus that every run has, with findings in its message.
function failurePage(site, version) {
  const folder = version === 2 ? 'data/test-cases' : 'data/test-results';
  for (const name of fs.readdirSync(path.join(site, folder)).sort()) {
    const test = JSON.parse(fs.readFileSync(path.join(site, folder, name), 'utf8'));
    const message = version === 2 ? test.statusMessage : (test.error || {}).message;
    if (test.status === 'failed' && test.name === 'we_presented_all_events' && message) {
      return version === 2 ? `#testresult/${test.uid}` : `#${test.id}`;
    }
  }
  throw new Error(`no failure to show in ${site}`);
}

(async () => {
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  for (const version of [2, 3]) {
    const site = path.join(work, `allure${version}-run2`);
    const server = serve(site);
    await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
    const base = `http://127.0.0.1:${server.address().port}/index.html`;
    const page = await browser.newPage({ viewport: { width: 1400, height: 900 } });
    for (const [shot, anchor] of [['overview', ''], ['failure', failurePage(site, version)]]) {
      await page.goto(base + anchor);
      await page.waitForTimeout(3000);
      const file = path.join(out, `allure${version}-${shot}.png`);
      await page.screenshot({ path: file });
      console.log(`dashboard screenshot: ${file}`);
    }
    await page.close();
    server.close();
  }
  await browser.close();
})().catch((error) => {
  console.error(`dashboard screenshots: ${error.message}`);
  process.exit(1);
});
