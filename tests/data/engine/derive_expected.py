#!/usr/bin/env python3
"""Writes the expected texts of the engine known-answer cases beside this file.

Every number is worked out here from the rules, in single precision where the program
works in single precision (struct rounds each step to float32); event-line amounts that
earlier tests had checked by hand are taken over as they were. Run it from anywhere:
    python3 tests/data/engine/derive_expected.py
"""
import struct, os
def f(x):
    return struct.unpack('f', struct.pack('f', x))[0]
F001 = f(0.01)
def money(x):
    s = '%.2f' % x
    neg = s.startswith('-')
    ip, dp = s.lstrip('-').split('.')
    return '$' + ('-' if neg else '') + '{:,}'.format(int(ip)) + '.' + dp
def col(x):
    return '%15s' % money(x)
def snap(x):
    return 0.0 if -1.0 < x < 1.0 else x
def totals(age, inv=0.0, tf=0.0, ret=0.0, asset=0.0, eq=0.0, liab=0.0, agetext=None):
    vals = [snap(f(v)) for v in (inv, tf, ret, asset, eq, liab)]
    net = f(f(f(f(f(vals[0] + vals[1]) + vals[2]) + vals[4]) + vals[3]) - vals[5])
    a = agetext if agetext is not None else '%-5.1f' % age
    return a + '\t' + '\t'.join(col(v) for v in vals + [net])
def write(case, files):
    d = os.path.join(os.path.dirname(os.path.abspath(__file__)), case)
    os.makedirs(d, exist_ok=True)
    for name, text in files.items():
        if isinstance(text, list):
            text = ''.join(l + '\n' for l in text)
        open(os.path.join(d, name), 'w').write(text)

# Cases whose numbers come from the hand-checked expectations of the former engine tests;
# the totals lines are summed here.

# --- interest_summary: 10,000 at 5 %, interest taxed at 15 %, summary switch.
write('interest_summary', {
 'scenario.txt': ['header start=60 end=62 tax=15', 'account name=Broker kind=investment amount=10000 rate=5'],
 'run.txt': ['summary'],
 'schedule.txt': [
  totals(60, inv=10000), 'Financial Events:', '  Pay $75.00 Tax On Savings Interest', 'Summary:',
  '    Total Incoming=$500.00', '       Taxable Income=$500.00', '    Total Outgoing=$75.00',
  '       Taxes on savings interest=$75.00',
  totals(61, inv=10425), 'Financial Events:', '  Pay $78.19 Tax On Savings Interest', 'Summary:',
  '    Total Incoming=$521.25', '       Taxable Income=$521.25', '    Total Outgoing=$78.19',
  '       Taxes on savings interest=$78.19',
  totals(62, inv=10868.0625)]})

# --- run_files: the run files and the plot file of a two-account run.
write('run_files', {
 'scenario.txt': ['header start=60 end=61 file=plan.RET', 'account name=Broker amount=1000 rate=10',
                  'account name=Car kind=asset amount=2000 rate=-10'],
 'run.txt': ['today=2026-12-06T09:30:05'],
 'schedule.txt': [totals(60, inv=1000, asset=2000), 'Financial Events:',
                  '  Pay $15.00 Tax On Savings Interest', totals(61, inv=1085, asset=1800)],
 'infile.txt': '2\nBroker\nCar\n 60.0\tBroker\t       100.00\nDooone\n',
 'outfile.txt': ' 60.0\tCar\t       200.00\n 60.0\tBroker\t        15.00\nDooone\n',
 'bigfile.txt': ''.join(' %s\t%s\t%d\t%13s\n' % (a, n, k, v) for a in ('60.0', '61.0') for n, k, v in
     [('Interest Earned', 2, '100.00'), ('Equity', 2, '0.00'), ('Appreciation', 2, '0.00'),
      ('Taxes', 6, '15.00' if a == '60.0' else '0.00'), ('Interest Paid', 6, '0.00'), ('Penalties', 6, '0.00')]) + 'Dooone\n',
 'plotinf01.txt': ('1\nFile: plan.RET\nDate: 12/06/26\nTime: 09:30:05\n2.00\n2\nBroker\nCar\n'
     '1000.00\n2000.00\n'
     '60.0 1000.00 0.00 0.00 2000.00 0.00 3000.00 '
     '100.00 0.00 100.00 0.00 215.00 0.00 15.00 0.00 0.00 0.00 0.00 0.00 200.00\n'
     '1085.00\n1800.00\n'
     '61.0 1085.00 0.00 0.00 1800.00 0.00 2885.00 '
     '100.00 0.00 100.00 0.00 200.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 200.00\n'
     '\n\n\n\n\n\n\n\n\n\n0\n0\nDone\n')})

# --- export_tab / export_csv: 10 % taxed at 15 % beside a house of 50,000.
inv61 = f(1000 + f(f(1000 * 10) * F001) - 15)      # 1085
i61 = f(f(inv61 * 10) * F001)                        # 108.5
t61 = f(f(i61 * 15) * F001)                          # 16.27499...
inv62 = f(f(inv61 + i61) - t61)
sched = [totals(60, inv=1000, eq=50000), 'Financial Events:', '  Pay $15.00 Tax On Savings Interest',
         totals(61, inv=inv61, eq=50000), 'Financial Events:', '  Pay %s Tax On Savings Interest' % money(t61),
         totals(62, inv=inv62, eq=50000)]
scen = ['header start=60 end=62', 'account name=Savings amount=1000 rate=10',
        'account name=House kind=equity amount=50000']
# The total adds every account and only the equity no account holds: the house is counted
# once (equity total 50,000 less the Equity account's 50,000).
def export_row(sep, age, savings):
    total = f(f(f(0 + savings) + 50000) + f(50000 - 50000))
    return sep.join(['%.2f' % age, '%.2f' % savings, '50000.00', '50000.00']) + sep + '%.2f\n' % total
write('export_tab', {'scenario.txt': scen, 'run.txt': [''], 'schedule.txt': sched,
 'export.tab': 'Age\tSavings\tHouse\tEquity\tTotal\n' + export_row('\t', 60, 1000) +
               export_row('\t', 61, inv61) + export_row('\t', 62, inv62)})
write('export_csv', {'scenario.txt': ['header start=60 end=61'] + scen[1:], 'run.txt': [''],
 'schedule.txt': sched[:3] + [totals(61, inv=inv61, eq=50000)],
 'export.csv': 'Age,Savings,House,Equity,Total,\n' + export_row(',', 60, 1000) + export_row(',', 61, inv61)})

# Cases for every event kind. Event-line amounts of the moved tests are their hand-checked
# values; everything else is worked out here in single precision from the rules.

# --- deposits: before-tax one-time, yearly +3 %, one-time after its end age. No growth.
tax = f(f(15 * F001) * 1000)                       # 150
net = f(1000 * f(1 - f(15 * F001)))                # 850
pay = [1000.0, f(1000 * f(1 + f(3 * F001)))]
pay.append(f(pay[1] * f(1 + f(3 * F001))))        # 1060.90
tf = [0.0, 1000.0]
tf.append(f(f(tf[1] + pay[1]) + 500))
tf.append(f(tf[2] + pay[2]))
write('deposits', {
 'scenario.txt': ['header start=60 end=63 tax=15 inflation=0',
                  'account name=Bank kind=taxfree', 'account name=Broker kind=investment',
                  'deposit name=Bonus start=60 once=1 amount=1000 before-tax=1 to=Broker',
                  'deposit name=Pay start=60 end=70 amount=1000 adjust=3 to=Bank',
                  'deposit name=Gift start=61 end=0 once=1 amount=500 to=Bank'],
 'run.txt': [''],
 'schedule.txt': [totals(60), 'Financial Events:',
   '  Bonus - Deposit %s to Broker. %s tax deducted from deposit.' % (money(net), money(tax)),
   '  Pay - Deposit $1,000.00 to Bank', '  Deposit Taxes = $150.00',
   totals(61, inv=net, tf=tf[1]), 'Financial Events:',
   '  Pay - Deposit %s to Bank' % money(pay[1]), '  Gift - Deposit $500.00 to Bank',
   totals(62, inv=net, tf=tf[2]), 'Financial Events:', '  Pay - Deposit %s to Bank' % money(pay[2]),
   totals(63, inv=net, tf=tf[3])]})

# --- birthday: 91 days since the birthday on December 6: the first year is prorated.
frac = f(91 * f(0.0027397260273972603))
start = f(45 + frac)
yf = f(1 - f(start - 45))
dep = f(1000 * yf)
bal = f(10000 + dep)
i45 = f(f(f(bal * 10) * F001) * yf)
bal46 = f(bal + i45)
dep46 = f(1000 * f(1 + f(3 * F001)))   # grown from the whole amount, not the prorated one
bal46b = f(bal46 + dep46)
i46 = f(f(f(bal46b * 10) * F001) * 1.0)
bal47 = f(bal46b + i46)
write('birthday', {
 'scenario.txt': ['header start=45 end=47', 'birthday month=9 day=6',
                  'account name=Bank kind=taxfree amount=10000 rate=10',
                  'deposit name=Pay start=45 end=70 amount=1000 adjust=3 to=Bank'],
 'run.txt': ['today=2026-12-06T00:00:00'],
 'schedule.txt': [totals(45, tf=10000, agetext='%-5.1f' % start), 'Financial Events:',
   '  Pay - Deposit %s to Bank' % money(dep),
   totals(46, tf=bal46), 'Financial Events:', '  Pay - Deposit %s to Bank' % money(dep46),
   totals(47, tf=bal47)]})

# --- rate_change: the table order decides which inflation a deposit grows by.
b = 0.0
lines = []
b = f(b + 100); b60 = b; b = f(b + f(f(b * 4) * F001))      # 104
b61 = b
b = f(b + 100); b = f(b + f(f(b * 6) * F001))               # rate 6 from 61
b62 = b
b = f(b + 100); b = f(b + f(f(b * 6) * F001))
b63 = b
amt63 = f(100 * f(1 + f(10 * F001)))                         # 110
b = f(b + amt63); b = f(b + f(f(b * 6) * F001))
b64 = b
write('rate_change', {
 'scenario.txt': ['header start=60 end=64 tax=15 inflation=0',
                  'account name=Bank kind=taxfree rate=4',
                  'rates name=Same age=60 tax=15',
                  'deposit name=Pay start=60 end=70 amount=100 inflation=1 to=Bank',
                  'rates name=Change age=61 tax=20 inflation=10 account=Bank rate=6'],
 'run.txt': [''],
 'schedule.txt': [totals(60), 'Financial Events:', '  Same - Rate Changes: ', '  Pay - Deposit $100.00 to Bank',
   totals(61, tf=b61), 'Financial Events:', '  Pay - Deposit $100.00 to Bank', '  Change - Rate Changes: ',
   '     Bank = 6.00%', '     Tax Rate = 20.00%', '     Inflation Rate = 10.00%',
   totals(62, tf=b62), 'Financial Events:', '  Pay - Deposit $100.00 to Bank',
   totals(63, tf=b63), 'Financial Events:', '  Pay - Deposit %s to Bank' % money(amt63),
   totals(64, tf=b64)]})

# --- transfers: Retirement to Retirement untaxed; a short transfer out of Retirement is taxed
# on what moved, reported, and its tax is funded from the next liquid account.
write('transfers', {
 'scenario.txt': ['header start=60 end=63 tax=15 inflation=0',
                  'account name=IRA kind=retirement amount=3000', 'account name=IRA2 kind=retirement',
                  'account name=Bank kind=investment amount=100000',
                  'transfer name=Roll start=60 once=1 amount=1000 from=IRA to=IRA2',
                  'transfer name=Cash start=61 once=1 amount=5000 from=IRA to=Bank'],
 'run.txt': [''],
 'schedule.txt': [totals(60, inv=100000, ret=3000), 'Financial Events:',
   '  Roll  Transfer $1,000.00 from IRA to IRA2 ',
   totals(61, inv=100000, ret=3000), 'Financial Events:',
   '  Cash  Transfer $2,000.00 from IRA to Bank ', '  Cash - IRA depleted $3,000.00 not transferred!',
   '  Withdrawal Taxes = $300.00',
   totals(62, inv=102000, ret=700), 'Financial Events:',
   totals(63, inv=102000, ret=700), 'Red flags at age(s):',
   ' 61.0   There were 1 transfer(s) not completed due to insufficient funds starting at this age.']})

# --- withdrawals: detailed; the default funding and a chosen account that runs dry.
write('withdrawals', {
 'scenario.txt': ['header start=60 end=61 tax=15 inflation=0',
                  'account name=First amount=1000 order=1', 'account name=Second amount=1000 order=2',
                  'withdrawal name=A start=60 once=1 amount=800',
                  'withdrawal name=B start=60 once=1 amount=800 from=First'],
 'run.txt': ['detailed'],
 'schedule.txt': ['Initial Rates:', ' First = 0.00%', ' Second = 0.00%', ' Tax = 15.00%',
   ' Inflation = 0.00%', ' Appreciation = 0.00%',
   totals(60, inv=2000), 'Financial Events:', '  A - Withdraw $800.00', '      $800.00 from First',
   '  B - Withdraw $800.00', '      $200.00 from First',
   '      Withdrawal account First depleted $600.00 withdrawn from other accounts!',
   '      $600.00 from Second', 'Summary:', '    Total Incoming=$0.00', '    Total Outgoing=$1,600.00',
   '       Withdrawals=$1,600.00',
   totals(61, inv=400)]})

# --- budget: items grow by their own rates, one with inflation; a tracked item is listed.
rent = [1200.0, f(1200 * f(1 + f(2 * F001)))]
food = [1000.0, f(1000 * f(1 + f(5 * F001)))]
tot61 = f(rent[1] + food[1])
write('budget', {
 'scenario.txt': ['header start=60 end=62 tax=15 inflation=2',
                  'account name=Bank amount=100000',
                  'budget number=2 name=Living start=60 end=70',
                  'item name=Rent amount=100 monthly=1 inflation=1',
                  'item name=Food amount=1000 apply=5 track=1'],
 'run.txt': [''],
 'schedule.txt': [totals(60, inv=100000), 'Financial Events:', '  Budget - Living - Withdraw $2,200.00',
   '           Tracking budget item(s):', '                Food - $1,000.00',
   totals(61, inv=97800), 'Financial Events:', '  Budget - Living - Withdraw %s' % money(tot61),
   '           Tracking budget item(s):', '                Food - %s' % money(food[1]),
   totals(62, inv=f(97800 - tot61))]})

# --- card: 1,000 at 18 % paid 100 a month from Bank; the tenth month clears it.
c = 1000.0; paid = 0.0; interest_sum = 0.0
for month in range(12):
    i = f(f(f(f(c * 18) * f(1 / 365)) * 30) * F001)
    if f(c - 100) < 100:
        interest_sum = f(interest_sum + i); paid = f(paid + c); c = 0.0; break
    c = f(c - f(100 - i)); interest_sum = f(interest_sum + i); paid = f(paid + 100)
write('credit_card', {
 'scenario.txt': ['header start=40 end=42 tax=15', 'account name=Bank amount=5000',
                  'card name=Visa start=40 payoff=50 balance=1000 rate=18 payment=100 from=Bank'],
 'run.txt': [''],
 'schedule.txt': [totals(40, inv=5000, liab=1000), 'Financial Events:',
   '  Visa - Withdraw %s to pay off credit card.' % money(paid),
   totals(41, inv=f(5000 - paid)), 'Financial Events:',
   totals(42, inv=f(5000 - paid))]})


def rpow(x, n):
    r = x
    for _ in range(n - 1):
        r = f(r * x)
    return r
def loan_payment(P, r, n):
    # Three roundings: q, then d = 1 - 1/q, then P * r / d, each worked out wider.
    q = rpow(f(1 + r), n)
    d = f(1 - 1 / q)
    if d == 0:
        return f(P / max(n, 1))
    return f(P * r / d)
def amortize(P, r, n, first, last, extra=0.0, extra_from=0):
    pay = loan_payment(P, r, n); bal = P; total = 0.0; count = 0; iout = 0.0
    if last < 0: return 0.0, 0.0
    i = 0
    while True:
        it = f(bal * r); pr = f(pay - it)
        if i >= extra_from: pr = f(pr + extra)
        if i >= first:
            iout = f(iout + it); count += 1
            if bal < pr: return f(total + bal), iout
            total = f(total + pr)
        bal = f(bal - pr)
        if bal <= 0: break
        if i + 1 > last: return total, iout
        i += 1
    total = f(total + bal)
    return max(total, 0.0), iout

r = f(f(6 * F001) / 12)
ppaid = 0.0; ipaid = 0.0
for y in range(10):
    p, i = amortize(100000.0, r, 360, 12 * y, 12 * y + 11)
    ppaid = f(ppaid + p); ipaid = f(ipaid + i)
p40, i40 = amortize(100000.0, r, 360, 120, 131)
liab40 = f(100000 - ppaid)   # run-in years moved principal from assets to equity
# The totals as the run keeps them: liabilities and assets fall by each year's principal,
# equity rises by it.
liab = 100000.0; asset = 100000.0; eq = 0.0
for y in range(10):
    p, i = amortize(100000.0, r, 360, 12 * y, 12 * y + 11)
    liab = f(liab - p); asset = f(asset - p); eq = f(eq + p)
y40 = f(p40 + i40)
bank41 = f(50000 - y40)
write('mortgage', {
 'scenario.txt': ['header start=40 end=41 tax=15', 'account name=Bank amount=50000',
                  'mortgage name=Home start=30 payoff=60 amount=100000 rate=6 years=30'],
 'run.txt': [''],
 'schedule.txt': [totals(40, inv=50000, asset=asset, eq=eq, liab=liab), 'Financial Events:',
   '  Home - Withdraw %s for monthly payments - principal=%s interest=%s' % (money(y40), money(p40), money(i40)),
   totals(41, inv=bank41, asset=f(asset - p40), eq=f(eq + p40), liab=f(liab - p40))]})

# --- mortgage_start: down payment and closing costs from a chosen account, property taxes
# growing with inflation, half of the payments in a birthday year, sale with expenses.

# --- rmd: table 1 from 70 with 27.4; the distribution goes to Bank, taxed at 20 %, and the
# tax is funded from Bank, the first liquid account.
amt = f(100000 / f(27.4))
tax = f(f(20 * F001) * amt)
ira = f(100000 - amt)
bank = f(amt - tax)
write('rmd', {
 'scenario.txt': ['header start=70 end=71 tax=20', 'account name=Bank',
                  'account name=IRA kind=retirement amount=100000 rmd=1 penalty=75',
                  'rmd table=1 start=70 name=Uniform divisors=27.4 to=Bank distribution=3'],
 'run.txt': ['detailed'],
 'schedule.txt': ['Initial Rates:', ' Bank = 0.00%', ' IRA = 0.00%', ' Tax = 20.00%',
   ' Inflation = 4.00%', ' Appreciation = 0.00%', totals(70, ret=100000), 'Financial Events:',
   '  Uniform (using RMD Table 1) -  %s Transferred to the Bank account.' % money(amt),
   '      %s from IRA' % money(amt),
   # not penalised although the IRA's penalty age is 75
   '  Withdrawal Taxes = %s' % money(tax), '      %s from Bank' % money(tax),
   'Summary:', '    Total Incoming=$0.00', '    Total Outgoing=%s' % money(tax),
   '       Taxes on withdrawals=%s' % money(tax),
   totals(71, inv=bank, ret=ira)],
 'outfile.txt': ' 70.0\tIRA\t%13.2f\n 70.0\tBank\t%13.2f\nDooone\n' % (amt, tax)})

# --- allocation: equal shares of a withdrawal over the minimum; the short account's lack
# is carried to the next one. The account summary shows the balances.
share = f(f(100 / 3) * F001)
want = f(1500 * share)
low = 0.0; carry = f(want - 100)
mid = f(5000 - f(want + carry)); high = f(5000 - want)
acct = lambda n, v: '  %s=%-20s' % (n, money(v))
write('allocation', {
 'scenario.txt': ['header start=65 end=66 tax=15',
                  'account name=Low amount=100 allocation=1', 'account name=Mid amount=5000 allocation=1',
                  'account name=High amount=5000 allocation=1',
                  'allocation start=65 minimum=1000 mode=2',
                  'withdrawal name=Cash start=65 once=1 amount=1500'],
 'run.txt': ['accounts'],
 'schedule.txt': [totals(65, inv=10100), 'Financial Events:', '  Cash - Withdraw $1,500.00',
   'End Of Year Account Summary:', acct('Low', low), acct('Mid', mid), acct('High', high),
   totals(66, inv=f(f(low + mid) + high))]})


class Gen:
    def __init__(self, seed):
        self.s = seed & 0xFFFFFFFF
        self.rand15()
    def rand15(self):
        low = (self.s & 0xFFFFFFFF) * 22695477 + 1
        self.s = (self.s & ~0xFFFFFFFF) | (low & 0xFFFFFFFF)
        return ((low & 0xFFFFFFFF) >> 16) & 0x7FFF
    def rand31(self):
        self.s = (self.s * (346 * 2**32 + 20021) + 1) % 2**64
        return (self.s >> 32) & 0x7FFFFFFF
    def uniform(self, lo, hi):
        n = int(f(f(hi * 100) - f(lo * 100)))
        if n == 0:
            return lo
        k = self.rand31() % abs(n)
        return f(lo + f(k * F001))

g = Gen(12345)
bal = 1000.0
sched = ['Initial Rates:', ' Fund = 5.00%', ' Tax = 15.00%', ' Inflation = 3.00%', ' Appreciation = 0.00%']
rates = []
for age in (60, 61):
    infl = g.uniform(0.0, 8.0)
    rate = g.uniform(4.0, 9.0)
    rates.append(rate)
    interest = f(f(f(bal * rate) * F001) * 1.0)
    sched += [totals(age, tf=bal), 'Financial Events:', '  Uniform random group rates in effect.',
              '      Stocks rate=%.2f%%' % rate, 'Summary:', '    Total Incoming=%s' % money(interest),
              '       Non Taxable Income=%s' % money(interest), '    Total Outgoing=$0.00']
    bal = f(bal + interest)
total = f(rates[0] + rates[1])
sched += [totals(62, tf=bal), 'Rate Statistics:',
          'Average Stocks Rate    = %-6.2f Number = %-3d Min = %-6.2f Max = %-6.2f' %
          (f(total / 2), 2, min(rates), max(rates))]
write('random_groups', {
 'scenario.txt': ['header start=60 end=62 tax=15 inflation=3', 'random distribution=1',
                  'group index=0 name=Stocks min=4 max=9',
                  'account name=Fund kind=taxfree amount=1000 rate=5 group=0'],
 'run.txt': ['detailed random-groups seed=12345'],
 'schedule.txt': sched})

write('penalty', {
 'scenario.txt': ['header start=50 end=51 tax=15',
                  'account name=IRA kind=retirement amount=20000 order=1 penalty=59 penalty-rate=10',
                  'account name=Broker amount=10000 rate=5 order=2'],
 'run.txt': ['detailed'],
 'schedule.txt': ['Initial Rates:', ' IRA = 0.00%', ' Broker = 5.00%', ' Tax = 15.00%', ' Inflation = 4.00%',
   ' Appreciation = 0.00%', totals(50, inv=10000, ret=20000), 'Financial Events:',
   '  Pay $75.00 Tax On Savings Interest', '      $75.00 from IRA', '  Penalties Paid = $7.50',
   '      $7.50 from IRA', 'Summary:', '    Total Incoming=$500.00', '       Taxable Income=$500.00',
   '    Total Outgoing=$82.50', '       Taxes on savings interest=$75.00', '       Penalties Paid=$7.50',
   totals(51, inv=10500, ret=19917.5), 'Red flags at age(s):',
   ' 50.0   A penalty was paid starting at this age.']})
write('negative_net_worth', {
 'scenario.txt': ['header start=40 end=41', 'account name=Broker amount=100',
                  'account name=Loan kind=asset amount=-500'],
 'run.txt': [''],
 'schedule.txt': [totals(40, inv=100, asset=-500), 'Financial Events:', totals(41, inv=100, asset=-500),
   'Red flags at age(s):', ' 40.0   Your net worth went negative.']})

acct = lambda n, v: '  %s=%-20s' % (n, money(v))
pm = '  Boat loan - Withdraw $1,200.00 for monthly payments - principal=$1,200.00 interest=$0.00'
summ = lambda boat, bank: ['End Of Year Account Summary:', acct('Boat', boat), acct('Bank', bank)]
write('loan', {
 'scenario.txt': ['header start=40 end=44 tax=15',
                  'account name=Boat kind=asset', 'account name=Bank amount=10000',
                  'loan name="Boat loan" start=40 payoff=60 price=12000 years=10 sell=43 to=Boat'],
 'run.txt': ['accounts'],
 'schedule.txt': [totals(40, inv=10000), 'Financial Events:',
   '  Boat loan - Transfer $12,000.00 to Boat from loan', pm] + summ(12000, 8800) + [
   totals(41, inv=8800, asset=12000, liab=10800), 'Financial Events:', pm] + summ(12000, 7600) + [
   totals(42, inv=7600, asset=12000, liab=9600), 'Financial Events:', pm] + summ(12000, 6400) + [
   totals(43, inv=6400, asset=12000, liab=8400), 'Financial Events:',
   '  Boat loan - Sold asset for $12,000.00', '      Deposited $12,000.00 to Bank',
   '   Paid off loan with $8,400.00', '    Total Principal=$3,600.00 Total Interest=$0.00'] + summ(0, 10000) + [
   totals(44, inv=10000)]})
write('missing_account', {
 'scenario.txt': ['header start=60 end=61', 'account name=Bank amount=1000',
                  'deposit name=Pay start=60 end=61 amount=100 to=#42'],
 'run.txt': [''],
 'schedule.txt': [totals(60, inv=1000), 'Financial Events:',
   '  Pay - The account of this event no longer exists; nothing was booked.', totals(61, inv=1000)]})

# --- loan_to_savings: a loan into a savings account, less its down payment; a one-year term
# ends the payments without a payoff line.
r = f(f(6 * F001) / 12)
p, i = amortize(8000.0, r, 12, 0, 11)
y = f(p + i)
write('loan_to_savings', {
 'scenario.txt': ['header start=40 end=42 tax=15', 'account name=Broker amount=1000',
                  'loan name=Car start=40 payoff=41 price=10000 down=2000 rate=6 years=1 to=Broker'],
 'run.txt': ['summary'],
 'schedule.txt': [totals(40, inv=1000), 'Financial Events:', '  Car - Deposit $10,000.00 to Broker from loan',
   '  Car - Withdraw $2,000.00 for down payment',
   '  Car - Withdraw %s for monthly payments - principal=%s interest=%s' % (money(y), money(p), money(i)),
   'Summary:', '    Total Incoming=$8,000.00', '       Loans=$8,000.00',
   '    Total Outgoing=%s' % money(i), '       Interest Paid=%s' % money(i),
   totals(41, inv=f(9000 - y), liab=f(8000 - p)), 'Financial Events:', 'Summary:',
   '    Total Incoming=$0.00', '    Total Outgoing=$0.00',
   totals(42, inv=f(9000 - y), liab=f(8000 - p))]})

# --- equity_loan: an interest-free loan into an Equity account sold at its sell age, and
# one into a savings account paid off at its payoff age.
pay = '  %s - Withdraw $1,200.00 for monthly payments - principal=$1,200.00 interest=$0.00'
write('equity_loan', {
 'scenario.txt': ['header start=40 end=42 tax=15', 'account name=Shares kind=equity',
                  'account name=Bank amount=50000',
                  'loan name=Stake start=40 payoff=60 price=6000 years=5 sell=41 to=Shares',
                  'loan name=Car start=40 payoff=41 price=6000 years=5 to=Bank'],
 'run.txt': [''],
 'schedule.txt': [totals(40, inv=50000), 'Financial Events:',
   '  Stake - Transfer $6,000.00 to Shares from loan', pay % 'Stake',
   '  Car - Deposit $6,000.00 to Bank from loan', pay % 'Car',
   totals(41, inv=53600, eq=6000, liab=9600), 'Financial Events:',
   '  Stake - Sold equity for $6,000.00', '      Deposited $6,000.00 to Bank',
   '   Paid off loan with $4,800.00', '    Total Principal=$1,200.00 Total Interest=$0.00',
   '   Car - Paid off loan with $4,800.00', '    Total Principal=$1,200.00 Total Interest=$0.00',
   totals(42, inv=50000)]})

# --- mortgage_start: down payment and closing costs from the chosen account, the payments
# too; a down payment kept as equity withdraws nothing and the default funding pays.
p, i = amortize(240000.0, r, 360, 0, 11)
y = f(p + i)
line = '  %s - Withdraw %s for monthly payments - principal=%s interest=%s'
write('mortgage_start', {
 'scenario.txt': ['header start=40 end=41 tax=15', 'account name=Bank amount=100000',
                  'account name=Savings kind=taxfree amount=100000',
                  'mortgage name=Home start=40 payoff=70 amount=300000 down=60000 rate=6 years=30 '
                  'closing=5000 pay-from=Savings',
                  'mortgage name=Condo start=40 payoff=70 amount=300000 down=60000 rate=6 years=30 '
                  'keep-down=1'],
 'run.txt': [''],
 'schedule.txt': [totals(40, inv=100000, tf=100000), 'Financial Events:',
   '  Home - Withdraw $60,000.00 for down payment', '  Home - Withdraw $5,000.00 for closing costs',
   line % ('Home', money(y), money(p), money(i)), '  Condo - $60,000.00 to equity.',
   line % ('Condo', money(y), money(p), money(i)),
   # In table order: each mortgage books its financed part, then pays its year's principal.
   totals(41, inv=f(100000 - y), tf=f(35000 - y), asset=f(f(f(240000 - p) + 240000) - p),
          eq=f(f(f(60000 + p) + 60000) + p), liab=f(f(f(240000 - p) + 240000) - p))]})
print('loan', loan_payment(8000.0, r, 12), 'mortgage', loan_payment(240000.0, r, 360), y)

# --- card_payoff: a card paid 100 a month for six years, the rest at its payoff age.
c = 5000.0
sched = []
bank = 50000.0
liab = 5000.0
for age in range(31, 37):
    sched += [totals(age, inv=bank, liab=liab), 'Financial Events:']
    paid = 0.0
    for month in range(12):
        i = f(f(f(f(c * 18) * f(1 / 365)) * 30) * F001)
        pr = f(100 - i)
        c = f(c - pr)
        liab = f(liab - pr)
        paid = f(paid + 100)
    sched.append('  Card - Withdraw %s to pay off credit card.' % money(paid))
    bank = f(bank - paid)
    liab = 0.0 if liab < 1 else liab
sched += [totals(37, inv=bank, liab=liab), 'Financial Events:',
          '   Card - Paid off credit card with %s' % money(c)]
bank = f(bank - c)
liab = f(liab - c)
liab = 0.0 if liab < 1 else liab
sched += [totals(38, inv=bank, liab=liab)]
write('card_payoff', {
 'scenario.txt': ['header start=31 end=38 tax=15', 'account name=Bank amount=50000',
                  'card name=Card start=31 payoff=37 balance=5000 rate=18 payment=100 months=36 '
                  'from=Bank'],
 'run.txt': [''],
 'schedule.txt': sched})
print('card left', c)

# --- property_taxes: taxes grown by inflation once a year from the start year, flat taxes,
# and taxes below one dollar that are not charged; three equal mortgages paid from Bank.
infl = f(1 + f(3 * F001))
bank = 1000000.0; liab = asset = eq = 0.0
sched = []
for k, age in enumerate(range(40, 46)):
    sched += [totals(age, inv=bank, asset=asset, eq=eq, liab=liab), 'Financial Events:']
    p, i = amortize(100000.0, r, 360, 12 * k, 12 * k + 11)
    y = f(p + i)
    for name, tax in (('Home', True), ('Flat', False), ('Shed', None)):
        if k == 0:
            liab = f(liab + 100000); asset = f(asset + 100000)
        liab = f(liab - p); eq = f(eq + p); asset = f(asset - p)
        sched.append(line % (name, money(y), money(p), money(i)))
        bank = f(bank - y)
        if tax is not None:
            t = 3000.0
            if tax:
                for _ in range(k):
                    t = f(t * infl)
            sched.append('  Withdraw %s for property taxes' % money(t))
            bank = f(bank - t)
sched.append(totals(46, inv=bank, asset=asset, eq=eq, liab=liab))
write('property_taxes', {
 'scenario.txt': ['header start=40 end=46 tax=15 inflation=3', 'account name=Bank amount=1000000',
                  'mortgage name=Home start=40 payoff=80 amount=100000 rate=6 years=30 tax=3000 '
                  'tax-inflation=1',
                  'mortgage name=Flat start=40 payoff=80 amount=100000 rate=6 years=30 tax=3000',
                  'mortgage name=Shed start=40 payoff=80 amount=100000 rate=6 years=30 tax=0.99'],
 'run.txt': [''],
 'schedule.txt': sched})

# --- mortgage_sale: a property appreciating 4 % a year, sold at its sell age before its
# payoff age: taxes, sale, selling expenses, deposit, payoff of the rest, totals.
r5 = f(f(5 * F001) / 12)
broker = 300000.0; liab = asset = 0.0; eq = 0.0; value = 200000.0
ppaid = ipaid = 0.0
sched = []
for k, age in enumerate(range(40, 45)):
    sched += [totals(age, inv=broker, asset=asset, eq=eq, liab=liab), 'Financial Events:']
    if k == 0:
        liab = f(liab + 160000); asset = f(asset + 160000); eq = f(eq + 40000)
        sched.append('  Home - $40,000.00 to equity.')
    p, i = amortize(160000.0, r5, 360, 12 * k, 12 * k + 11)
    ppaid = f(ppaid + p); ipaid = f(ipaid + i)
    y = f(p + i)
    liab = f(liab - p); eq = f(eq + p); asset = f(asset - p)
    sched.append(line % ('Home', money(y), money(p), money(i)))
    broker = f(broker - y)
    sched.append('  Withdraw $1,200.00 for property taxes')
    broker = f(broker - 1200)
    growth = f(f(f(4 * F001) * value) * 1.0)
    eq = f(eq + growth)
    value = f(value + growth)
sched += [totals(45, inv=broker, asset=asset, eq=eq, liab=liab), 'Financial Events:',
          '  Withdraw $1,200.00 for property taxes']
broker = f(broker - 1200)
c = f(f(6 * F001) * value)
rest = f(f(160000 - 0) - ppaid)
liab = f(liab - rest)
eq = f(eq - f(f(ppaid + 40000) + f(value - 200000)))
asset = f(asset - rest)
broker = f(f(broker + value) - c)
sched += ['  Home - Sold property for %s' % money(value), '     Selling expenses = %s' % money(c),
          '      Deposited %s to Broker' % money(f(value - c)),
          '   Paid off mortgage with %s' % money(rest),
          '    Total Principal=%s Total Interest=%s' % (money(ppaid), money(ipaid))]
broker = f(broker - rest)
sched.append(totals(46, inv=broker, asset=asset, eq=eq, liab=liab))
write('mortgage_sale', {
 'scenario.txt': ['header start=40 end=46 tax=15', 'account name=Broker amount=300000',
                  'mortgage name=Home start=40 payoff=70 amount=200000 down=40000 keep-down=1 rate=5 '
                  'years=30 appreciation=4 sell=45 selling=6 tax=1200'],
 'run.txt': [''],
 'schedule.txt': sched})
